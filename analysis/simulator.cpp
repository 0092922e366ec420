#include "analysis/simulator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <thread>
#include <vector>

#include "rules/money.h"
#include "rules/spin_rules.h"
#include "rules/strips.h"

namespace analysis {

using rules::SatAdd;
using rules::SatMul;

namespace {

constexpr int32_t kBorrowStep = 1000;
// Batches of at least this many spins, and at most this many batches a thread: long
// enough that the meters and the pool forget one batch before the next ends.
constexpr int64_t kMinBatch = 4096;
constexpr int64_t kBatchesPerThread = 200;

// Where each tally goes in the report, by figure and item; -1 where the bet has no
// such figure. Flat, for it is read a dozen times a spin.
class Slots {
 public:
  explicit Slots(const std::vector<Figure>& layout) {
    for (auto& items : at_) items.fill(-1);
    for (size_t i = 0; i < layout.size(); ++i)
      at_[static_cast<size_t>(layout[i].Id)][static_cast<size_t>(layout[i].Item)] = static_cast<int>(i);
  }

  int operator()(FigureId id, int item = 0) const {
    return at_[static_cast<size_t>(id)][static_cast<size_t>(item)];
  }

 private:
  // An item is a combination, numbered in a uint8_t, or a count of Sevens.
  std::array<std::array<int, 256>, kFigures.size()> at_{};
};

// Per symbol: 1 for a Seven, 2 for a cell that is not fruit.
const std::array<uint8_t, rules::kSymbolCount> kCellMarks = [] {
  std::array<uint8_t, rules::kSymbolCount> marks{};
  for (int code = 0; code < rules::kSymbolCount; ++code)
    marks[code] = static_cast<uint8_t>((code == rules::Seven) | (rules::IsFruit(code) ? 0 : 2));
  return marks;
}();

// The regular spin through the tables; inline, for it runs once a spin.
inline RegularPlay PlayWindow(const MachineTables& t, const Window& cells, bool lamp, Meters& meters) {
  RegularPlay r;
  const int32_t factor = lamp ? t.LampFactor : 1;
  int steps = 0, bell_lines = 0;
  int32_t win = 0;
  for (int k = 0; k < t.LinesPlayed; ++k) {
    const auto& line = rules::kPaylines[k];
    const LineEffect& e = t.RegularLines.At(cells[line[0]], cells[line[1]], cells[line[2]]);
    steps += e.CherrySteps;
    bell_lines += e.BellLines;
    r.BarRolls += e.BarRolls;
    r.LineWins[k] = e.Multiplier * t.CoinsPerLine * factor;
    r.LineCombination[k] = e.Combination;
    win += r.LineWins[k];
  }
  int nonfruit = 0;
  for (uint8_t code : cells) {
    r.Sevens += kCellMarks[code] & 1;
    nonfruit |= kCellMarks[code] >> 1;
  }
  const ScreenEffect& screen = t.Screen[r.Sevens][nonfruit][cells[4] == rules::Seven];
  r.SevensBonus = SatMul(screen.SevensBonus, factor);
  r.FruitBonus = SatMul(screen.FruitBonus, factor);
  meters.BellPool = SatAdd(meters.BellPool, screen.Contribution);
  const MeterMove& move = t.Move(meters.Cherries, meters.Bells, steps, bell_lines);
  meters.Cherries = static_cast<int32_t>(move.Cherries);
  meters.Bells = static_cast<int32_t>(move.Bells);
  r.CherryRolls = static_cast<int32_t>(move.CherryRolls);
  if (move.PoolWon) {
    r.PoolWon = SatMul(meters.BellPool, factor);
    meters.BellPool = t.BellPoolStart;
  }
  if (lamp) r.ReturnedBet = t.ReturnedBet;
  r.Win = SatAdd(SatAdd(SatAdd(SatAdd(win, r.SevensBonus), r.FruitBonus), r.PoolWon), r.ReturnedBet);
  return r;
}

struct Batch {
  int64_t spins = 0, cherry_rolls = 0, bar_rolls = 0;
  double win = 0, win_square = 0;
  std::vector<double> sums;
};

// One thread's game: its generator, meters and money, and the tallies of its batches.
class Player {
 public:
  Player(const MachineTables& t, const LampTable& lamps, const Slots& slots, size_t figures,
         platform::Rng rng, bool full)
      : t_(t), lamps_(lamps), slots_(slots), rng_(rng), full_(full), events_(figures, 0), figures_(figures) {
    cherry_strips_.fill(t.CherryRollStrip);
    bar_strips_.fill(t.BarRollStrip);
  }

