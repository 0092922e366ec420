#include "dialogs/recall_window.h"

#include <algorithm>
#include <memory>

#include "dialogs/dialog_pictures.h"
#include "dialogs/locale_numbers.h"
#include "machine/manual_topics.h"
#include "platform/dialog.h"
#include "platform/words.h"
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

// What came between two games, a sentence for each kind: %1 and %2 are the credits
// before and after.
const char* BetweenSentence(rules::BetweenKind kind) {
  switch (kind) {
    // TRANSLATORS: a line of the Game Recall; %1 and %2 are the credits before and after.
    case rules::BetweenKind::PayBack: return _("Before this game: pay back, credits %1 to %2.");
    // TRANSLATORS: a line of the Game Recall; %1 and %2 are the credits before and after.
    case rules::BetweenKind::NewGame: return _("Before this game: new game, credits %1 to %2.");
    // TRANSLATORS: a line of the Game Recall; %1 and %2 are the credits before and after.
    case rules::BetweenKind::LoadGame: return _("Before this game: load game, credits %1 to %2.");
    // TRANSLATORS: a line of the Game Recall, for credits the saved game held other than
    // the meters left; %1 and %2 are the credits before and after.
    case rules::BetweenKind::Unexplained: return _("Before this game: unexplained change, credits %1 to %2.");
    case rules::BetweenKind::Borrow: break;
  }
  // TRANSLATORS: a line of the Game Recall; %1 and %2 are the credits before and after.
  return _("Before this game: borrow, credits %1 to %2.");
}

// A turn after the spin, without and with the lines it paid: %1 is the turn's number (1
// the first roll), %2 what it won, %3 the lines.
struct TurnSentences {
  const char* plain;
  const char* with_lines;
};

TurnSentences TurnSentencesOf(rules::TurnKind kind) {
  switch (kind) {
    case rules::TurnKind::CherryRoll:
      // TRANSLATORS: a line of the Game Recall: Cherry Roll %1 won %2 credits.
      return {_("Cherry roll %1: won %2."),
              // TRANSLATORS: a line of the Game Recall: Cherry Roll %1 won %2 credits on the
              // lines listed in %3 ("1, 4").
              _("Cherry roll %1: won %2 (lines %3).")};
    case rules::TurnKind::BarRoll:
      // TRANSLATORS: a line of the Game Recall: Bar Roll %1 won %2 credits.
      return {_("Bar roll %1: won %2."),
              // TRANSLATORS: a line of the Game Recall: Bar Roll %1 won %2 credits on the
              // lines listed in %3 ("1, 4").
              _("Bar roll %1: won %2 (lines %3).")};
    case rules::TurnKind::Spin: break;
  }
  // TRANSLATORS: a line of the Game Recall: spin %1 won %2 credits.
  return {_("Spin %1: won %2."),
          // TRANSLATORS: a line of the Game Recall: spin %1 won %2 credits on the lines
          // listed in %3 ("1, 4").
          _("Spin %1: won %2 (lines %3).")};
}

