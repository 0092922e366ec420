#include "analysis/par_sheet.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

#include "rules/spin_rules.h"
#include "rules/strips.h"
#include "rules/rolls.h"

namespace analysis {

namespace {

// Meters so full that no spin can empty them: what a window does to them is then
// simply the difference.
constexpr int32_t kDeepMeter = 1000;

// ---------------------------------------------------------------------------------------
// Names for the sheet.

// A paying line named by what it shows: three alike, a mix of bars, or the cherries it
// starts with. Only names; what it pays always comes from the game's multipliers.
Combination NameLine(int a, int b, int c, int32_t multiplier) {
  if (a == b && b == c)
    return {std::string("three_") + rules::kSymbolNames[a].Key, std::string("3 ") + rules::kSymbolNames[a].Plural, multiplier};
  if (rules::IsBar(a) && rules::IsBar(b) && rules::IsBar(c)) return {"any_bars", "Any 3 BARs", multiplier};
  if (a == rules::Cherry && b == rules::Cherry) return {"two_cherries", "Cherry Cherry -", multiplier};
  if (a == rules::Cherry) return {"one_cherry", "Cherry - -", multiplier};
  return {"other", "Other line", multiplier};
}

int32_t LineMultiplier(rules::SpinKind kind, int a, int b, int c) {
  switch (kind) {
    case rules::SpinKind::Regular: return rules::RegularLineMultiplier(a, b, c);
    case rules::SpinKind::CherryRoll: return rules::CherryRollLineMultiplier(a, b, c);
    case rules::SpinKind::BarRoll: return rules::BarRollLineMultiplier(a, b, c);
  }
  return 0;
}

rules::SpinInput Blank(int32_t lines, int32_t coins) {
  rules::SpinInput in;
  in.Cells.fill(rules::Clover);
  in.LinesPlayed = lines;
  in.CoinsPerLine = coins;
  return in;
}

int32_t LineSum(const rules::SpinOutcome& out) {
  int32_t sum = 0;
  for (int32_t w : out.LineWins) sum += w;
  return sum;
}

// ---------------------------------------------------------------------------------------
// The window's distribution.

struct CellOdds {
  std::array<double, rules::kSymbolCount> P{};
  std::vector<uint8_t> Shown;  // the symbols the wheel can show
};
using WindowOdds = std::array<CellOdds, 9>;

CellOdds OddsOf(const rules::Strip& strip) {
  CellOdds odds;
  for (uint8_t code : strip) odds.P[code] += 1.0 / static_cast<double>(strip.size());
  for (int code = 0; code < rules::kSymbolCount; ++code)
    if (odds.P[code] > 0) odds.Shown.push_back(static_cast<uint8_t>(code));
  return odds;
}

WindowOdds OddsOf(const std::array<rules::Strip, 9>& strips) {
  WindowOdds odds;
  for (int w = 0; w < 9; ++w) odds[w] = OddsOf(strips[w]);
  return odds;
}

WindowOdds SameOdds(const rules::Strip& strip) {
  WindowOdds odds;
  odds.fill(OddsOf(strip));
  return odds;
}

// Probability of a set of windows with the sum and square sum of their line
// multipliers, and the probability that no line of them pays.
struct Mass {
  double p = 0, a = 0, aa = 0, zero = 0;
};

// What a part of the window adds to the whole: cherry steps, Bell lines, lines that earn
// Bar Rolls, Sevens, and whether some cell is not fruit.
struct Part {
  int steps = 0, bells = 0, bars = 0, sevens = 0, nonfruit = 0;
};

constexpr int kStepsDim = kMaxSteps + 1, kBellsDim = kMaxBellLines + 1, kBarsDim = 9, kSevensDim = 10;
constexpr int kWindowCells = kStepsDim * kBellsDim * kBarsDim * kSevensDim * 2 * 2;

int WindowIndex(const Part& p, int centre) {
  return ((((p.steps * kBellsDim + p.bells) * kBarsDim + p.bars) * kSevensDim + p.sevens) * 2 +
          p.nonfruit) * 2 + centre;
}

Part PartOfIndex(int index, int& centre) {
  Part p;
  centre = index % 2;
  index /= 2;
  p.nonfruit = index % 2;
  index /= 2;
  p.sevens = index % kSevensDim;
  index /= kSevensDim;
  p.bars = index % kBarsDim;
  index /= kBarsDim;
  p.bells = index % kBellsDim;
  p.steps = index / kBellsDim;
  return p;
}

// The windows that share one sum of parts and centre.
struct WindowEntry {
  Part part;
  int centre = 0;
  Mass mass;
};

// The cells outside the corners and the centre come in two pairs, {1, 7} and {3, 5};
// every line uses at most one of the pairs. With the corners and centre fixed, the two
// pairs are independent, so the window is summed pair by pair instead of cell by cell.
constexpr std::array<std::array<int, 2>, 2> kPairs{{{1, 7}, {3, 5}}};
constexpr std::array<int, 5> kHub{0, 2, 4, 6, 8};

// Up to three lines per pair: steps 0..9, Bell lines 0..3, Bar lines 0..3, Sevens 0..2.
constexpr int kPairCells = 10 * 4 * 4 * 3 * 2;

class PairSums {
 public:
  struct Entry {
    Part part;
    Mass mass;
  };

  // The pair's lines: those through its first cell only, its second only, or both.
  void SetLines(const std::vector<int>& lines, const std::array<int, 2>& pair) {
    for (int k : lines) {
      const auto& line = rules::kPaylines[k];
      const bool first = std::find(line.begin(), line.end(), pair[0]) != line.end();
      const bool second = std::find(line.begin(), line.end(), pair[1]) != line.end();
      (first && second ? both_ : first ? first_ : second_).push_back(k);
    }
    pair_ = pair;
  }