  void PlayBatch(int64_t spins) {
    batch_ = Batch{};
    batch_.sums.assign(figures_, 0);
    for (int64_t i = 0; i < spins; ++i) Spin();
    batches_.push_back(std::move(batch_));
  }

  const std::vector<Batch>& Batches() const { return batches_; }
  const std::vector<int64_t>& Events() const { return events_; }
  const Accounts& Money() const { return money_; }
  int64_t LargestWin() const { return largest_; }

 private:
  void Add(int slot, double value) {
    if (value == 0 || slot < 0) return;
    batch_.sums[slot] += value;
    events_[slot] += 1;
  }

  bool Draw(const std::array<rules::Strip, 9>& strips, Window& cells) {
    const rules::SpinSetup s = rules::DrawSpinSetup(rng_);
    for (int w = 0; w < 9; ++w) cells[w] = strips[w][s.Stops[w]];
    return lamps_[s.ChaserDir == 1][s.ChaserPos];
  }

  void Spin() {
    const int32_t bet = t_.Bet;
    while (money_.Credits < bet) {
      money_.Credits += kBorrowStep;
      money_.Borrowed += kBorrowStep;
    }
    money_.Credits -= bet;
    money_.TotalBets += bet;

    Window cells;
    const bool lamp = Draw(t_.RegularStrips, cells);
    const RegularPlay r = full_ ? PlayRegularFull(t_, cells, lamp, meters_) : PlayWindow(t_, cells, lamp, meters_);
    const Slots& s = slots_;
    for (int k = 0; k < t_.LinesPlayed; ++k) {
      const int c = r.LineCombination[k];
      if (c == 0) continue;
      Add(s(FigureId::LineReturn, c), r.LineWins[k]);
      Add(s(FigureId::LineOdds, c), 1);
    }
    Add(s(FigureId::SevensBonusReturn), r.SevensBonus);
    if (r.SevensBonus > 0) Add(s(FigureId::SevensOdds, r.Sevens), 1);
    Add(s(FigureId::AllFruitReturn), r.FruitBonus);
    if (r.FruitBonus > 0) Add(s(FigureId::AllFruitOdds), 1);
    Add(s(FigureId::BellPoolReturn), r.PoolWon);
    if (r.PoolWon > 0) Add(s(FigureId::BellPoolOdds), 1);
    Add(s(FigureId::ReturnedBet), r.ReturnedBet);
    Add(s(FigureId::CherryRollsPerSpin), r.CherryRolls);
    Add(s(FigureId::BarRollsPerSpin), r.BarRolls);
    Add(s(FigureId::CherryRollsEarned), r.CherryRolls > 0);
    Add(s(FigureId::BarRollsEarned), r.BarRolls > 0);

    // The roll loop: Bar Rolls first, then Cherry Rolls.
    int64_t bar_win = 0, cherry_win = 0;
    for (int32_t i = 0; i < r.BarRolls; ++i) bar_win += Roll(rules::SpinKind::BarRoll);
    for (int32_t i = 0; i < r.CherryRolls; ++i) cherry_win += Roll(rules::SpinKind::CherryRoll);
    Add(s(FigureId::BarRollsReturn), static_cast<double>(bar_win));
    Add(s(FigureId::CherryRollsReturn), static_cast<double>(cherry_win));

    const int64_t win = r.Win + bar_win + cherry_win;
    money_.Credits += win;
    money_.TotalPaid += win;
    largest_ = std::max(largest_, win);
    Add(s(FigureId::Rtp), static_cast<double>(win));
    Add(s(FigureId::HitFrequency), win > 0);
    Add(s(FigureId::BonusLamp), lamp);
    batch_.spins += 1;
    batch_.win += static_cast<double>(win);
    batch_.win_square += static_cast<double>(win) * static_cast<double>(win);
  }