// A card as the recall names it: "the Joker", "Ace of Spades".
std::string CardName(int32_t card) {
  // TRANSLATORS: the card turned in a line of the Game Recall.
  if (card == rules::kJokerCard) return _("the Joker");
  static const char* const kRanks[] = {N_("Ace"), "2", "3", "4", "5", "6", "7", "8", "9", "10",
                                       N_("Jack"), N_("Queen"), N_("King")};
  static const char* const kSuits[] = {N_("Spades"), N_("Hearts"), N_("Diamonds"), N_("Clubs")};
  // TRANSLATORS: a card's name: %1 its rank (Ace, 2 to 10, Jack, Queen, King), %2 its
  // suit (Spades, Hearts, Diamonds, Clubs).
  return platform::FillIn(_("%1 of %2"), {_(kRanks[card % 13]), _(kSuits[card / 13])});
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
  dialog_ = m_.dialogs.NewDialog(_("Game Recall"), width, buttons_top + 33 + kMargin, kButtonFace);
  dialog_->SetHelpTopic(machine::kGameRecallHelpTopic);

  platform::LabelStyle warning;
  warning.points = kPoints + 1;
  warning.bold = true;
  warning.color = platform::kMaroon;
  dialog_->AddLabel(kMargin, kMargin, width - 2 * kMargin, kRow,
                    _("RECALL: a game already played, shown as it was. Not a game in play."), warning);
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
  // TRANSLATORS: a button 110 pixels wide that shows the game before; & marks the letter
  // that presses it with Alt.
  dialog_->AddButton(kMargin, buttons_top, 110, 33, _("< &Previous"), platform::ButtonKind::Plain,
                     [this] { Show(std::min<int>(shown_ + 1, static_cast<int>(games_.size()) - 1)); });
  // TRANSLATORS: a button 110 pixels wide that shows the game after; & marks the letter
  // that presses it with Alt.
  dialog_->AddButton(kMargin + 118, buttons_top, 110, 33, _("&Next >"), platform::ButtonKind::Plain,
                     [this] { Show(std::max(shown_ - 1, 0)); });
  dialog_->AddButton(right - 89 - 8 - 89, buttons_top, 89, 33, _("&Help"), platform::ButtonKind::Plain,
                     [this] { m_.help.ShowHelp(m_.HelpFile, std::to_string(machine::kGameRecallHelpTopic)); });
  tick_ = DialogBitmap("OkTick", m_.ProgramFolder, dialog_->Surface().ComposeScale());
  dialog_->AddButton(right - 89, buttons_top, 89, 33, _("OK"), platform::ButtonKind::Ok, nullptr, &tick_);
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
    // TRANSLATORS: the last line of the Game Recall when the game did more than it has room
    // for; %1 is how many lines are left out. "vantello-sim recall" is a command: keep it.
    steps.push_back(platform::FillIn(P_("... and %1 more (vantello-sim recall lists them all).",
                                        "... and %1 more (vantello-sim recall lists them all).", more),
                                     {std::to_string(more)}));
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
      c.Text(x + 4, y + size_ / 2 - 8, _(rules::kSymbolNames[code].One), kPoints, platform::kBlack);
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
  // TRANSLATORS: the Game Recall's heading: %1 is the game's number, %2 when it was played
  // ("2026-12-08 13:45:02"), %3 its place among the %4 games kept.
  return platform::FillIn(_("Game %1, played %2 (%3 of %4, newest first)"),
                          {std::to_string(game.number), game.time, std::to_string(shown), std::to_string(count)});
}

