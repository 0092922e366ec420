#include "tests/test_machine.h"

#include "rules/spin_rules.h"
#include "rules/strips.h"
#include "view/layout.h"

#include <unistd.h>

namespace testing_support {

TestMachine::TestMachine(int screen_width)
    : canvas(screen_width, 768, &text),
      picture(m, pictures, 96),
      view(&picture),
      m({canvas, fake, fake, fake, fake, dialogs, fake, fake}, view) {
  rules::ApplyStartupValues(m.g);
  const bool large = rules::WidthClassOf(screen_width) == rules::WidthClass::Large;
  const int cell = large ? 96 : 64;
  view::Artwork& art = picture.art;
  art.BackgroundImage = platform::Bitmap(large ? 498 : 324, large ? 600 : 380, 0x202020);
  art.SymbolSheet = platform::Bitmap(4 * cell, 3 * cell, 0x00FF00);
  art.MotionStrip = platform::Bitmap(cell, rules::kMotionStripRows, 0x808080);
  art.LampsOnImage = platform::Bitmap(large ? 498 : 318, large ? 100 : 30, 0xFFFF00);
  art.LampsOffImage = platform::Bitmap(large ? 498 : 318, large ? 100 : 30, 0x404000);
  art.SideLampImage = platform::Bitmap(40, 160, 0xFF8000);
  picture.layout = view::MakeLayout(screen_width, art, pictures);
  m.ProgramFolder = "/game/";
  m.ClickSoundData = {1, 2, 3};
}

RecordingView::RecordingView(TestMachine& t) : picture_(&t.picture), m_(&t.m), fake_(&t.fake) { t.m.view = this; }

void TestMachine::ShowWindow(const std::array<int, 9>& codes) {
  for (int w = 0; w < 9; ++w) {
    m.g.Strips[w].fill(rules::Clover);
    m.g.Strips[w][0] = static_cast<uint8_t>(codes[w]);
    m.g.Stops[w] = 0;
  }
}

dialogs::CardArt FlatCardArt(int twin_scale) {
  dialogs::CardArt art;
  art.Pos = platform::Bitmap(73, 98, 0xFFFFFF);
  art.Royal = platform::Bitmap(141, 148);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col) platform::FillRect(art.Royal, 47 * col, 74 * row, 47, 74, 0xA00000 + 0x10 * row + col);
  art.Suits = platform::Bitmap(60, 30);
  art.SuitSm = platform::Bitmap(44, 22);
  art.Black = platform::Bitmap(117, 28);
  art.Red = platform::Bitmap(117, 28);
  for (int s = 0; s < 4; ++s)
    for (int row = 0; row < 2; ++row) {
      platform::FillRect(art.Suits, 15 * s, 15 * row, 15, 15, 0x00B000 + 0x10 * row + s);
      platform::FillRect(art.SuitSm, 11 * s, 11 * row, 11, 11, 0x00C000 + 0x10 * row + s);
    }
  for (int r = 1; r <= 13; ++r)
    for (int row = 0; row < 2; ++row) {
      platform::FillRect(art.Black, 9 * r - 9, 14 * row, 9, 14, 0x000100 * r + 0x10 * row);
      platform::FillRect(art.Red, 9 * r - 9, 14 * row, 9, 14, 0x000100 * r + 0x10 * row + 1);
    }
  if (twin_scale > 1)
    for (platform::Bitmap* b : {&art.Pos, &art.Royal, &art.Suits, &art.SuitSm, &art.Black, &art.Red}) {
      platform::Bitmap twin(b->Width() * twin_scale, b->Height() * twin_scale);
      platform::StretchBlit(twin, 0, 0, twin.Width(), twin.Height(), *b, 0, 0, b->Width(), b->Height());
      b->SetTwin(twin_scale, twin);
    }
  return art;
}

}  // namespace testing_support

namespace testing_support {

TestForm::TestForm(int screen_width, int screen_height, platform::Canvas* draw_on, view::PictureSource pictures)
    : canvas(screen_width - 10, screen_height, &text), screen_{screen_width, screen_height, 24, 96},
      draw_on_(draw_on ? *draw_on : canvas), pictures_(pictures) {
  static int counter = 0;
  folder = std::filesystem::temp_directory_path() /
           ("vantello-form-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(folder);
  rescue_folders = {folder.string()};
  Reopen();
}

void TestForm::Reopen() {
  form.reset();
  shell.spots.clear();
  shell.closed = false;
  app::Desk desk{{draw_on_, fake, fake, fake, fake, dialogs, fake, fake},
                 shell,
                 screen_,
                 VANTELLO_PROGRAM_DIR,
                 (folder / "Vantello.ini").string(),
                 pictures_,
                 rescue_folders,
                 (folder / "Settings.ini").string()};
  form = std::make_unique<app::MachineWindow>(desk);
  form->Start();
}

TestForm::~TestForm() {
  form.reset();
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}

}  // namespace testing_support