  void Build(const WindowOdds& odds, const LineTable& table, std::array<uint8_t, 9>& cells, uint8_t seven) {
    entries.clear();
    // What each symbol does on its own lines, worked out once per symbol.
    for (int i = 0; i < 2; ++i)
      for (uint8_t x : odds[pair_[i]].Shown) {
        cells[pair_[i]] = x;
        Single& one = single_[i][x];
        one = {};
        for (int k : i == 0 ? first_ : second_) AddLine(table, cells, k, one.part, one.a);
        one.part.sevens = x == seven;
        one.part.nonfruit = !rules::IsFruit(x);
      }
    for (uint8_t x : odds[pair_[0]].Shown) {
      cells[pair_[0]] = x;
      const Single& sx = single_[0][x];
      for (uint8_t y : odds[pair_[1]].Shown) {
        cells[pair_[1]] = y;
        const Single& sy = single_[1][y];
        Part part;
        part.steps = sx.part.steps + sy.part.steps;
        part.bells = sx.part.bells + sy.part.bells;
        part.bars = sx.part.bars + sy.part.bars;
        part.sevens = sx.part.sevens + sy.part.sevens;
        part.nonfruit = sx.part.nonfruit | sy.part.nonfruit;
        double a = sx.a + sy.a;
        for (int k : both_) AddLine(table, cells, k, part, a);
        const int index =
            (((part.steps * 4 + part.bells) * 4 + part.bars) * 3 + part.sevens) * 2 + part.nonfruit;
        const double p = odds[pair_[0]].P[x] * odds[pair_[1]].P[y];
        Mass& m = dense_[index];
        if (m.p == 0) {
          touched_.push_back(index);
          parts_[index] = part;
        }
        m.p += p;
        m.a += p * a;
        m.aa += p * a * a;
        if (a == 0) m.zero += p;
      }
    }
    for (int index : touched_) {
      entries.push_back({parts_[index], dense_[index]});
      dense_[index] = {};
    }
    touched_.clear();
  }

  static void AddLine(const LineTable& table, const std::array<uint8_t, 9>& cells, int k, Part& part,
                      double& a) {
    const auto& line = rules::kPaylines[k];
    const LineEffect& e = table.At(cells[line[0]], cells[line[1]], cells[line[2]]);
    a += e.Multiplier;
    part.steps += e.CherrySteps;
    part.bells += e.BellLines;
    part.bars += e.BarRolls > 0;
  }

  std::vector<Entry> entries;

