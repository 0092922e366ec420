// Vantello: the program's entry. Sets up the real desktop and runs the machine's window.
#include "platform/fltk/desktop.h"
#include "platform/sdl/sound.h"
#include "platform/user_folders.h"
#include "platform/words.h"
#include "view/builtin_pictures.h"
#include "persistence/rescue.h"
#include "persistence/saved_game.h"
#include "persistence/settings.h"
#include "persistence/single_copy.h"
#include "app/main_window.h"
#include "machine/manual_topics.h"
#include "app/window_place.h"

int main() {
  using namespace platform;
  UsePlayersLanguage(fltk::ProgramFolder());
  fltk::OpenDisplay(app::kGameTitle);
  fltk::Desktop desktop;
  // From the first moment a signal ends the game with a status of its own: before the
  // machine's window exists it closes whatever box is up (the "already running" notice),
  // and once the window is there its own handler takes over, answering a signal that came
  // in between.
  fltk::OnTerminationSignal([&] { desktop.CloseWindowsOverMachine(); });
  const std::string saved_game = persistence::SavedGamePath();
  if (saved_game.empty()) {
    desktop.Notice(app::NoFolderForGames());
    return 1;
  }
  // Held until the program ends. A copy that cannot lock its games plays nothing.
  persistence::CopyLock lock(saved_game, RuntimeFolder());
  if (lock.Get() != persistence::CopyLock::State::Held) {
    desktop.Notice(lock.Get() == persistence::CopyLock::State::Busy ? app::AlreadyRunning()
                                                                    : app::NoLockForGames(lock.Why()));
    return 1;
  }
  persistence::RemoveStaleTemps(saved_game);
  sdl::Sound sound;
  ScreenInfo screen = fltk::ReadScreen();
  fltk::GameWindow window(app::kGameTitle, 612, 393, desktop.Text());

  Services services{window.Surface(), desktop, desktop, sound, desktop, desktop.Dialogs(), desktop, desktop};
  app::Desk desk{services, window, screen, fltk::ProgramFolder(), saved_game,
                 view::BuiltinPicture, persistence::RescueFolders(saved_game), persistence::SettingsPath()};

  app::MachineWindow machine_window(desk);
  desktop.SetMachineWindow(window);
  window.SetHandlers({
      [&](int key) { machine_window.HandleKey(key); },
      [&](int x, int y) { machine_window.HandleClick(x, y); },
      [&] { machine_window.CloseWindow(); },
      [&] { machine_window.ShowManual(); },
      [&] { machine_window.PaintAll(); },
      [&](bool at_mouse) { machine_window.HandleMenu(at_mouse); },
  });
  // A signal (the desktop logging out) ends the game from wherever it stands: the form
  // finishes the spin and closes its own dialogs, then every box, dialog and manual still
  // open closes, so that the loops showing them return and the game can save and exit.
  fltk::OnTerminationSignal([&] {
    machine_window.CloseOnSignal();
    desktop.CloseWindowsOverMachine();
  });
  machine_window.Start();
  // The help file's name is known once the window has learned the program folder.
  desktop.SetHelpFile(machine_window.HelpFile(), machine::kMessagesHelpTopic);
  if (machine_window.Closed()) return machine_window.ExitStatus();  // a signal during the start-up notice
  // A window that fits its picture comes back where it stood, at its size, full screen or not.
  // A place too large for the screen, or off it, is brought onto the screen first, both
  // when it is restored and when it is kept, so that a damaged file never opens a window
  // nobody can reach and is not written back.
  auto on_screen = [](const app::WindowPlace& p) {
    const fltk::ScreenArea a = fltk::WorkAreaAt(p.x + p.w / 2, p.y + p.h / 2);
    return app::FitOnScreen(p, a.x, a.y, a.w, a.h);
  };
  const std::string place_path = window.Fitted() ? app::WindowPlacePath() : "";
  if (std::optional<app::WindowPlace> kept = place_path.empty() ? std::nullopt : app::ReadWindowPlace(place_path)) {
    const app::WindowPlace p = on_screen(*kept);
    window.Restore({p.x, p.y, p.w, p.h, p.full_screen});
  }
  window.Show();
  fltk::RunMessageLoop(window);
  if (!place_path.empty()) {
    fltk::GameWindow::Placement where = window.Where();
    app::WriteWindowPlace(place_path, on_screen({where.x, where.y, where.w, where.h, where.full_screen}));
  }
  return machine_window.ExitStatus();
}
