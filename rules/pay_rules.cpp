#include "rules/pay_rules.h"

#include <algorithm>
#include <string_view>

#include "platform/profile_file.h"
#include "platform/words.h"
#include "rules/money.h"
#include "rules/strips.h"

namespace rules {

using rules::SatAdd;
using rules::SatMul;

namespace {

bool Three(int a, int b, int c, int code) { return a == code && b == code && c == code; }
bool AllBars(int a, int b, int c) { return rules::IsBar(a) && rules::IsBar(b) && rules::IsBar(c); }

// Cherries count from the first cell on: a line that does not start with one pays
// nothing for them, wherever else they stand.
int32_t CherryPay(int a, int b, int c, int32_t three, int32_t two, int32_t one) {
  if (a != rules::Cherry) return 0;
  if (b != rules::Cherry) return one;
  return c == rules::Cherry ? three : two;
}

void AddEvent(SpinOutcome& out, EventKind kind, int32_t value) {
  if (out.EventCount < kMaxEvents) out.Events[out.EventCount++] = {kind, value};
}

void AddEntry(SpinOutcome& out, EntryKind kind, int32_t a, int32_t b) {
  if (out.EntryCount < kMaxEntries) out.Entries[out.EntryCount++] = {kind, a, b};
}

int PlayedLines(const SpinInput& in) { return std::clamp(in.LinesPlayed, 0, 8); }

int32_t Doubled(const SpinInput& in, int32_t amount) {
  return in.BonusLamp ? SatMul(amount, 2) : amount;
}

void PayLine(SpinOutcome& out, int line, int32_t pay) {
  out.LineWins[line] = pay;
  out.SpinWin = SatAdd(out.SpinWin, pay);
  if (pay <= 0) return;
  AddEntry(out, EntryKind::LinePaid, line + 1, pay);
  if (out.FirstWinItem < 0) out.FirstWinItem = line;
}

// Every step that leaves the meter at or below 0 earns a roll, so one line can earn
// several.
void CherryStep(SpinOutcome& out) {
  out.Cherries = SatAdd(out.Cherries, -1);
  AddEvent(out, EventKind::CherryStep, out.Cherries);
  if (out.Cherries <= 0) out.CherryRollsEarned = SatAdd(out.CherryRollsEarned, 1);
}

void MoveMeters(SpinOutcome& out, int a, int b, int c) {
  if (Three(a, b, c, rules::Cherry)) {
    for (int i = 0; i < 3; ++i) CherryStep(out);
  } else if (a == rules::Cherry && b == rules::Cherry) {
    CherryStep(out);
  } else if (Three(a, b, c, rules::Bell)) {
    out.Bells = SatAdd(out.Bells, -1);
    AddEvent(out, EventKind::BellLine, out.Bells);
  }
}

// With all eight lines played the window as a whole may pay, or feed the Bell Pool.
void PayScreenBonus(const SpinInput& in, SpinOutcome& out, int sevens, int fruit) {
  int32_t contribution = 0;
  if (sevens == 1 && in.Cells[4] == rules::Seven) contribution = 7;
  else if (sevens == 2) contribution = 10;

  int32_t bonus = 0;
  if (sevens >= 3) {
    bonus = SatMul(SatMul(SevensMultiplier(sevens), in.CoinsPerLine), in.LinesPlayed);
    out.ScreenBonusKind = sevens;
  }
  if (in.BonusLamp) {
    bonus = SatMul(bonus, 2);
    out.SkillStopWins = 1;
  }

  if (sevens >= 3) {
    AddEntry(out, EntryKind::SevensBonus, sevens, bonus);
    out.SevensWon = bonus;
  } else if (fruit == 9) {
    bonus = Doubled(in, SatMul(SatMul(20, in.CoinsPerLine), in.LinesPlayed));
    AddEntry(out, EntryKind::AllFruitBonus, 0, bonus);
    out.FruitWon = bonus;
    out.ScreenBonusKind = kScreenBonusAllFruit;
    AddEvent(out, EventKind::AllFruit, 0);
  } else if (contribution > 0) {
    // Never doubled and never paid out: it only grows the pool.
    out.BellPool = SatAdd(out.BellPool, contribution);
    AddEvent(out, EventKind::BellPoolAdded, out.BellPool);
    AddEntry(out, EntryKind::PoolAdded, contribution, 0);
  }
  out.SpinWin = SatAdd(out.SpinWin, bonus);
  if (out.ScreenBonusKind > 0 && out.FirstWinItem < 0) out.FirstWinItem = kResultItemScreen;
}

// One award however far the meter fell during the spin.
void AwardBellPool(const SpinInput& in, SpinOutcome& out) {
  for (int32_t v = 1; v <= kBellsFull; ++v) AddEvent(out, EventKind::BellRefill, v);
  out.Bells = kBellsFull;
  int32_t award = Doubled(in, out.BellPool);
  out.SpinWin = SatAdd(out.SpinWin, award);
  AddEntry(out, EntryKind::PoolWon, 0, award);
  out.BellPoolWon = award;
  out.BellPool = kBellPoolStart;
  AddEvent(out, EventKind::BellPoolReset, out.BellPool);
}

SpinOutcome EvaluateRegular(const SpinInput& in) {
  SpinOutcome out;
  out.Cherries = in.Cherries;
  out.Bells = in.Bells;
  out.BellPool = in.BellPool;
  const int32_t bet = SatMul(in.LinesPlayed, in.CoinsPerLine);
  if (in.BonusLamp) AddEntry(out, EntryKind::ReturnBet, bet, 0);

  int sevens = 0, fruit = 0;
  for (uint8_t code : in.Cells) {
    sevens += code == rules::Seven;
    fruit += rules::IsFruit(code);
  }

  for (int k = 0; k < PlayedLines(in); ++k) {
    int a = in.Cells[kPaylines[k][0]], b = in.Cells[kPaylines[k][1]], c = in.Cells[kPaylines[k][2]];
    MoveMeters(out, a, b, c);
    if (Three(a, b, c, rules::TripleBar)) out.BarRollsEarned = SatAdd(out.BarRollsEarned, kBarRollsPerLine);
    PayLine(out, k, Doubled(in, SatMul(RegularLineMultiplier(a, b, c), in.CoinsPerLine)));
  }

  if (in.LinesPlayed == 8) PayScreenBonus(in, out, sevens, fruit);
  if (out.Bells <= 0) AwardBellPool(in, out);
  if (out.Cherries <= 0) {
    for (int32_t v = 1; v <= kCherriesFull; ++v) AddEvent(out, EventKind::CherryRefill, v);
    out.Cherries = kCherriesFull;
  }
  if (in.BonusLamp) {
    out.ReturnedBet = bet;
    out.SpinWin = SatAdd(out.SpinWin, bet);
  }
  return out;
}

// A roll pays its own table and its roll Sevens, and leaves every meter alone.
SpinOutcome EvaluateRoll(SpinKind kind, const SpinInput& in) {
  SpinOutcome out;
  out.Cherries = in.Cherries;
  out.Bells = in.Bells;
  out.BellPool = in.BellPool;
  if (in.BonusLamp) AddEntry(out, EntryKind::RollDoubled, 0, 0);

  int32_t roll_sevens = 0;
  for (uint8_t code : in.Cells) roll_sevens += code == rules::RollSeven;

  for (int k = 0; k < PlayedLines(in); ++k) {
    int a = in.Cells[kPaylines[k][0]], b = in.Cells[kPaylines[k][1]], c = in.Cells[kPaylines[k][2]];
    int32_t multiplier = kind == SpinKind::CherryRoll ? CherryRollLineMultiplier(a, b, c)
                                                      : BarRollLineMultiplier(a, b, c);
    PayLine(out, k, Doubled(in, SatMul(multiplier, in.CoinsPerLine)));
  }

  // Roll Sevens pay wherever they stand, on every line bet.
  if (roll_sevens >= 1) {
    int32_t amount = SatMul(SatMul(SatMul(roll_sevens, 2), in.CoinsPerLine), in.LinesPlayed);
    amount = Doubled(in, amount);
    out.SpinWin = SatAdd(out.SpinWin, amount);
    AddEntry(out, EntryKind::RollSevens, roll_sevens, amount);
    if (out.FirstWinItem < 0) out.FirstWinItem = kResultItemScreen;
    out.ScreenBonusKind = kScreenBonusRollSevens;
  }
  return out;
}

}  // namespace

int32_t RegularLineMultiplier(int a, int b, int c) {
  if (Three(a, b, c, rules::Seven)) return 300;
  if (Three(a, b, c, rules::SingleBar)) return 150;
  if (Three(a, b, c, rules::DoubleBar)) return 100;
  if (Three(a, b, c, rules::TripleBar)) return 50;
  if (Three(a, b, c, rules::Orange)) return 20;
  if (Three(a, b, c, rules::Bell)) return 15;
  if (Three(a, b, c, rules::Grapes)) return 14;
  if (Three(a, b, c, rules::Lemon)) return 12;
  if (AllBars(a, b, c)) return 10;
  return CherryPay(a, b, c, 10, 5, 2);
}

int32_t CherryRollLineMultiplier(int a, int b, int c) {
  if (Three(a, b, c, rules::RollSeven)) return 50;
  return CherryPay(a, b, c, 20, 10, 5);
}

int32_t BarRollLineMultiplier(int a, int b, int c) {
  if (Three(a, b, c, rules::RollSeven)) return 50;
  if (Three(a, b, c, rules::SingleBar)) return 40;
  if (Three(a, b, c, rules::DoubleBar)) return 20;
  if (Three(a, b, c, rules::TripleBar)) return 10;
  if (AllBars(a, b, c)) return 5;
  return 0;
}

int32_t SevensMultiplier(int sevens) {
  static constexpr std::array<int32_t, 10> kBySevens{0, 0, 0, 2, 5, 10, 25, 50, 100, 200};
  return sevens >= 0 && sevens <= 9 ? kBySevens[sevens] : 0;
}

SpinOutcome EvaluateWindow(SpinKind kind, const SpinInput& in) {
  return kind == SpinKind::Regular ? EvaluateRegular(in) : EvaluateRoll(kind, in);
}

std::string SummaryText(const SpinOutcome& out) {
  if (out.EntryCount == 0) return "There were no winning lines on the last spin.";
  std::string s;
  for (int i = 0; i < out.EntryCount; ++i) {
    const Entry& e = out.Entries[i];
    std::string a = std::to_string(e.A), b = std::to_string(e.B);
    switch (e.Kind) {
      case EntryKind::ReturnBet:
        s.append("Return Bet of ").append(a).append(" Credits.\r\nAll Winnings Lines are Doubled.\r\n");
        break;
      case EntryKind::RollDoubled: s.append("All Winnings Lines are Doubled..\r\n"); break;
      case EntryKind::LinePaid: s.append("Line ").append(a).append(" paid ").append(b).append(".\r\n"); break;
      case EntryKind::SevensBonus:
        s.append("Screen Bonus for ").append(a).append(" Sevens paid ").append(b).append(".\r\n");
        break;
      case EntryKind::AllFruitBonus: s.append("Screen Bonus for All Fruit paid ").append(b).append(".\r\n"); break;
      case EntryKind::PoolAdded: s.append(a).append(" Credits were added to the Bell Pool.\r\n"); break;
      case EntryKind::PoolWon: s.append("Won the Bell Pool Worth ").append(b).append("\r\n"); break;
      case EntryKind::RollSevens: s.append(a).append(" Sevens Paid ").append(b).append(".\r\n"); break;
    }
  }
  // The summary box holds 255 characters; later entries are lost.
  if (s.size() > kSummaryLimit) s.resize(kSummaryLimit);
  return s;
}

// The same lines as SummaryText, each a whole sentence of the player's language. The
// English keeps one form for every number ("1 Sevens Paid 2."); other languages take
// the form their number needs.
std::string ShownSummaryText(const SpinOutcome& out) {
  if (out.EntryCount == 0) return _("There were no winning lines on the last spin.");
  std::string s;
  // The line ends are the box's, not the sentence's.
  auto line = [&s](std::string_view text) { s.append(text).append("\r\n"); };
  for (int i = 0; i < out.EntryCount; ++i) {
    const Entry& e = out.Entries[i];
    const std::string a = std::to_string(e.A), b = std::to_string(e.B);
    const unsigned long n = e.A > 0 ? static_cast<unsigned long>(e.A) : 0;
    switch (e.Kind) {
      case EntryKind::ReturnBet:
        // TRANSLATORS: the summary of a spin with the bonus lamp lit; %1 is the bet handed back.
        line(platform::FillIn(P_("Return Bet of %1 Credits.", "Return Bet of %1 Credits.", n), {a}));
        line(_("All Winnings Lines are Doubled."));
        break;
      case EntryKind::RollDoubled:
        // TRANSLATORS: the summary of a roll with the bonus lamp lit: the same as "All Winnings
        // Lines are Doubled."; the second full stop need not be kept.
        line(_("All Winnings Lines are Doubled.."));
        break;
      case EntryKind::LinePaid:
        // TRANSLATORS: the summary of a spin; %1 is a payline's number (1 to 8), %2 the credits it paid.
        line(platform::FillIn(_("Line %1 paid %2."), {a, b}));
        break;
      case EntryKind::SevensBonus:
        // TRANSLATORS: the summary of a spin; %1 is the Sevens in the window (3 to 9), %2 the credits.
        line(platform::FillIn(P_("Screen Bonus for %1 Sevens paid %2.", "Screen Bonus for %1 Sevens paid %2.", n),
                              {a, b}));
        break;
      case EntryKind::AllFruitBonus:
        // TRANSLATORS: the summary of a spin; %1 is the credits the bonus paid.
        line(platform::FillIn(_("Screen Bonus for All Fruit paid %1."), {b}));
        break;
      case EntryKind::PoolAdded:
        // TRANSLATORS: the summary of a spin; %1 is the credits the Bell Pool grew by (7 or 10).
        line(platform::FillIn(
            P_("%1 Credits were added to the Bell Pool.", "%1 Credits were added to the Bell Pool.", n), {a}));
        break;
      case EntryKind::PoolWon:
        // TRANSLATORS: the summary of a spin; %1 is the credits the Bell Pool paid.
        line(platform::FillIn(_("Won the Bell Pool Worth %1"), {b}));
        break;
      case EntryKind::RollSevens:
        // TRANSLATORS: the summary of a roll; %1 is the Roll Sevens in the window (1 to 9), %2 the
        // credits they paid.
        line(platform::FillIn(P_("%1 Sevens Paid %2.", "%1 Sevens Paid %2.", n), {a, b}));
        break;
    }
  }
  // The box holds 255 characters, whatever their language.
  return platform::CutToCharacters(s, kSummaryLimit);
}

}  // namespace rules