 private:
  struct Single {
    Part part;
    double a = 0;
  };
  std::array<int, 2> pair_{};
  std::vector<int> first_, second_, both_;
  std::array<std::array<Single, rules::kSymbolCount>, 2> single_{};
  std::array<Mass, kPairCells> dense_{};
  std::array<Part, kPairCells> parts_{};
  std::vector<int> touched_;
};

// Every window of the played lines, summed by what matters beyond the line pays.
std::vector<WindowEntry> EnumerateWindows(const WindowOdds& odds, const LineTable& table, int played,
                                          uint8_t seven) {
  std::vector<int> hub_lines;
  std::array<std::vector<int>, 2> pair_lines;
  for (int k = 0; k < played; ++k) {
    int pair = -1;
    for (int cell : rules::kPaylines[k])
      for (int i = 0; i < 2; ++i)
        if (cell == kPairs[i][0] || cell == kPairs[i][1]) {
          if (pair >= 0 && pair != i) throw std::logic_error("a payline crosses both cell pairs");
          pair = i;
        }
    (pair < 0 ? hub_lines : pair_lines[pair]).push_back(k);
  }

  std::vector<Mass> table_out(kWindowCells);
  std::array<PairSums, 2> sums;
  for (int i = 0; i < 2; ++i) sums[i].SetLines(pair_lines[i], kPairs[i]);
  std::array<uint8_t, 9> cells{};
  std::array<size_t, 5> at{};
  // An odometer over the five hub cells.
  while (true) {
    double ph = 1;
    Part hub;
    for (int i = 0; i < 5; ++i) {
      const int w = kHub[i];
      cells[w] = odds[w].Shown[at[i]];
      ph *= odds[w].P[cells[w]];
      hub.sevens += cells[w] == seven;
      hub.nonfruit |= !rules::IsFruit(cells[w]);
    }
    double ah = 0;
    for (int k : hub_lines) PairSums::AddLine(table, cells, k, hub, ah);
    const int centre = cells[4] == seven;
    for (auto& sum : sums) sum.Build(odds, table, cells, seven);

    for (const auto& e1 : sums[0].entries) {
      for (const auto& e2 : sums[1].entries) {
        Part all;
        all.steps = hub.steps + e1.part.steps + e2.part.steps;
        all.bells = hub.bells + e1.part.bells + e2.part.bells;
        all.bars = hub.bars + e1.part.bars + e2.part.bars;
        all.sevens = hub.sevens + e1.part.sevens + e2.part.sevens;
        all.nonfruit = hub.nonfruit | e1.part.nonfruit | e2.part.nonfruit;
        const Mass& m1 = e1.mass;
        const Mass& m2 = e2.mass;
        const double p12 = m1.p * m2.p;
        const double cross = m1.a * m2.p + m1.p * m2.a;
        Mass& m = table_out[WindowIndex(all, centre)];
        m.p += ph * p12;
        m.a += ph * (ah * p12 + cross);
        m.aa += ph * (ah * ah * p12 + m1.aa * m2.p + m1.p * m2.aa + 2 * ah * cross + 2 * m1.a * m2.a);
        if (ah == 0) m.zero += ph * m1.zero * m2.zero;
      }
    }

    int i = 0;
    while (i < 5 && ++at[i] == odds[kHub[i]].Shown.size()) at[i++] = 0;
    if (i == 5) break;
  }
  std::vector<WindowEntry> entries;
  for (int index = 0; index < kWindowCells; ++index) {
    if (table_out[index].p == 0) continue;
    WindowEntry e;
    e.part = PartOfIndex(index, e.centre);
    e.mass = table_out[index];
    entries.push_back(e);
  }
  return entries;
}

// Expected pay of one roll (lines and roll Sevens, lamp aside), its square, and the
// chance it pays nothing.
struct RollMoments {
  double mean = 0, square = 0, zero = 0, sevens_pay = 0;
};

RollMoments RollWindowMoments(const std::vector<WindowEntry>& windows,
                              const std::array<int32_t, 10>& sevens, int32_t coins) {
  RollMoments r;
  for (const WindowEntry& e : windows) {
    const Mass& m = e.mass;
    const double s = sevens[e.part.sevens];
    r.mean += coins * m.a + s * m.p;
    r.square += double(coins) * coins * m.aa + 2 * coins * s * m.a + s * s * m.p;
    if (s == 0) r.zero += m.zero;
    else r.sevens_pay += m.p;
  }
  return r;
}

// Chance and summed multiplier of each combination on the played lines, summed over
// the lines.
struct LineOdds {
  std::vector<double> chance, multiplier;
};

LineOdds CombinationOdds(const WindowOdds& odds, const LineTable& table, int played) {
  LineOdds out;
  out.chance.assign(table.Combinations.size(), 0);
  out.multiplier.assign(table.Combinations.size(), 0);
  for (int k = 0; k < played; ++k) {
    const auto& line = rules::kPaylines[k];
    for (uint8_t a : odds[line[0]].Shown)
      for (uint8_t b : odds[line[1]].Shown)
        for (uint8_t c : odds[line[2]].Shown) {
          const LineEffect& e = table.At(a, b, c);
          const double p = odds[line[0]].P[a] * odds[line[1]].P[b] * odds[line[2]].P[c];
          out.chance[e.Combination] += p;
          out.multiplier[e.Combination] += p * e.Multiplier;
        }
  }
  return out;
}

// ---------------------------------------------------------------------------------------
// Linear algebra for the meters' chain: a dozen and a half unknowns.

std::vector<double> Solve(std::vector<std::vector<double>> a, std::vector<double> b) {
  const size_t n = b.size();
  for (size_t col = 0; col < n; ++col) {
    size_t pivot = col;
    for (size_t r = col + 1; r < n; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (std::fabs(a[pivot][col]) < 1e-300) throw std::logic_error("singular meter chain");
    std::swap(a[pivot], a[col]);
    std::swap(b[pivot], b[col]);
    for (size_t r = 0; r < n; ++r) {
      if (r == col) continue;
      const double f = a[r][col] / a[col][col];
      if (f == 0) continue;
      for (size_t c = col; c < n; ++c) a[r][c] -= f * a[col][c];
      b[r] -= f * b[col];
    }
  }
  for (size_t r = 0; r < n; ++r) b[r] /= a[r][r];
  return b;
}

constexpr int kStates = rules::kCherriesFull * rules::kBellsFull;
int StateOf(int cherries, int bells) { return (cherries - 1) * rules::kBellsFull + (bells - 1); }

// The long-run chance of each meter state before a regular spin: the stationary
// distribution of the chain the cherry steps and Bell lines drive.
std::vector<double> StationaryMeters(const MachineTables& t, const std::map<std::pair<int, int>, double>& steps) {
  std::vector<std::vector<double>> a(kStates, std::vector<double>(kStates, 0));
  for (int c = 1; c <= rules::kCherriesFull; ++c)
    for (int b = 1; b <= rules::kBellsFull; ++b)
      for (const auto& [kl, chance] : steps) {
        const MeterMove& mv = t.Move(c, b, kl.first, kl.second);
        a[StateOf(mv.Cherries, mv.Bells)][StateOf(c, b)] += chance;
      }
  // pi = P pi, with one equation traded for the total of 1.
  for (int s = 0; s < kStates; ++s) a[s][s] -= 1;
  std::vector<double> rhs(kStates, 0);
  a[kStates - 1].assign(kStates, 1);
  rhs[kStates - 1] = 1;
  return Solve(a, rhs);
}

// The pool before a regular spin, by meter state: first[s] = E[pool; s] and
// second[s] = E[pool^2; s]. Each spin it grows by the contribution, or goes back to its
// start on an award, so both follow from linear equations over the meter states.
struct PoolMoments {
  std::vector<double> first, second;
};

using StepsLinesContribution = std::map<std::tuple<int, int, int32_t>, double>;

PoolMoments PoolBeforeSpin(const MachineTables& t, const std::vector<double>& pi,
                           const StepsLinesContribution& joint) {
  const double start = t.BellPoolStart;
  std::vector<std::vector<double>> keep(kStates, std::vector<double>(kStates, 0));
  for (int c = 1; c <= rules::kCherriesFull; ++c)
    for (int b = 1; b <= rules::kBellsFull; ++b)
      for (const auto& [key, chance] : joint) {
        const MeterMove& mv = t.Move(c, b, std::get<0>(key), std::get<1>(key));
        if (!mv.PoolWon) keep[StateOf(mv.Cherries, mv.Bells)][StateOf(c, b)] += chance;
      }
  std::vector<std::vector<double>> a(kStates, std::vector<double>(kStates, 0));
  for (int s = 0; s < kStates; ++s)
    for (int r = 0; r < kStates; ++r) a[s][r] = (s == r) - keep[s][r];

  // Right-hand sides: what flows into each state besides the kept pool.
  auto inflow = [&](auto amount) {
    std::vector<double> rhs(kStates, 0);
    for (int c = 1; c <= rules::kCherriesFull; ++c)
      for (int b = 1; b <= rules::kBellsFull; ++b)
        for (const auto& [key, chance] : joint) {
          const MeterMove& mv = t.Move(c, b, std::get<0>(key), std::get<1>(key));
          rhs[StateOf(mv.Cherries, mv.Bells)] += chance * amount(StateOf(c, b), mv.PoolWon, std::get<2>(key));
        }
    return rhs;
  };
  PoolMoments m;
  m.first = Solve(a, inflow([&](int s, bool won, double add) { return pi[s] * (won ? start : add); }));
  m.second = Solve(a, inflow([&](int s, bool won, double add) {
    return won ? pi[s] * start * start : 2 * add * m.first[s] + add * add * pi[s];
  }));
  return m;
}

}  // namespace

// ---------------------------------------------------------------------------------------

bool PerfectStopLightsLamp(int pos, int dir) {
  std::array<bool, 6> lamps = rules::StartingLamps(pos, dir);
  auto all_lit = [&] { return std::all_of(lamps.begin(), lamps.end(), [](bool on) { return on; }); };
  if (all_lit()) return true;
  for (int i = 0; i < rules::kChaserMoves; ++i) {
    rules::MoveChaser(pos, dir, lamps);
    if (all_lit()) return true;
  }
  return lamps[5];
}

LampTable BonusLampTable(SkillStop skill) {
  if (skill == SkillStop::Human) throw std::invalid_argument("a person's lamp chance is not a table");
  LampTable t{};
  for (int up = 0; up < 2; ++up)
    for (int pos = 0; pos < 6; ++pos) {
      const int dir = up ? 1 : -1;
      t[up][pos] = skill == SkillStop::Perfect ? PerfectStopLightsLamp(pos, dir)
                                               : rules::BonusLampAfterFullSpin(pos, dir);
    }
  return t;
}

double BonusLampProbability(const LampTable& lamps) {
  int lit = 0;
  for (const auto& row : lamps) lit += static_cast<int>(std::count(row.begin(), row.end(), true));
  return static_cast<double>(lit) / rules::kChaserStarts;
}

LineTable DeriveLineTable(rules::SpinKind kind) {
  LineTable t;
  std::vector<Combination> found;
  std::array<int, 12 * 12 * 12> first{};  // combination found for each paying triple
  for (int a = 0; a < rules::kSymbolCount; ++a)
    for (int b = 0; b < rules::kSymbolCount; ++b)
      for (int c = 0; c < rules::kSymbolCount; ++c) {
        rules::SpinInput in = Blank(1, 1);
        const auto& line = rules::kPaylines[0];
        in.Cells[line[0]] = static_cast<uint8_t>(a);
        in.Cells[line[1]] = static_cast<uint8_t>(b);
        in.Cells[line[2]] = static_cast<uint8_t>(c);
        in.Cherries = kDeepMeter;
        in.Bells = kDeepMeter;
        const rules::SpinOutcome out = rules::EvaluateWindow(kind, in);
        LineEffect& e = t.Effects[(a * rules::kSymbolCount + b) * rules::kSymbolCount + c];
        e.Multiplier = LineMultiplier(kind, a, b, c);
        e.CherrySteps = static_cast<int8_t>(kDeepMeter - out.Cherries);
        e.BellLines = static_cast<int8_t>(kDeepMeter - out.Bells);
        e.BarRolls = static_cast<int8_t>(out.BarRollsEarned);
        if (e.CherrySteps < 0 || e.CherrySteps > 3 || e.BellLines < 0 || e.BellLines > 1)
          throw std::logic_error("a line moves the meters further than the pay sheet allows");
        if (e.Multiplier <= 0) continue;
        Combination name = NameLine(a, b, c, e.Multiplier);
        auto it = std::find_if(found.begin(), found.end(),
                               [&](const Combination& f) { return f.Key == name.Key; });
        if (it == found.end()) it = found.insert(found.end(), name);
        first[static_cast<size_t>((a * rules::kSymbolCount + b) * rules::kSymbolCount + c)] = static_cast<int>(it - found.begin());
      }
  // Richest first, as a pay table reads.
  std::vector<int> order(found.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(),
                   [&](int x, int y) { return found[x].Multiplier > found[y].Multiplier; });
  std::vector<int> rank(found.size());
  t.Combinations.push_back({"none", "No pay", 0});
  for (size_t i = 0; i < order.size(); ++i) {
    rank[order[i]] = static_cast<int>(i + 1);
    t.Combinations.push_back(found[order[i]]);
  }
  for (size_t i = 0; i < t.Effects.size(); ++i)
    if (t.Effects[i].Multiplier > 0) t.Effects[i].Combination = static_cast<uint8_t>(rank[first[i]]);
  return t;
}

namespace {

// ---------------------------------------------------------------------------------------
// The machine's tables, read off the game in four steps: the lines, the window as a
// whole, the bonus lamp and the meters.

// Bar Rolls earned by one line that earns any; every such line earns the same.
int32_t BarRollsPerLine(const LineTable& lines) {
  int32_t per_line = 0;
  for (const LineEffect& e : lines.Effects) per_line = std::max<int32_t>(per_line, e.BarRolls);
  for (const LineEffect& e : lines.Effects)
    if (e.BarRolls != 0 && e.BarRolls != per_line) throw std::logic_error("lines earn different numbers of Bar Rolls");
  return per_line;
}

void ReadLines(MachineTables& t) {
  t.RegularStrips = rules::RegularStrips();
  t.CherryRollStrip = rules::CherryRollStrip();
  t.BarRollStrip = rules::BarRollStrip();
  t.RegularLines = DeriveLineTable(rules::SpinKind::Regular);
  t.CherryRollLines = DeriveLineTable(rules::SpinKind::CherryRoll);
  t.BarRollLines = DeriveLineTable(rules::SpinKind::BarRoll);
  t.BarRollsPerLine = BarRollsPerLine(t.RegularLines);
}

// What a regular window pays and adds to the pool as a whole: Sevens first in the centre
// or away from it, then fruit that pays nothing on a line, with one Clover when a cell
// must not be fruit.
ScreenEffect ScreenOf(int32_t lines, int32_t coins, int sevens, int nonfruit, int centre) {
  constexpr std::array<int, 9> kCentreFirst{4, 0, 1, 2, 3, 5, 6, 7, 8};
  constexpr std::array<int, 9> kCentreLast{0, 1, 2, 3, 5, 6, 7, 8, 4};
  rules::SpinInput in = Blank(lines, coins);
  in.Cells.fill(rules::Melon);
  const auto& order = centre ? kCentreFirst : kCentreLast;
  for (int i = 0; i < sevens; ++i) in.Cells[order[i]] = rules::Seven;
  if (nonfruit && sevens == 0) in.Cells[order[8]] = rules::Clover;
  const rules::SpinOutcome out = rules::EvaluateWindow(rules::SpinKind::Regular, in);
  return {out.SevensWon, out.FruitWon, out.BellPool - in.BellPool};
}

// What a roll's Roll Sevens pay beyond its lines.
int32_t RollSevensPay(rules::SpinKind kind, int32_t lines, int32_t coins, int sevens) {
  rules::SpinInput in = Blank(lines, coins);
  in.Cells.fill(rules::Melon);
  for (int i = 0; i < sevens; ++i) in.Cells[i] = rules::RollSeven;
  const rules::SpinOutcome out = rules::EvaluateWindow(kind, in);
  return out.SpinWin - LineSum(out);
}

void ReadScreen(MachineTables& t) {
  for (int sevens = 0; sevens <= 9; ++sevens)
    for (int nonfruit = 0; nonfruit < 2; ++nonfruit)
      for (int centre = 0; centre < 2; ++centre) {
        // Windows that cannot be: a Seven in the centre with no Sevens, nine Sevens
        // with none in the centre, or Sevens where every cell is fruit.
        if ((centre && sevens == 0) || (!centre && sevens == 9) || (!nonfruit && sevens > 0)) continue;
        t.Screen[sevens][nonfruit][centre] = ScreenOf(t.LinesPlayed, t.CoinsPerLine, sevens, nonfruit, centre);
      }
  for (int sevens = 0; sevens <= 9; ++sevens) {
    t.CherryRollSevens[sevens] = RollSevensPay(rules::SpinKind::CherryRoll, t.LinesPlayed, t.CoinsPerLine, sevens);
    t.BarRollSevens[sevens] = RollSevensPay(rules::SpinKind::BarRoll, t.LinesPlayed, t.CoinsPerLine, sevens);
  }
}

// What the lit lamp multiplies a winning line by, and the bet it gives back.
void ReadBonusLamp(MachineTables& t) {
  rules::SpinInput in = Blank(1, 1);
  for (int cell : rules::kPaylines[0]) in.Cells[cell] = rules::Seven;
  const int32_t plain = rules::EvaluateWindow(rules::SpinKind::Regular, in).LineWins[0];
  in.BonusLamp = true;
  t.LampFactor = rules::EvaluateWindow(rules::SpinKind::Regular, in).LineWins[0] / plain;
  rules::SpinInput bet = Blank(t.LinesPlayed, t.CoinsPerLine);
  bet.BonusLamp = true;
  t.ReturnedBet = rules::EvaluateWindow(rules::SpinKind::Regular, bet).ReturnedBet;
}

// The window of a cherry/bell/other pattern, with Cherry, Bell and Clover standing for
// the three: cell w's class is digit w of the code in base 3.
rules::SpinInput PatternWindow(int32_t lines, int32_t coins, int code) {
  constexpr std::array<uint8_t, 3> kStand{rules::Cherry, rules::Bell, rules::Clover};
  rules::SpinInput in = Blank(lines, coins);
  for (int w = 0, rest = code; w < 9; ++w, rest /= 3) in.Cells[w] = kStand[rest % 3];
  return in;
}

// What a window with these cherry steps and Bell lines does to the meters from every
// meter state, the pool at its start.
void PlayFromEveryMeterState(MachineTables& t, rules::SpinInput in, int steps, int bell_lines) {
  for (int32_t cherries = 1; cherries <= rules::kCherriesFull; ++cherries)
    for (int32_t bells = 1; bells <= rules::kBellsFull; ++bells) {
      in.Cherries = cherries;
      in.Bells = bells;
      in.BellPool = rules::kBellPoolStart;
      const rules::SpinOutcome out = rules::EvaluateWindow(rules::SpinKind::Regular, in);
      MeterMove& move = t.Moves[cherries - 1][bells - 1][steps][bell_lines];
      move.Cherries = static_cast<int8_t>(out.Cherries);
      move.Bells = static_cast<int8_t>(out.Bells);
      move.CherryRolls = static_cast<int8_t>(out.CherryRollsEarned);
      move.PoolWon = out.BellPoolWon > 0;
      move.Known = true;
      if (move.PoolWon) t.BellPoolStart = out.BellPool;
    }
}

// Every cherry/bell/other pattern of the window: its steps and Bell lines are read off
// deep meters; then one pattern of each kind is played from every meter state.
void ReadMeterMoves(MachineTables& t) {
  int patterns = 1;
  for (int w = 0; w < 9; ++w) patterns *= 3;
  t.PatternSteps.resize(patterns);
  t.BellPoolStart = rules::kBellPoolStart;
  for (int code = 0; code < patterns; ++code) {
    rules::SpinInput in = PatternWindow(t.LinesPlayed, t.CoinsPerLine, code);
    in.Cherries = kDeepMeter;
    in.Bells = kDeepMeter;
    const rules::SpinOutcome deep = rules::EvaluateWindow(rules::SpinKind::Regular, in);
    const int steps = kDeepMeter - deep.Cherries, bell_lines = kDeepMeter - deep.Bells;
    if (steps > kMaxSteps || bell_lines > kMaxBellLines) throw std::logic_error("meter moves out of range");
    t.PatternSteps[code] = {static_cast<int8_t>(steps), static_cast<int8_t>(bell_lines)};
    if (!t.Moves[0][0][steps][bell_lines].Known) PlayFromEveryMeterState(t, in, steps, bell_lines);
  }
}

}  // namespace

MachineTables DeriveMachineTables(int32_t lines, int32_t coins) {
  MachineTables t;
  t.LinesPlayed = lines;
  t.CoinsPerLine = coins;
  t.Bet = lines * coins;
  ReadLines(t);
  ReadScreen(t);
  ReadBonusLamp(t);
  ReadMeterMoves(t);
  return t;
}

namespace {

// ---------------------------------------------------------------------------------------
// The pay sheet: the moments the window does not decide, the sums over every window
// and meter state, and the figures from those sums.

// The bonus lamp: lit with chance `lit`, multiplying wins by `factor`; `mean` and
// `square` are the first two moments of its multiplier.
struct Lamp {
  double lit = 0, factor = 1, mean = 1, square = 1;
};

Lamp LampOf(const MachineTables& t, double p) {
  Lamp lamp;
  const double f = t.LampFactor;
  lamp.lit = p;
  lamp.factor = f;
  lamp.mean = 1 + p * (f - 1);
  lamp.square = (1 - p) + p * f * f;
  return lamp;
}

// What the wheels show on a regular spin and on each kind of roll.
struct SpinOdds {
  WindowOdds regular, cherry_roll, bar_roll;
};

SpinOdds SpinOddsOf(const MachineTables& t) {
  return {OddsOf(t.RegularStrips), SameOdds(t.CherryRollStrip), SameOdds(t.BarRollStrip)};
}

// One roll: its mean, variance and chance of paying nothing, its own lamp included.
struct RollWin {
  double mean = 0, variance = 0, nothing = 0, sevens_pay = 0;
};

RollWin RollWinOf(const MachineTables& t, const WindowOdds& odds, const LineTable& table,
                  const std::array<int32_t, 10>& sevens, const Lamp& lamp) {
  const RollMoments m =
      RollWindowMoments(EnumerateWindows(odds, table, t.LinesPlayed, rules::RollSeven), sevens, t.CoinsPerLine);
  const double mean = lamp.mean * m.mean;
  return RollWin{mean, lamp.square * m.square - mean * mean, m.zero, m.sevens_pay};
}

// The joint chance of cherry steps and Bell lines, from the cherry/bell/other patterns.
std::map<std::pair<int, int>, double> StepsFromPatterns(const MachineTables& t, const WindowOdds& regular) {
  std::map<std::pair<int, int>, double> steps;
  for (size_t code = 0; code < t.PatternSteps.size(); ++code) {
    double weight = 1;
    size_t rest = code;
    for (int w = 0; w < 9; ++w, rest /= 3) {
      const double pc = regular[w].P[rules::Cherry], pb = regular[w].P[rules::Bell];
      weight *= rest % 3 == 0 ? pc : rest % 3 == 1 ? pb : 1 - pc - pb;
    }
    if (weight > 0) steps[{t.PatternSteps[code].first, t.PatternSteps[code].second}] += weight;
  }
  return steps;
}

// The same joint chance from the full enumeration of the window, into `steps`, and
// with the Bell Pool contribution.
StepsLinesContribution StepsFromWindows(const MachineTables& t, const std::vector<WindowEntry>& windows,
                                        std::map<std::pair<int, int>, double>& steps) {
  StepsLinesContribution joint;
  for (const WindowEntry& e : windows) {
    const Part& part = e.part;
    if (!t.Moves[0][0][part.steps][part.bells].Known) throw std::logic_error("window with unknown meter move");
    steps[{part.steps, part.bells}] += e.mass.p;
    joint[{part.steps, part.bells, t.Screen[part.sevens][part.nonfruit][e.centre].Contribution}] += e.mass.p;
  }
  return joint;
}

// What a regular spin's win rests on besides its own window: the lamp, one roll of each
// kind, and the meters and the pool before the spin in the long run.
struct SpinMoments {
  Lamp lamp;
  RollWin cherry, bars;
  std::vector<double> meters;  // chance of each meter state, [StateOf(cherries, bells)]
  PoolMoments pool;
};

SpinMoments WorkOutMoments(const MachineTables& t, double lamp_chance, const SpinOdds& odds,
                           const std::vector<WindowEntry>& windows, ParWorkings& work) {
  SpinMoments m;
  m.lamp = LampOf(t, lamp_chance);
  m.cherry = RollWinOf(t, odds.cherry_roll, t.CherryRollLines, t.CherryRollSevens, m.lamp);
  m.bars = RollWinOf(t, odds.bar_roll, t.BarRollLines, t.BarRollSevens, m.lamp);
  work.StepsFromPatterns = StepsFromPatterns(t, odds.regular);
  const StepsLinesContribution joint = StepsFromWindows(t, windows, work.StepsFromWindows);
  m.meters = StationaryMeters(t, work.StepsFromPatterns);
  m.pool = PoolBeforeSpin(t, m.meters, joint);
  for (int c = 1; c <= rules::kCherriesFull; ++c)
    for (int b = 1; b <= rules::kBellsFull; ++b) work.Stationary[c - 1][b - 1] = m.meters[StateOf(c, b)];
  return m;
}

// Sums over every meter state and window of a regular spin. The win of a regular spin
// is W = m Z + returned bet + rolls with Z = A + a P, where m is the lamp's multiplier,
// A the lines and screen bonus, a whether the pool is won and P the pool then. Given the
// meters, the window decides everything but the pool before the spin, which the chain
// of the meters carries.
struct SpinSums {
  double z = 0, z_square = 0, z_rolls = 0;  // E[Z], E[Z^2], E[Z rolls]
  double rolls = 0, rolls_square = 0, rolls_variance = 0;
  double nothing = 0;  // chance that nothing pays, the lamp aside
  double cherry_rolls = 0, bar_rolls = 0, cherry_earned = 0, bar_earned = 0;
  double sevens_paid = 0, fruit_paid = 0, fruit_chance = 0;
  std::array<double, 10> sevens_chance{};
};

SpinSums SumRegularSpins(const MachineTables& t, const SpinMoments& moments, const std::vector<WindowEntry>& windows,
                         ParWorkings& work) {
  SpinSums sum;
  const double coins = t.CoinsPerLine;
  const RollWin& cherry = moments.cherry;
  const RollWin& bars = moments.bars;
  const std::vector<double>& q1 = moments.pool.first;
  const std::vector<double>& q2 = moments.pool.second;
  for (int c = 1; c <= rules::kCherriesFull; ++c)
    for (int b = 1; b <= rules::kBellsFull; ++b) {
      const int s = StateOf(c, b);
      const double ps = moments.meters[s];
      for (const WindowEntry& e : windows) {
        const Mass& m = e.mass;
        const Part& part = e.part;
        const ScreenEffect& screen = t.Screen[part.sevens][part.nonfruit][e.centre];
        const double g = double(screen.SevensBonus) + screen.FruitBonus;
        const double add = screen.Contribution;
        const double a1 = coins * m.a + g * m.p;
        const double a2 = coins * coins * m.aa + 2 * coins * g * m.a + g * g * m.p;
        const MeterMove& mv = t.Move(c, b, part.steps, part.bells);
        const double won = mv.PoolWon;
        const double nc = mv.CherryRolls;
        const double nb = double(part.bars) * t.BarRollsPerLine;
        const double rolls_mean = nc * cherry.mean + nb * bars.mean;
        const double rolls_var = nc * cherry.variance + nb * bars.variance;

        const double zm = ps * a1 + won * (q1[s] * m.p + ps * add * m.p);
        const double zz = ps * a2 + won * (2 * q1[s] * a1 + 2 * ps * add * a1 + q2[s] * m.p +
                                           2 * q1[s] * add * m.p + ps * add * add * m.p);
        sum.z += zm;
        sum.z_square += zz;
        sum.z_rolls += rolls_mean * zm;
        sum.rolls += ps * m.p * rolls_mean;
        sum.rolls_square += ps * m.p * rolls_mean * rolls_mean;
        sum.rolls_variance += ps * m.p * rolls_var;
        if (g == 0 && !mv.PoolWon)
          sum.nothing += ps * m.zero * std::pow(cherry.nothing, nc) * std::pow(bars.nothing, nb);

        work.PoolAwardRate += won * ps * m.p;
        work.PoolPaid += won * (q1[s] * m.p + ps * add * m.p);
        work.PoolContribution += ps * m.p * add;
        work.MeanLineAndScreen += ps * a1;
        sum.cherry_rolls += ps * m.p * nc;
        sum.bar_rolls += ps * m.p * nb;
        if (nc > 0) sum.cherry_earned += ps * m.p;
        if (nb > 0) sum.bar_earned += ps * m.p;
        sum.sevens_paid += ps * m.p * screen.SevensBonus;
        sum.fruit_paid += ps * m.p * screen.FruitBonus;
        if (screen.SevensBonus > 0) sum.sevens_chance[part.sevens] += ps * m.p;
        if (screen.FruitBonus > 0) sum.fruit_chance += ps * m.p;
      }
    }
  return sum;
}

// The mean and variance of W, from the sums and the lamp.
void WorkOutWin(const MachineTables& t, const Lamp& lamp, const SpinSums& sum, ParWorkings& work) {
  const double p = lamp.lit;
  const double returned = t.ReturnedBet;
  const double mean = lamp.mean * sum.z + p * returned + sum.rolls;
  const double square = lamp.square * sum.z_square + 2 * returned * (p * lamp.factor) * sum.z +
                        returned * returned * p + 2 * lamp.mean * sum.z_rolls + 2 * returned * p * sum.rolls +
                        sum.rolls_variance + sum.rolls_square;
  work.MeanWin = mean;
  work.WinVariance = square - mean * mean;
}

void FillFigures(Report& r, const MachineTables& t, const SpinOdds& odds, const SpinMoments& moments,
                 const SpinSums& sum, const ParWorkings& work) {
  const int lines = t.LinesPlayed;
  const double coins = t.CoinsPerLine, bet = t.Bet;
  const double p = moments.lamp.lit, lamp_mean = moments.lamp.mean;
  const LineOdds line_odds = CombinationOdds(odds.regular, t.RegularLines, lines);
  const LineOdds cherry_odds = CombinationOdds(odds.cherry_roll, t.CherryRollLines, lines);
  const LineOdds bar_odds = CombinationOdds(odds.bar_roll, t.BarRollLines, lines);
  for (Figure& fig : r.Figures) {
    double v = 0;
    switch (fig.Id) {
      case FigureId::Rtp: v = 100 * work.MeanWin / bet; break;
      case FigureId::HitFrequency: v = 100 * (1 - (1 - p) * sum.nothing); break;
      case FigureId::BonusLamp: v = p; break;
      case FigureId::CherryRollsPerSpin: v = sum.cherry_rolls; break;
      case FigureId::BarRollsPerSpin: v = sum.bar_rolls; break;
      case FigureId::Volatility: v = std::sqrt(std::max(0.0, work.WinVariance)); break;

      case FigureId::LineReturn: v = lamp_mean * coins * line_odds.multiplier[fig.Item]; break;
      case FigureId::SevensBonusReturn: v = lamp_mean * sum.sevens_paid; break;
      case FigureId::AllFruitReturn: v = lamp_mean * sum.fruit_paid; break;
      case FigureId::BellPoolReturn: v = lamp_mean * work.PoolPaid; break;
      case FigureId::CherryRollsReturn: v = moments.cherry.mean * sum.cherry_rolls; break;
      case FigureId::BarRollsReturn: v = moments.bars.mean * sum.bar_rolls; break;
      case FigureId::ReturnedBet: v = p * t.ReturnedBet; break;

      case FigureId::LineOdds: v = line_odds.chance[fig.Item] / lines; break;
      case FigureId::SevensOdds: v = sum.sevens_chance[fig.Item]; break;
      case FigureId::AllFruitOdds: v = sum.fruit_chance; break;
      case FigureId::BellPoolOdds: v = work.PoolAwardRate; break;
      case FigureId::CherryRollsEarned: v = sum.cherry_earned; break;
      case FigureId::BarRollsEarned: v = sum.bar_earned; break;
      case FigureId::CherryRollLineOdds: v = cherry_odds.chance[fig.Item] / lines; break;
      case FigureId::CherryRollSevensOdds: v = moments.cherry.sevens_pay; break;
      case FigureId::BarRollLineOdds: v = bar_odds.chance[fig.Item] / lines; break;
      case FigureId::BarRollSevensOdds: v = moments.bars.sevens_pay; break;
    }
    if (fig.Group() == FigureGroup::ReturnBySource) v = 100 * v / bet;
    fig.Value = v;
  }
}

// The sums with the lamp never lit give what a regular spin pays, Z, and what its rolls
// pay, R. A lamp lit with chance p multiplies each by f and gives back the bet b of a
// regular spin, so the mean win is (1 + p (f - 1)) (Z + R) + p b.
LampReturnLine LampLineOf(const MachineTables& t, const SpinOdds& odds, const std::vector<WindowEntry>& windows) {
  ParWorkings work;
  const SpinMoments moments = WorkOutMoments(t, 0, odds, windows, work);
  const SpinSums sum = SumRegularSpins(t, moments, windows, work);
  const double percent = 100.0 / t.Bet, more = t.LampFactor - 1;
  LampReturnLine line;
  line.Base = percent * (sum.z + sum.rolls);
  line.PerRegularLamp = percent * (more * sum.z + t.ReturnedBet);
  line.PerRollLamp = percent * more * sum.rolls;
  line.PerLamp = line.PerRegularLamp + line.PerRollLamp;
  return line;
}

}  // namespace

ParSheet ComputeParSheet(const MachineTables& t, SkillStop skill) {
  return ComputeParSheet(t, BonusLampProbability(BonusLampTable(skill)), skill);
}

ParSheet ComputeParSheet(const MachineTables& t, double lamp_chance, SkillStop skill) {
  ParSheet sheet;
  const SpinOdds odds = SpinOddsOf(t);
  const std::vector<WindowEntry> windows = EnumerateWindows(odds.regular, t.RegularLines, t.LinesPlayed, rules::Seven);
  const SpinMoments moments = WorkOutMoments(t, lamp_chance, odds, windows, sheet.Workings);
  const SpinSums sum = SumRegularSpins(t, moments, windows, sheet.Workings);
  WorkOutWin(t, moments.lamp, sum, sheet.Workings);

  Report& r = sheet.Figures;
  r.LinesPlayed = t.LinesPlayed;
  r.CoinsPerLine = t.CoinsPerLine;
  r.Bet = t.Bet;
  r.Skill = skill;
  r.Figures = ReportLayout(t);
  FillFigures(r, t, odds, moments, sum, sheet.Workings);
  sheet.LampLine = LampLineOf(t, odds, windows);
  return sheet;
}

LampReturnLine ReturnAgainstLampChance(const MachineTables& t) {
  const SpinOdds odds = SpinOddsOf(t);
  return LampLineOf(t, odds, EnumerateWindows(odds.regular, t.RegularLines, t.LinesPlayed, rules::Seven));
}

std::vector<LampReturnLine> ReturnAgainstLampChance(const std::vector<MachineTables>& same_lines) {
  std::vector<LampReturnLine> lines;
  if (same_lines.empty()) return lines;
  const MachineTables& first = same_lines.front();
  const SpinOdds odds = SpinOddsOf(first);
  // The windows' line pays are counted per coin, so one enumeration serves every coin.
  const std::vector<WindowEntry> windows =
      EnumerateWindows(odds.regular, first.RegularLines, first.LinesPlayed, rules::Seven);
  for (const MachineTables& t : same_lines) {
    if (t.LinesPlayed != first.LinesPlayed) throw std::invalid_argument("tables for other lines");
    lines.push_back(LampLineOf(t, odds, windows));
  }
  return lines;
}

}  // namespace analysis