std::vector<std::string> RecallMeters(const rules::GameRecord& game) {
  const rules::TurnRecord& spin = game.turns.front();
  std::vector<std::string> rows;
  // Each count takes its own form; the sentence then puts them in place.
  const std::string lines = platform::FillIn(P_("%1 line", "%1 lines", static_cast<unsigned long>(game.lines)),
                                             {std::to_string(game.lines)});
  const std::string coins = platform::FillIn(P_("%1 coin", "%1 coins", static_cast<unsigned long>(game.coins)),
                                             {std::to_string(game.coins)});
  // TRANSLATORS: a game's bet in the Game Recall: %1 the lines played ("8 lines"), %2 the
  // coins a line ("2 coins"), %3 the credits bet.
  rows.push_back(platform::FillIn(_("Bet: %1 x %2 = %3"), {lines, coins, std::to_string(game.bet)}));
  // TRANSLATORS: the credits before and after a game in the Game Recall.
  rows.push_back(platform::FillIn(_("Credits: %1 before, %2 after"),
                                  {std::to_string(game.credits_before), std::to_string(game.credits_after)}));
  // TRANSLATORS: the Bell Pool before and after a game in the Game Recall.
  rows.push_back(platform::FillIn(_("Bell Pool: %1 before, %2 after"),
                                  {std::to_string(game.bell_pool_before), std::to_string(game.bell_pool_after)}));
  // TRANSLATORS: what a game's spin won, before any roll or gamble.
  rows.push_back(platform::FillIn(_("The spin won %1"), {std::to_string(spin.win)}));
  std::string paid;
  for (int line = 0; line < 8; ++line)
    if (spin.line_wins[line] > 0)
      // TRANSLATORS: one line of the list of lines a spin paid: line %1 paid %2 credits.
      paid += (paid.empty() ? "" : ", ") + platform::FillIn(_("%1 paid %2"), {std::to_string(line + 1),
                                                                              std::to_string(spin.line_wins[line])});
  if (paid.empty())
    rows.push_back(_("No line paid"));
  else
    // TRANSLATORS: %1 is the list of lines the spin paid, such as "1 paid 40, 3 paid 20".
    rows.push_back(platform::FillIn(_("Lines paid: %1"), {paid}));
  // The bonuses in a list; the one that opens it starts with a capital in English, so
  // each comes in the form it takes first and the form it takes after another.
  std::string features;
  auto feature = [&features](const std::string& first, const std::string& later) {
    features += features.empty() ? first : "; " + later;
  };
  if (spin.screen_bonus == rules::kScreenBonusAllFruit) feature(_("All Fruit bonus"), _("All Fruit bonus"));
  else if (spin.screen_bonus) feature(_("Sevens screen bonus"), _("Sevens screen bonus"));
  // TRANSLATORS: a bonus of the spin at the start of the list, then after another one.
  if (spin.bonus_lamp) feature(_("Bonus lamp lit"), _("bonus lamp lit"));
  // TRANSLATORS: a bonus of the spin at the start of the list, then after another one.
  if (spin.skill_stop) feature(_("Skill stop pressed"), _("skill stop pressed"));
  if (game.bell_pool_award) {
    // TRANSLATORS: a bonus of the spin: %1 is what the Bell Pool paid.
    const std::string award = platform::FillIn(_("Bell Pool award %1"), {std::to_string(game.bell_pool_award)});
    feature(award, award);
  }
  rows.push_back(features.empty() ? std::string(_("No bonus")) : features);
  // TRANSLATORS: everything a game credited, rolls and gamble included.
  rows.push_back(platform::FillIn(_("Credited in all: %1"), {std::to_string(game.win)}));
  return rows;
}

std::vector<std::string> RecallSteps(const rules::GameRecord& game) {
  std::vector<std::string> steps;
  for (const rules::BetweenGames& b : game.between)
    steps.push_back(platform::FillIn(BetweenSentence(b.kind),
                                     {std::to_string(b.credits_before), std::to_string(b.credits_after)}));
  for (size_t t = 0; t < game.turns.size(); ++t) {
    const rules::TurnRecord& turn = game.turns[t];
    if (t > 0) {
      std::string lines;
      for (int line = 0; line < 8; ++line)
        if (turn.line_wins[line] > 0) lines += (lines.empty() ? "" : ", ") + std::to_string(line + 1);
      const TurnSentences sentences = TurnSentencesOf(turn.kind);
      steps.push_back(platform::FillIn(lines.empty() ? sentences.plain : sentences.with_lines,
                                       {std::to_string(t), std::to_string(turn.win), lines}));
    }
    for (const rules::GambleStep& s : game.gamble)
      if (s.after == static_cast<int>(t))
        // TRANSLATORS: a card turned at the Double or Nothing table: %1 the winnings at
        // stake, %2 the card ("Queen of Hearts"), %3 the winnings after it.
        steps.push_back(platform::FillIn(_("Double or Nothing (a gamble): %1 at stake, %2 turned, %3 left."),
                                         {std::to_string(s.stake), CardName(s.card), std::to_string(s.won)}));
  }
  if (steps.empty()) steps.push_back(_("No rolls and no gamble after the spin."));
  return steps;
}

void ShowGameRecall(machine::Machine& m, const std::vector<rules::GameRecord>& games, const view::Artwork& art,
                    int symbol_size) {
  if (games.empty()) {
    m.boxes.Information(_("No game has been played yet: the recall shows games once they have been played."));
    return;
  }
  RecallWindow window(m, games, art, symbol_size);
  window.ShowModal();
}

}  // namespace dialogs
