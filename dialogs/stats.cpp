#include "dialogs/stats.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string_view>
#include <utility>

#include "analysis/par_sheet.h"
#include "dialogs/dialog_pictures.h"
#include "dialogs/meters_window.h"
#include "machine/manual_topics.h"
#include "platform/bitmap.h"
#include "platform/dialog.h"
#include "platform/words.h"

namespace dialogs {

namespace {

constexpr int kPoints = 10;
constexpr int kRowHeight = 16;
// The row of the expected return, below the skill-stop rate, moves what follows it down
// by one row.
constexpr int kAddedHeight = 24;
// A label keeps a few pixels clear at its sides; room for the text is its width plus these.
constexpr int kLabelMargins = 8;

// The sums below are taken in 64 bits: sums and differences of 32-bit counters need not
// fit in 32.
int64_t AllSpins(const rules::GameState& g) {
  return int64_t{g.Spins} + g.NumberOfCherryRolls + g.NumberOfBarRolls;
}

// A game starts with all its credits borrowed and borrowing moves both meters alike,
// so whatever the machine has paid is what the player holds beyond the loan, plus the bets.
int64_t Payoffs(const rules::GameState& g) { return int64_t{g.Credits} - g.Borrowed + g.TotalBets; }

class StatsDialog {
 public:
  StatsDialog(machine::Machine& m, NumberSeparators separators, std::function<void()> open_recall);
  void ShowModal();

 private:
  void Build();
  // The caption comes translated: it is measured as it is shown.
  void AddRow(const std::string& caption, int x, int y, bool caption_bold, int vx, int vy, int vw,
              bool bold, const std::string& value);
  std::string Count(int64_t value) const;
  std::string Percent(double value) const;

