#include "dialogs/recall_window.h"

#include <algorithm>
#include <memory>

#include "dialogs/dialog_pictures.h"
#include "dialogs/locale_numbers.h"
#include "machine/manual_topics.h"
#include "platform/dialog.h"
#include "rules/card_game.h"
#include "rules/pay_rules.h"
#include "rules/strips.h"
#include "view/main_view.h"

namespace dialogs {

namespace {

constexpr int kPoints = 10;
constexpr int kRow = 18;
constexpr int kMargin = 16;
constexpr int kGap = 4;  // between the symbols of the window
constexpr int kTextWidth = 340;
constexpr int kStepRows = 6;  // rows for what happened after the spin

std::string Capital(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

class RecallWindow {
 public:
  RecallWindow(machine::Machine& m, const std::vector<rules::GameRecord>& games, const view::Artwork& art,
               int symbol_size)
      : m_(m), games_(games), art_(art), size_(symbol_size), separators_(UserSeparators()) {}
  void ShowModal();

 private:
  void Build();
  void Show(int shown);
  void PaintSymbols();
  // The game on show: 0 is the newest.
  const rules::GameRecord& Game() const { return games_[games_.size() - 1 - shown_]; }
  int Grid() const { return 3 * size_ + 2 * kGap; }

  machine::Machine& m_;
  const std::vector<rules::GameRecord>& games_;
  const view::Artwork& art_;
  int size_;
  NumberSeparators separators_;
  int shown_ = 0;
  std::unique_ptr<platform::Dialog> dialog_;
  int heading_ = -1;
  std::vector<int> meters_, steps_;
  int lines_ = -1, features_ = -1;
  platform::Bitmap tick_;
};

void RecallWindow::ShowModal() {
  Build();
  Show(0);
  dialog_->ShowModal();
}

void RecallWindow::Build() {
  const int text_x = kMargin + Grid() + kMargin;
  const int width = text_x + kTextWidth + kMargin;
  const int grid_top = kMargin + 2 * kRow + 8;
  const int steps_top = grid_top + Grid() + 10;
  const int buttons_top = steps_top + kStepRows * kRow + 10;
  dialog_ = m_.dialogs.NewDialog("Game Recall", width, buttons_top + 33 + kMargin, kButtonFace);
  dialog_->SetHelpTopic(machine::kGameRecallHelpTopic);

  platform::LabelStyle warning;
  warning.points = kPoints + 1;
  warning.bold = true;
  warning.color = platform::kMaroon;
  dialog_->AddLabel(kMargin, kMargin, width - 2 * kMargin, kRow,
                    "RECALL: a game already played, shown as it was. Not a game in play.", warning);
  platform::LabelStyle plain;
  plain.points = kPoints;
  heading_ = dialog_->AddLabel(kMargin, kMargin + kRow + 4, width - 2 * kMargin, kRow, "", plain);
  // Bet, credits, Bell Pool and the spin's win a row each; the lines paid and the bonuses
  // may wrap (eight lines of four-figure pays, every bonus at once); then the total.
  platform::LabelStyle wrapped = plain;
  wrapped.wrap = true;
  for (int i = 0; i < 4; ++i)
    meters_.push_back(dialog_->AddLabel(text_x, grid_top + i * kRow, kTextWidth, kRow, "", plain));
  lines_ = dialog_->AddLabel(text_x, grid_top + 4 * kRow, kTextWidth, 3 * kRow, "", wrapped);
  features_ = dialog_->AddLabel(text_x, grid_top + 7 * kRow, kTextWidth, 2 * kRow, "", wrapped);
  meters_.push_back(dialog_->AddLabel(text_x, grid_top + 9 * kRow, kTextWidth, kRow, "", plain));
  for (int i = 0; i < kStepRows; ++i)
    steps_.push_back(dialog_->AddLabel(kMargin, steps_top + i * kRow, width - 2 * kMargin, kRow, "", plain));

  const int right = width - kMargin;
  dialog_->AddButton(kMargin, buttons_top, 110, 33, "< &Previous", platform::ButtonKind::Plain,
                     [this] { Show(std::min<int>(shown_ + 1, static_cast<int>(games_.size()) - 1)); });
  dialog_->AddButton(kMargin + 118, buttons_top, 110, 33, "&Next >", platform::ButtonKind::Plain,
                     [this] { Show(std::max(shown_ - 1, 0)); });
  dialog_->AddButton(right - 89 - 8 - 89, buttons_top, 89, 33, "&Help", platform::ButtonKind::Plain,
                     [this] { m_.help.ShowHelp(m_.HelpFile, std::to_string(machine::kGameRecallHelpTopic)); });
  tick_ = DialogBitmap("OkTick", m_.ProgramFolder, dialog_->Surface().ComposeScale());
  dialog_->AddButton(right - 89, buttons_top, 89, 33, "OK", platform::ButtonKind::Ok, nullptr, &tick_);
  dialog_->OnPaint([this] { PaintSymbols(); });
}

void RecallWindow::Show(int shown) {
  shown_ = shown;
  const rules::GameRecord& game = Game();
  dialog_->SetText(heading_, RecallHeading(game, shown_ + 1, static_cast<int>(games_.size())));
  const std::vector<std::string> meters = RecallMeters(game);  // the rows in the order above
  for (int i = 0; i < 4; ++i) dialog_->SetText(meters_[i], meters[i]);
  dialog_->SetText(lines_, meters[4]);
  dialog_->SetText(features_, meters[5]);
  dialog_->SetText(meters_[4], meters[6]);
  std::vector<std::string> steps = RecallSteps(game);
  if (steps.size() > steps_.size()) {
    const size_t more = steps.size() - steps_.size() + 1;
    steps.resize(steps_.size() - 1);
    steps.push_back("... and " + std::to_string(more) + " more (vantello-sim recall lists them all).");
  }
  for (size_t i = 0; i < steps_.size(); ++i) dialog_->SetText(steps_[i], i < steps.size() ? steps[i] : "");
  dialog_->Repaint();
}

void RecallWindow::PaintSymbols() {
  platform::Canvas& c = dialog_->Surface();
  const int top = kMargin + 2 * kRow + 8;
  const rules::TurnRecord& spin = Game().turns.front();
  c.Fill(kMargin - 2, top - 2, Grid() + 4, Grid() + 4, platform::kBlack);
  for (int w = 0; w < 9; ++w) {
    const int x = kMargin + (w % 3) * (size_ + kGap), y = top + (w / 3) * (size_ + kGap);
    c.Fill(x, y, size_, size_, platform::kWhite);
    const int code = spin.cells[w];
    if (art_.SymbolSheet.Width() >= 4 * size_)
      c.Blit(art_.SymbolSheet, (code % 4) * size_, (code / 4) * size_, size_, size_, x, y);
    else
      c.Text(x + 4, y + size_ / 2 - 8, rules::kSymbolNames[code].One, kPoints, platform::kBlack);
  }
  // The winning lines hatched in their colours, as the machine flashed them.
  for (int line = 0; line < 8; ++line) {
    if (spin.line_wins[line] <= 0) continue;
    for (int w : rules::kPaylines[line]) {
      const int x = kMargin + (w % 3) * (size_ + kGap), y = top + (w / 3) * (size_ + kGap);
      c.Hatch(x, y, size_, size_, view::LineColour(line));
    }
  }
}

}  // namespace

std::string RecallHeading(const rules::GameRecord& game, int shown, int count) {
  return "Game " + std::to_string(game.number) + ", played " + game.time + " (" + std::to_string(shown) + " of " +
         std::to_string(count) + ", newest first)";
}

std::vector<std::string> RecallMeters(const rules::GameRecord& game) {
  const rules::TurnRecord& spin = game.turns.front();
  std::vector<std::string> rows;
  rows.push_back("Bet: " + std::to_string(game.lines) + (game.lines == 1 ? " line" : " lines") + " x " +
                 std::to_string(game.coins) + (game.coins == 1 ? " coin" : " coins") + " = " +
                 std::to_string(game.bet));
  rows.push_back("Credits: " + std::to_string(game.credits_before) + " before, " + std::to_string(game.credits_after) +
                 " after");
  rows.push_back("Bell Pool: " + std::to_string(game.bell_pool_before) + " before, " +
                 std::to_string(game.bell_pool_after) + " after");
  rows.push_back("The spin won " + std::to_string(spin.win));
  std::string lines;
  for (int line = 0; line < 8; ++line)
    if (spin.line_wins[line] > 0)
      lines += (lines.empty() ? "Lines paid: " : ", ") + std::to_string(line + 1) + " paid " +
               std::to_string(spin.line_wins[line]);
  rows.push_back(lines.empty() ? "No line paid" : lines);
  std::string features;
  if (spin.screen_bonus == rules::kScreenBonusAllFruit) features += "All Fruit bonus; ";
  else if (spin.screen_bonus) features += "Sevens screen bonus; ";
  if (spin.bonus_lamp) features += "bonus lamp lit; ";
  if (spin.skill_stop) features += "skill stop pressed; ";
  if (game.bell_pool_award) features += "Bell Pool award " + std::to_string(game.bell_pool_award) + "; ";
  rows.push_back(features.empty() ? "No bonus" : Capital(features.substr(0, features.size() - 2)));
  rows.push_back("Credited in all: " + std::to_string(game.win));
  return rows;
}

std::vector<std::string> RecallSteps(const rules::GameRecord& game) {
  std::vector<std::string> steps;
  for (const rules::BetweenGames& b : game.between)
    steps.push_back("Before this game: " + std::string(rules::BetweenKindName(b.kind)) + ", credits " +
                    std::to_string(b.credits_before) + " to " + std::to_string(b.credits_after) + ".");
  for (size_t t = 0; t < game.turns.size(); ++t) {
    const rules::TurnRecord& turn = game.turns[t];
    if (t > 0) {
      std::string lines;
      for (int line = 0; line < 8; ++line)
        if (turn.line_wins[line] > 0) lines += (lines.empty() ? " (lines " : ", ") + std::to_string(line + 1);
      steps.push_back(Capital(rules::TurnKindName(turn.kind)) + " " + std::to_string(t) + ": won " +
                      std::to_string(turn.win) + (lines.empty() ? "" : lines + ")") + ".");
    }
    for (const rules::GambleStep& s : game.gamble)
      if (s.after == static_cast<int>(t))
        steps.push_back("Double or Nothing (a gamble): " + std::to_string(s.stake) + " at stake, " +
                        rules::CardName(s.card) + " turned, " + std::to_string(s.won) + " left.");
  }
  if (steps.empty()) steps.push_back("No rolls and no gamble after the spin.");
  return steps;
}

void ShowGameRecall(machine::Machine& m, const std::vector<rules::GameRecord>& games, const view::Artwork& art,
                    int symbol_size) {
  if (games.empty()) {
    m.boxes.Information("No game has been played yet: the recall shows games once they have been played.");
    return;
  }
  RecallWindow window(m, games, art, symbol_size);
  window.ShowModal();
}

}  // namespace dialogs
