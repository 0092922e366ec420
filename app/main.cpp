// Vantello: the program's entry. Sets up the real desktop and runs the machine's window.
#include "platform/fltk/desktop.h"
#include "platform/sdl/sound.h"
#include "view/builtin_pictures.h"
#include "persistence/saved_game.h"
#include "app/main_window.h"

int main() {
  using namespace platform;
  fltk::OpenDisplay(app::kGameTitle);
  fltk::Desktop desktop;
  sdl::Sound sound;
  ScreenInfo screen = fltk::ReadScreen();
  fltk::GameWindow window(app::kGameTitle, 612, 393, desktop.Text());

  Services services{window.Surface(), desktop, desktop, sound, desktop, desktop.Dialogs(), desktop, desktop};
  app::Desk desk{services, window, screen, fltk::ProgramFolder(), persistence::SavedGamePath(),
                 view::BuiltinPicture};

  app::TForm1 form(desk);
  desktop.SetMachineWindow(window);
  window.SetHandlers({
      [&](int key) { form.FormKeyDown(key); },
      [&](int x, int y) { form.FormMouseDown(x, y); },
      [&] { form.FormClose(); },
      [&] { form.Help(); },
      [&] { form.FormPaint(); },
  });
  // A signal (the desktop logging out) ends the game from wherever it stands: the form
  // finishes the spin and closes its own dialogs, then every box, dialog and manual still
  // open closes, so that the loops showing them return and the game can save and exit.
  fltk::OnTerminationSignal([&] {
    form.CloseOnSignal();
    desktop.CloseWindowsOverMachine();
  });
  form.FormCreate();
  // The help file's name is known once the form has learned the program folder.
  desktop.SetHelpFile(form.HelpFile());
  if (form.Closed()) return 0;  // a signal during the start-up notice
  window.Show();
  fltk::RunMessageLoop(window);
  return 0;
}
