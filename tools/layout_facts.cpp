// Prints where the layout puts the machine's parts for a screen width, as shell variable
// assignments, so that the window tests look for the machine's pixels where the game's
// own layout code puts them. The artwork is read from the program folder as the game
// reads it, since the background's size places everything else.
// Usage: vantello_layout_facts PROGRAM_FOLDER SCREEN_WIDTH [DEPTH]
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "rules/width_class.h"
#include "view/builtin_pictures.h"
#include "view/command_bar.h"
#include "view/layout.h"
#include "view/main_view.h"
#include "view/pictures.h"

namespace {

void Print(const char* name, int value) { std::printf("%s=%d\n", name, value); }
void Print(const std::string& name, int x, int y) { std::printf("%s=\"%d %d\"\n", name.c_str(), x, y); }
void Print(const std::string& name, int x, int y, int w, int h) {
  std::printf("%s=\"%d %d %d %d\"\n", name.c_str(), x, y, w, h);
}
void Print(const std::string& name, const platform::Rect& r) { Print(name, r.left, r.top, r.Width(), r.Height()); }

// The names the test scripts give the commands they press.
struct CommandName {
  view::Command command;
  const char* name;
};
constexpr CommandName kCommandNames[] = {
    {view::CmdHelp, "HELP"},       {view::CmdPayMode, "PAYMODE"},   {view::CmdPayChart, "PAYCHART"},
    {view::CmdBorrow, "BORROW"},   {view::CmdNewGame, "NEWGAME"},   {view::CmdSummary, "SUMMARY"},
    {view::CmdAutoSpin, "AUTOSPIN"}, {view::CmdExit, "EXIT"},       {view::CmdSound, "SOUND"},
    {view::CmdWebSite, "WEBSITE"}, {view::CmdDouble, "DOUBLE"},     {view::CmdSaveGame, "SAVE"},
    {view::CmdLoadGame, "LOAD"},   {view::CmdStats, "STATS"},
};
static_assert(std::size(kCommandNames) == view::kCommandCount, "every command has its name");

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: %s PROGRAM_FOLDER SCREEN_WIDTH [DEPTH]\n", argv[0]);
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  const int screen_width = std::atoi(argv[2]);
  const int depth = argc > 3 ? std::atoi(argv[3]) : 24;
  if (screen_width <= 0 || depth <= 0) {
    std::fprintf(stderr, "%s: the screen width and depth must be positive\n", argv[0]);
    return 2;
  }

  // As the machine's window does at its start.
  const int layout_width = rules::LayoutWidthOf(screen_width);
  view::Pictures pictures;
  view::Artwork art;
  view::LoadBuiltinPictures(pictures, view::BuiltinPicture);
  if (!view::LoadArtwork(art, pictures, folder, layout_width, depth)) {
    std::fprintf(stderr, "%s: the artwork is missing from %s\n", argv[0], folder.c_str());
    return 1;
  }
  const view::Layout l = view::MakeLayout(layout_width, art, pictures);

  std::printf("# The machine's picture on a screen %d wide, in the layout's pixels.\n", screen_width);
  Print("LAYOUT_WIDTH", l.width);
  // From this width the window shows the large layout scaled to fit.
  Print("LARGE_SCREEN_WIDTH", rules::kLargeScreenWidth);
  Print("LARGE_LAYOUT_W", rules::kLargeLayoutWidth);
  Print("LARGE_LAYOUT_H", rules::kLargeLayoutHeight);
  Print("ORIGIN_X", l.origin_x);
  Print("ORIGIN_Y", l.origin_y);
  Print("BACKGROUND_W", l.background_w);
  Print("BACKGROUND_H", l.background_h);
  // Wheel w's white window, w = 0..8 row by row: "x y w h".
  for (int w = 0; w < 9; ++w) {
    const view::Box b = view::WheelWindow(l, w);
    Print("WHEEL_" + std::to_string(w), b.x, b.y, b.w, b.h);
  }
  Print("SPIN", l.spin);
  Print("STOP", l.stop);
  Print("LINES_PLUS", l.lines_plus);
  Print("LINES_MINUS", view::MinusKeyOf(l.lines_plus));
  Print("COINS_PLUS", l.coins_plus);
  Print("COINS_MINUS", view::MinusKeyOf(l.coins_plus));
  const view::DigitCell digit = view::LedDigitCell(l.Large());
  Print("DIGIT_W", digit.w);
  Print("DIGIT_H", digit.h);
  const view::Point credits = view::CreditsMeterAt(l);
  Print("CREDITS_METER", credits.x, credits.y);
  const view::Point counter = view::FreeSpinsCounterAt(l);
  Print("FREE_SPINS_COUNTER", counter.x, counter.y);
  // The command bar: button i as "x y w h", and each command's number.
  const auto bar = view::BuildCommandBar(l, pictures.Options);
  Print("COMMAND_COUNT", view::kCommandCount);
  for (int i = 0; i < view::kCommandCount; ++i)
    Print("COMMAND_" + std::to_string(i), bar[i].x, bar[i].y, bar[i].w, bar[i].h);
  for (const CommandName& c : kCommandNames) Print(c.name, c.command);
  return 0;
}