  machine::Machine& m_;
  NumberSeparators separators_;
  std::function<void()> open_recall_;
  platform::Bitmap tick_;
  std::unique_ptr<platform::Dialog> dialog_;
};

StatsDialog::StatsDialog(machine::Machine& m, NumberSeparators separators, std::function<void()> open_recall)
    : m_(m), separators_(std::move(separators)), open_recall_(std::move(open_recall)) {}

void StatsDialog::ShowModal() {
  Build();
  dialog_->ShowModal();
}

std::string StatsDialog::Count(int64_t value) const { return FormatCount(value, 10, separators_); }

std::string StatsDialog::Percent(double value) const {
  return FormatFixed(value, 4, 2, separators_) + "%";
}

void StatsDialog::AddRow(const std::string& caption, int x, int y, bool caption_bold, int vx, int vy,
                        int vw, bool bold, const std::string& value) {
  platform::Canvas& c = dialog_->Surface();
  // The column's right edge stays put; a figure too wide for its column grows leftwards
  // into the gap before it rather than losing its first digits.
  std::string_view shown = value;
  shown.remove_prefix(std::min(shown.find_first_not_of(' '), shown.size()));
  const int value_width = c.TextWidth(shown, kPoints, bold) + kLabelMargins;
  const int width = std::max(vw, value_width);

  // The caption keeps to the room before the figure's text on its row; the window narrows
  // its face to fit rather than letting the two run together.
  platform::LabelStyle left;
  left.points = kPoints;
  left.bold = caption_bold;
  int caption_width = c.TextWidth(caption, kPoints, caption_bold) + kLabelMargins;
  if (vy == y && vx > x) caption_width = std::min(caption_width, vx + vw - value_width - x);
  dialog_->AddLabel(x, y, caption_width, kRowHeight, caption, left);

  platform::LabelStyle right;
  right.points = kPoints;
  right.bold = bold;
  right.align = platform::Align::Right;
  dialog_->AddLabel(vx + vw - width, vy, width, kRowHeight, value, right);
}

void StatsDialog::Build() {
  const rules::GameState& g = m_.g;
  dialog_ = m_.dialogs.NewDialog(_("Your Game Statistics"), 632, 333 + kAddedHeight, kButtonFace);
  dialog_->SetHelpTopic(machine::kStatsHelpTopic);

  const int64_t payoffs = Payoffs(g);
  const int64_t normal =
      payoffs - g.DoubleOrNothingWon - g.BellPoolWon - g.CherryRollsWon - g.BarRollsWon;

  // TRANSLATORS: the Statistics rows; a caption shares its row with a number and shrinks
  // to the room before it.
  AddRow(_("Spins:"), 12, 14, false, 225, 14, 56, true, Count(AllSpins(g)));
  AddRow(_("Regular Spins:"), 28, 38, false, 147, 38, 110, false, Count(g.Spins));
  AddRow(_("Cherry Roll Spins:"), 28, 62, false, 147, 62, 110, false, Count(g.NumberOfCherryRolls));
  AddRow(_("Bar Roll Spins:"), 28, 86, false, 147, 86, 110, false, Count(g.NumberOfBarRolls));
  AddRow(_("Credits:"), 12, 126, false, 225, 126, 56, true, Count(g.Credits));
  AddRow(_("Borrowed:"), 12, 158, false, 225, 158, 56, true, Count(g.Borrowed));
  AddRow(_("Skill Stop Wins:"), 12, 206, false, 225, 206, 56, true, Count(g.SkillStopWins));
  AddRow(_("Skill Stop Percent:"), 12, 238, false, 225, 238, 56, true, Percent(SkillStopPercent(g)));
  const double at_skill = ReturnAtPlayersSkill(g);
  AddRow(_("Expected return at your skill:"), 12, 262, false, 225, 262, 56, true,
         std::isnan(at_skill) ? "-" : FormatFixed(at_skill, 4, 1, separators_) + "%");
  AddRow(_("Overall Payoff Percentage:"), 12, 278 + kAddedHeight, true, 225, 278 + kAddedHeight, 56, true,
         Percent(OverallPayoffPercent(g)));

  AddRow(_("Total Bets:"), 340, 14, false, 553, 14, 56, true, Count(g.TotalBets));
  AddRow(_("Payoffs:"), 340, 46, false, 553, 46, 56, true, Count(payoffs));
  // TRANSLATORS: what the regular spins paid, a part of the Payoffs.
  AddRow(_("Normal:"), 364, 70, false, 475, 70, 110, false, Count(normal));
  // TRANSLATORS: what the regular spins paid on their lines, screen bonuses left out; a
  // part of Normal.
  AddRow(_("Regular:"), 380, 94, false, 459, 94, 110, false,
         Count(normal - g.FruitWon - g.SevensWon));
  // TRANSLATORS: what the Sevens screen bonus paid, a part of Normal.
  AddRow(_("Sevens:"), 380, 118, false, 459, 118, 110, false, Count(g.SevensWon));
  // TRANSLATORS: what the All Fruit screen bonus paid, a part of Normal.
  AddRow(_("All Fruit:"), 380, 142, false, 459, 142, 110, false, Count(g.FruitWon));
  AddRow(_("Cherry Rolls:"), 364, 166, false, 475, 166, 110, false, Count(g.CherryRollsWon));
  AddRow(_("Bar Rolls:"), 364, 190, false, 475, 190, 110, false, Count(g.BarRollsWon));
  AddRow(_("Bell Pool:"), 364, 214, false, 475, 214, 110, false, Count(g.BellPoolWon));
  AddRow(_("Double or Nothing:"), 364, 238, false, 475, 238, 110, false, Count(g.DoubleOrNothingWon));

  platform::LabelStyle note;
  note.points = kPoints;
  note.wrap = true;
  dialog_->AddLabel(16, 296 + kAddedHeight, 465, 33,
                    _("(Does not include money won/lost on the double-or-nothing game)."), note);

  tick_ = DialogBitmap("OkTick", m_.ProgramFolder, dialog_->Surface().ComposeScale());
  dialog_->AddButton(528, 296 + kAddedHeight, 89, 33, _("OK"), platform::ButtonKind::Ok, nullptr, &tick_);
  // Under the payoffs, clear of the note and the OK button.
  // TRANSLATORS: a button 120 pixels wide; & marks the letter that presses it with Alt.
  dialog_->AddButton(369, 270, 120, 33, _("Machine &Meters..."), platform::ButtonKind::Plain,
                     [this] { ShowMetersWindow(m_); });
  if (open_recall_)
    // TRANSLATORS: a button 120 pixels wide; & marks the letter that presses it with Alt.
    dialog_->AddButton(497, 270, 120, 33, _("Game &Recall..."), platform::ButtonKind::Plain, open_recall_);
}

}  // namespace

double SkillStopPercent(const rules::GameState& g) {
  const int64_t spins = AllSpins(g);
  if (g.Spins <= 0 || spins <= 0) return 0;
  return static_cast<double>(g.SkillStopWins) / static_cast<double>(spins) * 100;
}

double OverallPayoffPercent(const rules::GameState& g) {
  if (g.TotalBets <= 0) return 0;
  return static_cast<double>(Payoffs(g) - g.DoubleOrNothingWon) / g.TotalBets * 100;
}

// The return is a straight line in the chance of the bonus lamp, worked out for every
// bet when the game was built; the chance is the same on every spin, rolls included,
// since they run the same chaser. The player's chance is read from the skill-stop
// count, which counts only regular spins (those with eight lines played): so it is
// taken per regular spin, not per spin as the Skill Stop Percent row shows it, which
// divides by the rolls too and reads low by their share. Lamps lit with fewer lines go
// uncounted: a player who has played fewer lines reads as less skilled than he is.
// Before the first regular spin there is nothing to go on (a chance of 0 would make a
// worse player than one who never stops), and a bet the machine cannot take has no line.
double ReturnAtPlayersSkill(const rules::GameState& g) {
  const analysis::LampReturnLine* line = analysis::BuiltReturnLine(g.LinesPlayed, g.CoinsPerLine);
  if (g.Spins <= 0 || !line) return std::numeric_limits<double>::quiet_NaN();
  return line->At(std::min(1.0, static_cast<double>(g.SkillStopWins) / g.Spins));
}

void ShowStatsDialog(machine::Machine& m, std::function<void()> open_recall) {
  StatsDialog form(m, UserSeparators(), std::move(open_recall));
  form.ShowModal();
}

}  // namespace dialogs
