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

  app::Desk desk;
  desk.canvas = &window.Surface();
  desk.clock = &desktop;
  desk.timers = &desktop;
  desk.sound = &sound;
  desk.boxes = &desktop;
  desk.dialogs = &desktop.Dialogs();
  desk.help = &desktop;
  desk.web = &desktop;
  desk.shell = &window;
  desk.screen = screen;
  desk.program_folder = fltk::ProgramFolder();
  desk.pictures = view::BuiltinPicture;
  desk.saved_game_path = persistence::SavedGamePath();

  app::TForm1 form(desk);
  desktop.SetHelpFile(form.HelpFile());
  window.SetHandlers({
      [&](int key) { form.FormKeyDown(key); },
      [&](int x, int y) { form.FormMouseDown(x, y); },
      [&] { form.FormClose(); },
      [&] { form.Help(); },
      [&] { form.FormPaint(); },
  });
  fltk::OnTerminationSignal([&] { form.CloseOnSignal(); });
  form.FormCreate();
  window.Show();
  fltk::RunMessageLoop();
  return 0;
}
