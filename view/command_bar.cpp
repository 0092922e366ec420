#include "view/command_bar.h"

#include <iterator>
#include <string_view>
#include <vector>

#include "platform/words.h"

namespace view {

namespace {

// The face's bevel takes 3 pixels at each side; a caption keeps 2 more clear of it. Shown
// below the machine's own size the bevel is thinner and one pixel clear is enough, so that
// the captions keep the size they have on an 800x600 screen.
constexpr int kCaptionMargin = 5;
constexpr int kReducedCaptionMargin = 4;

struct Entry {
  const char* caption;  // painted on the button
  const char* tooltip;
  const char* menu;     // the popup menu's line; none where it names the option's state
};

// The captions share the button face's 8-point room, measured in the player's language.
constexpr Entry kCommands[] = {
    // TRANSLATORS: a caption painted on one of the machine's small buttons, as are the next
    // ones: keep it short. This one opens the manual.
    {N_("Help?"), N_("View the Vantello Manual"), N_("Help")},
    // TRANSLATORS: button caption: whether wins are paid at once or counted off a credit at a time.
    {N_("Pay Mode"), N_("Instant Payoff or Count Off Credits"), nullptr},
    // TRANSLATORS: button caption: opens the chart of what each win pays.
    {N_("Pay Chart"), N_("View the Vantello Payoff Chart"), N_("Pay Chart...")},
    // TRANSLATORS: button caption: borrow credits (or pay them back).
    {N_("Borrow"), N_("Borrow Credits"), N_("Borrow...")},
    // TRANSLATORS: button caption.
    {N_("New Game"), N_("Start a New Game"), N_("New Game")},
    // TRANSLATORS: button caption: shows what the last spin paid.
    {N_("Summary"), N_("Summary of Last Spin"), N_("Summary")},
    // TRANSLATORS: button caption: the wheels spin again and again by themselves.
    {N_("Auto Spin"), N_("Click to Start Auto Spin Mode"), nullptr},
    // TRANSLATORS: button caption: closes the game.
    {N_("Exit"), N_("Exit"), N_("Exit")},
    // TRANSLATORS: button caption: turns the sound on or off.
    {N_("Sound"), N_("Click to Turn Sound On or Off"), nullptr},
    // TRANSLATORS: button caption: opens the game's web site.
    {N_("WWW Site"), N_("Visit our Internet Site"), N_("WWW Site...")},
    // TRANSLATORS: button caption: turns the Double or Nothing card game on or off.
    {N_("Double"), N_("Click to Disable the Double or Nothing Bonus Game"), nullptr},
    // TRANSLATORS: button caption.
    {N_("Save Game"), N_("Save a Game"), N_("Save Game...")},
    // TRANSLATORS: button caption.
    {N_("Load Game"), N_("Load a Game"), N_("Load Game...")},
    // TRANSLATORS: button caption: the player's statistics.
    {N_("Stats"), N_("View Your Vantello Statistics"), N_("Stats...")},
};
static_assert(std::size(kCommands) == kCommandCount, "every command has its caption and tip");

}  // namespace

std::string MenuCaption(const rules::GameState& g, int i) {
  switch (i) {
    case CmdPayMode: return g.CountOffWins ? _("Pay Mode: Count Off") : _("Pay Mode: Instant");
    case CmdAutoSpin: return g.AutoSpin ? _("Auto Spin: On") : _("Auto Spin: Off");
    case CmdSound: return g.Sound ? _("Sound: On") : _("Sound: Off");
    case CmdDouble: return g.DoubleOrNothingOn ? _("Double or Nothing: On") : _("Double or Nothing: Off");
    default: return _(kCommands[i].menu);
  }
}

std::array<CommandButton, kCommandCount> BuildCommandBar(const Layout& layout, const platform::Bitmap& face) {
  int w = face.Width(), h = face.Height();
  int left = layout.spin.left;
  int top = layout.spin.top - h - 20;  // the lowest row sits 20 pixels above the Spin button
  std::array<CommandButton, kCommandCount> bar;
  for (int i = 0; i < kCommandCount; ++i)
    bar[i] = {left + (i / kCommandRows) * w, top - (i % kCommandRows) * h, w, h, _(kCommands[i].caption),
              _(kCommands[i].tooltip)};
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