  int64_t Roll(rules::SpinKind kind) {
    const bool cherry = kind == rules::SpinKind::CherryRoll;
    Window cells;
    const bool lamp = Draw(cherry ? cherry_strips_ : bar_strips_, cells);
    const RollPlay r = full_ ? PlayRollFull(t_, kind, cells, lamp) : PlayRoll(t_, kind, cells, lamp);
    const FigureId line_odds = cherry ? FigureId::CherryRollLineOdds : FigureId::BarRollLineOdds;
    for (int k = 0; k < t_.LinesPlayed; ++k)
      if (r.LineCombination[k] != 0) Add(slots_(line_odds, r.LineCombination[k]), 1);
    Add(slots_(cherry ? FigureId::CherryRollSevensOdds : FigureId::BarRollSevensOdds), r.SevensPaid > 0);
    (cherry ? batch_.cherry_rolls : batch_.bar_rolls) += 1;
    return r.Win;
  }

  const MachineTables& t_;
  const LampTable& lamps_;
  const Slots& slots_;
  platform::Rng rng_;
  bool full_;
  std::array<rules::Strip, 9> cherry_strips_{}, bar_strips_{};
  Meters meters_;
  Accounts money_;
  int64_t largest_ = 0;
  std::vector<int64_t> events_;
  size_t figures_;
  Batch batch_;
  std::vector<Batch> batches_;
};

double BasisCount(const Batch& b, Basis per, int32_t lines) {
  switch (per) {
    case Basis::Spin: return static_cast<double>(b.spins);
    case Basis::Line: return static_cast<double>(b.spins) * lines;
    case Basis::CherryRoll: return static_cast<double>(b.cherry_rolls);
    case Basis::CherryRollLine: return static_cast<double>(b.cherry_rolls) * lines;
    case Basis::BarRoll: return static_cast<double>(b.bar_rolls);
    case Basis::BarRollLine: return static_cast<double>(b.bar_rolls) * lines;
  }
  return 0;
}

double Scale(Measure unit, int32_t bet) {
  switch (unit) {
    case Measure::PercentOfBet: return 100.0 / bet;
    case Measure::Percent: return 100.0;
    default: return 1.0;
  }
}

// A ratio of sums with its interval from the spread of the batches around it.
void RatioFigure(Figure& f, const std::vector<const Batch*>& batches, size_t slot, int32_t lines, double scale,
                 double quantile) {
  double num = 0, den = 0;
  for (const Batch* b : batches) {
    num += b->sums[slot];
    den += BasisCount(*b, f.Per(), lines);
  }
  if (den <= 0) {
    f.Value = 0;
    return;
  }
  const double ratio = num / den;
  f.Value = scale * ratio;
  const size_t n = batches.size();
  if (n < 2) return;
  const double mean_den = den / static_cast<double>(n);
  double ss = 0;
  for (const Batch* b : batches) {
    const double d = (b->sums[slot] - ratio * BasisCount(*b, f.Per(), lines)) / mean_den;
    ss += d * d;
  }
  const double half = quantile * scale * std::sqrt(ss / static_cast<double>(n - 1) / static_cast<double>(n));
  f.Low = f.Value - half;
  f.High = f.Value + half;
}

// The standard deviation of the win per spin, with an interval for its square from
// the batches (delta method on the first two moments).
void VolatilityFigure(Figure& f, const std::vector<const Batch*>& batches, double quantile) {
  double spins = 0, win = 0, square = 0;
  for (const Batch* b : batches) {
    spins += static_cast<double>(b->spins);
    win += b->win;
    square += b->win_square;
  }
  if (spins <= 0) return;
  const double m1 = win / spins, m2 = square / spins;
  const double variance = m2 - m1 * m1;
  f.Value = std::sqrt(std::max(0.0, variance));
  const size_t n = batches.size();
  if (n < 2) return;
  const double mean_spins = spins / static_cast<double>(n);
  double ss = 0;
  for (const Batch* b : batches) {
    const double n_b = static_cast<double>(b->spins);
    const double d = ((b->win_square - m2 * n_b) - 2 * m1 * (b->win - m1 * n_b)) / mean_spins;
    ss += d * d;
  }
  const double half = quantile * std::sqrt(ss / static_cast<double>(n - 1) / static_cast<double>(n));
  f.Low = std::sqrt(std::max(0.0, variance - half));
  f.High = std::sqrt(std::max(0.0, variance + half));
}

RegularPlay FromOutcome(const MachineTables& t, const Window& cells, const rules::SpinOutcome& out) {
  RegularPlay r;
  for (int k = 0; k < t.LinesPlayed; ++k) {
    const auto& line = rules::kPaylines[k];
    r.LineWins[k] = out.LineWins[k];
    r.LineCombination[k] = t.RegularLines.At(cells[line[0]], cells[line[1]], cells[line[2]]).Combination;
  }
  r.SevensBonus = out.SevensWon;
  r.FruitBonus = out.FruitWon;
  r.PoolWon = out.BellPoolWon;
  r.ReturnedBet = out.ReturnedBet;
  r.Win = out.SpinWin;
  r.CherryRolls = out.CherryRollsEarned;
  r.BarRolls = out.BarRollsEarned;
  r.Sevens = static_cast<int>(std::count(cells.begin(), cells.end(), rules::Seven));
  return r;
}


}  // namespace

RegularPlay PlayRegular(const MachineTables& t, const Window& cells, bool lamp, Meters& meters) {
  return PlayWindow(t, cells, lamp, meters);
}

RollPlay PlayRoll(const MachineTables& t, rules::SpinKind kind, const Window& cells, bool lamp) {
  const bool cherry = kind == rules::SpinKind::CherryRoll;
  const LineTable& table = cherry ? t.CherryRollLines : t.BarRollLines;
  const int32_t factor = lamp ? t.LampFactor : 1;
  RollPlay r;
  for (int k = 0; k < t.LinesPlayed; ++k) {
    const auto& line = rules::kPaylines[k];
    const LineEffect& e = table.At(cells[line[0]], cells[line[1]], cells[line[2]]);
    r.LineWins[k] = e.Multiplier * t.CoinsPerLine * factor;
    r.LineCombination[k] = e.Combination;
    r.Win += r.LineWins[k];
  }
  const auto sevens = std::count(cells.begin(), cells.end(), rules::RollSeven);
  r.SevensPaid = SatMul((cherry ? t.CherryRollSevens : t.BarRollSevens)[sevens], factor);
  r.Win = SatAdd(r.Win, r.SevensPaid);
  return r;
}

RegularPlay PlayRegularFull(const MachineTables& t, const Window& cells, bool lamp, Meters& meters) {
  rules::SpinInput in;
  in.Cells = cells;
  in.LinesPlayed = t.LinesPlayed;
  in.CoinsPerLine = t.CoinsPerLine;
  in.BonusLamp = lamp;
  in.Cherries = meters.Cherries;
  in.Bells = meters.Bells;
  in.BellPool = meters.BellPool;
  const rules::SpinOutcome out = rules::EvaluateWindow(rules::SpinKind::Regular, in);
  meters.Cherries = out.Cherries;
  meters.Bells = out.Bells;
  meters.BellPool = out.BellPool;
  return FromOutcome(t, cells, out);
}

RollPlay PlayRollFull(const MachineTables& t, rules::SpinKind kind, const Window& cells, bool lamp) {
  rules::SpinInput in;
  in.Cells = cells;
  in.LinesPlayed = t.LinesPlayed;
  in.CoinsPerLine = t.CoinsPerLine;
  in.BonusLamp = lamp;
  const rules::SpinOutcome out = rules::EvaluateWindow(kind, in);
  const LineTable& table = kind == rules::SpinKind::CherryRoll ? t.CherryRollLines : t.BarRollLines;
  RollPlay r;
  int32_t lines = 0;
  for (int k = 0; k < t.LinesPlayed; ++k) {
    const auto& line = rules::kPaylines[k];
    r.LineWins[k] = out.LineWins[k];
    r.LineCombination[k] = table.At(cells[line[0]], cells[line[1]], cells[line[2]]).Combination;
    lines += out.LineWins[k];
  }
  r.Win = out.SpinWin;
  r.SevensPaid = out.SpinWin - lines;
  return r;
}

platform::Rng ThreadRng(uint64_t seed, int index) {
  uint64_t z = seed + 0x9E3779B97F4A7C15ULL * (static_cast<uint64_t>(index) + 1);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return platform::Rng(z ^ (z >> 31));
}

double NormalQuantile(double confidence) {
  // P(|Z| <= x) = erf(x / sqrt 2) rises with x; halve the bracket until it is tight.
  double low = 0, high = 40;
  for (int i = 0; i < 200; ++i) {
    const double mid = (low + high) / 2;
    (std::erf(mid / std::numbers::sqrt2) < confidence ? low : high) = mid;
  }
  return (low + high) / 2;
}

double StudentQuantile(double confidence, int64_t df) {
  if (df <= 0) return std::numeric_limits<double>::quiet_NaN();
  if (df == 1) return std::tan(std::numbers::pi / 2 * confidence);
  const double upper = (1 + confidence) / 2;
  if (df == 2) return (2 * upper - 1) / std::sqrt(2 * upper * (1 - upper));
  // Cornish-Fisher expansion about the normal quantile.
  const double z = NormalQuantile(confidence), v = static_cast<double>(df);
  const double z2 = z * z, z3 = z2 * z, z5 = z3 * z2, z7 = z5 * z2, z9 = z7 * z2;
  return z + (z3 + z) / (4 * v) + (5 * z5 + 16 * z3 + 3 * z) / (96 * v * v) +
         (3 * z7 + 19 * z5 + 17 * z3 - 15 * z) / (384 * v * v * v) +
         (79 * z9 + 776 * z7 + 1482 * z5 - 1920 * z3 - 945 * z) / (92160 * v * v * v * v);
}

SimResult Simulate(const MachineTables& t, const SimOptions& o) {
  if (o.Spins < 0 || o.Threads < 1) throw std::invalid_argument("spins and threads must be positive");
  if (o.LinesPlayed != t.LinesPlayed || o.CoinsPerLine != t.CoinsPerLine)
    throw std::invalid_argument("tables derived for another bet");
  const LampTable lamps = BonusLampTable(o.Skill);
  SimResult result;
  result.Figures.LinesPlayed = t.LinesPlayed;
  result.Figures.CoinsPerLine = t.CoinsPerLine;
  result.Figures.Bet = t.Bet;
  result.Figures.Skill = o.Skill;
  result.Figures.Figures = ReportLayout(t);
  result.Seed = o.Seed;
  result.Threads = o.Threads;
  std::vector<Figure>& figures = result.Figures.Figures;
  const Slots slots(figures);

  std::vector<Player> players;
  players.reserve(o.Threads);
  for (int i = 0; i < o.Threads; ++i)
    players.emplace_back(t, lamps, slots, figures.size(), ThreadRng(o.Seed, i), o.FullEvaluation);
  auto play = [&](int i) {
    const int64_t spins = o.Spins / o.Threads + (i < o.Spins % o.Threads);
    const int64_t batches = std::clamp<int64_t>(spins / kMinBatch, 1, kBatchesPerThread);
    for (int64_t b = 0; b < batches; ++b) players[i].PlayBatch(spins / batches + (b < spins % batches));
  };
  const auto start = std::chrono::steady_clock::now();
  if (o.Threads == 1) {
    play(0);
  } else {
    std::vector<std::thread> threads;
    threads.reserve(static_cast<size_t>(o.Threads));
    for (int i = 0; i < o.Threads; ++i) threads.emplace_back(play, i);
    for (auto& th : threads) th.join();
  }
  result.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::vector<const Batch*> batches;
  std::vector<int64_t> events(figures.size(), 0);
  for (const Player& p : players) {
    for (const Batch& b : p.Batches()) {
      if (b.spins == 0) continue;
      batches.push_back(&b);
      result.Spins += b.spins;
      result.CherryRolls += b.cherry_rolls;
      result.BarRolls += b.bar_rolls;
    }
    for (size_t i = 0; i < events.size(); ++i) events[i] += p.Events()[i];
    const Accounts& a = p.Money();
    result.Balanced = result.Balanced && a.Balanced();
    result.Money.Credits += a.Credits;
    result.Money.Borrowed += a.Borrowed;
    result.Money.TotalBets += a.TotalBets;
    result.Money.TotalPaid += a.TotalPaid;
    result.LargestWin = std::max(result.LargestWin, p.LargestWin());
  }

  const double quantile = batches.size() >= 2 ? StudentQuantile(o.Confidence, static_cast<int64_t>(batches.size()) - 1)
                                              : std::numeric_limits<double>::quiet_NaN();
  for (size_t i = 0; i < figures.size(); ++i) {
    Figure& f = figures[i];
    f.Events = events[i];
    if (f.Id == FigureId::Volatility) {
      VolatilityFigure(f, batches, quantile);
      f.Events = result.Spins;
    } else {
      RatioFigure(f, batches, i, t.LinesPlayed, Scale(f.Unit(), t.Bet), quantile);
    }
  }
  return result;
}

}  // namespace analysis
