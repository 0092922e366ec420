#include "view/command_bar.h"

#include <iterator>
#include <string_view>
#include <vector>

namespace view {

namespace {

// The face's bevel takes 3 pixels at each side; a caption keeps 2 more clear of it. Shown
// below the machine's own size the bevel is thinner and one pixel clear is enough, so that
// the captions keep the size they have on an 800x600 screen.
constexpr int kCaptionMargin = 5;
constexpr int kReducedCaptionMargin = 4;

struct Entry {
  const char* caption;
  const char* tooltip;
};

constexpr Entry kCommands[] = {
    {"Help?", "View the Vantello Manual"},
    {"Pay Mode", "Instant Payoff or Count Off Credits"},
    {"Pay Chart", "View the Vantello Payoff Chart"},
    {"Borrow", "Borrow Credits"},
    {"New Game", "Start a New Game"},
    {"Summary", "Summary of Last Spin"},
    {"Auto Spin", "Click to Start Auto Spin Mode"},
    {"Exit", "Exit"},
    {"Sound", "Click to Turn Sound On or Off"},
    {"WWW Site", "Visit our Internet Site"},
    {"Double", "Click to Disable the Double or Nothing Bonus Game"},
    {"Save Game", "Save a Game"},
    {"Load Game", "Load a Game"},
    {"Stats", "View Your Vantello Statistics"},
};
static_assert(std::size(kCommands) == kCommandCount, "every command has its caption and tip");

}  // namespace

std::string MenuCaption(const rules::GameState& g, int i) {
  auto on_off = [](bool on) { return on ? ": On" : ": Off"; };
  switch (i) {
    case CmdHelp: return "Help";
    case CmdPayMode: return g.CountOffWins ? "Pay Mode: Count Off" : "Pay Mode: Instant";
    case CmdAutoSpin: return std::string("Auto Spin") + on_off(g.AutoSpin);
    case CmdSound: return std::string("Sound") + on_off(g.Sound);
    case CmdDouble: return std::string("Double or Nothing") + on_off(g.DoubleOrNothingOn);
    case CmdNewGame:
    case CmdSummary:
    case CmdExit: return kCommands[i].caption;
    default: return std::string(kCommands[i].caption) + "...";
  }
}

std::array<CommandButton, kCommandCount> BuildCommandBar(const Layout& layout, const platform::Bitmap& face) {
  int w = face.Width(), h = face.Height();
  int left = layout.spin.left;
  int top = layout.spin.top - h - 20;  // the lowest row sits 20 pixels above the Spin button
  std::array<CommandButton, kCommandCount> bar;
  for (int i = 0; i < kCommandCount; ++i)
    bar[i] = {left + (i / kCommandRows) * w, top - (i % kCommandRows) * h, w, h, kCommands[i].caption, kCommands[i].tooltip};
  return bar;
}

platform::Color CaptionColour(const rules::GameState& g, int i) {
  if (i == CmdAutoSpin && g.AutoSpin) return platform::kWhite;
  if ((i == CmdSound && !g.Sound) || (i == CmdDouble && !g.DoubleOrNothingOn) || (i == CmdPayMode && !g.CountOffWins))
    return platform::kSilver;
  return platform::kYellow;
}

void DrawCommandCaptions(machine::Machine& m, const platform::Bitmap& face,
                         const std::array<CommandButton, kCommandCount>& bar) {
  platform::Canvas& c = m.canvas;
  // One face and size for the whole bar, the largest at which every caption keeps clear
  // of its button's bevel.
  std::vector<std::string_view> captions;
  for (const CommandButton& b : bar) captions.push_back(b.caption);
  const int margin = c.Reduced() ? kReducedCaptionMargin : kCaptionMargin;
  const platform::TextFit fit = c.FitText(captions, 8, face.Width() - 2 * margin);
  const int th = c.TextHeight(fit.points);
  c.Hold();
  for (int i = 0; i < kCommandCount; ++i) {
    const CommandButton& b = bar[i];
    c.Blit(face, 0, 0, b.w, b.h, b.x, b.y);
    int tw = c.TextWidth(b.caption, fit);
    c.FittedText(b.x + (b.w - tw) / 2, b.y + (b.h - th) / 2, b.caption, fit, CaptionColour(m.g, i));
  }
  c.Release();
}

}  // namespace view
