// vantello-sim recall: the games the player's machine remembers, as text or JSON, and
// whether each one's wheels follow from the seed it kept.
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "persistence/recall.h"
#include "persistence/saved_game.h"
#include "rules/card_game.h"
#include "rules/game_record.h"
#include "rules/meters.h"
#include "rules/strips.h"
#include "tools/sim/args.h"
#include "tools/sim/commands.h"
#include "tools/sim/json.h"

namespace sim {

namespace {

using rules::GameRecord;

struct RecallOptions {
  std::string file;
  bool json = false;
  bool verify = false;
};

RecallOptions ParseRecallOptions(const std::vector<std::string>& args) {
  RecallOptions o;
  for (const std::string& arg : args) {
    if (arg == "--json") o.json = true;
    else if (arg == "--verify") o.verify = true;
    else if (arg == "--help") throw HelpWanted{};
    else if (arg.rfind("--", 0) == 0) throw UsageError("recall: unknown option '" + arg + "'");
    else if (!o.file.empty()) throw UsageError("recall: one file only ('" + o.file + "', then '" + arg + "')");
    else o.file = arg;
  }
  return o;
}

template <typename T>
std::string JsonList(const T& values) {
  std::string out = "[";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(values[i]);
  }
  return out + "]";
}

std::string GameJson(const GameRecord& g) {
  std::ostringstream out;
  out << "{\"number\":" << g.number << ",\"time\":" << JsonQuote(g.time) << ",\"lines\":" << g.lines
      << ",\"coins\":" << g.coins << ",\"bet\":" << g.bet << ",\"credits_before\":" << g.credits_before
      << ",\"credits_after\":" << g.credits_after << ",\"bell_pool_before\":" << g.bell_pool_before
      << ",\"bell_pool_after\":" << g.bell_pool_after << ",\"bell_pool_award\":" << g.bell_pool_award;
  const rules::TurnRecord& spin = g.turns.front();
  out << ",\"seed\":" << spin.seed << ",\"stops\":" << JsonList(spin.stops) << ",\"cells\":" << JsonList(spin.cells)
      << ",\"line_wins\":" << JsonList(spin.line_wins) << ",\"screen_bonus\":" << spin.screen_bonus
      << ",\"bonus_lamp\":" << (spin.bonus_lamp ? "true" : "false")
      << ",\"skill_stop\":" << (spin.skill_stop ? "true" : "false") << ",\"spin_win\":" << spin.win << ",\"rolls\":[";
  for (size_t t = 1; t < g.turns.size(); ++t) {
    const rules::TurnRecord& r = g.turns[t];
    out << (t > 1 ? "," : "") << "{\"kind\":" << JsonQuote(rules::TurnKindName(r.kind)) << ",\"seed\":" << r.seed
        << ",\"stops\":" << JsonList(r.stops) << ",\"cells\":" << JsonList(r.cells)
        << ",\"line_wins\":" << JsonList(r.line_wins) << ",\"screen_bonus\":" << r.screen_bonus
        << ",\"bonus_lamp\":" << (r.bonus_lamp ? "true" : "false")
        << ",\"skill_stop\":" << (r.skill_stop ? "true" : "false") << ",\"win\":" << r.win << "}";
  }
  out << "],\"double\":[";
  for (size_t s = 0; s < g.gamble.size(); ++s) {
    const rules::GambleStep& step = g.gamble[s];
    out << (s ? "," : "") << "{\"after\":" << step.after << ",\"stake\":" << step.stake << ",\"card\":" << step.card
        << ",\"won\":" << step.won << "}";
  }
  out << "],\"win\":" << g.win << ",\"between\":[";
  for (size_t b = 0; b < g.between.size(); ++b)
    out << (b ? "," : "") << "{\"kind\":" << JsonQuote(rules::BetweenKindName(g.between[b].kind))
        << ",\"credits_before\":" << g.between[b].credits_before
        << ",\"credits_after\":" << g.between[b].credits_after << "}";
  out << "]}";
  return out.str();
}

std::string TurnText(const rules::TurnRecord& t) {
  std::ostringstream out;
  out << "  " << rules::TurnKindName(t.kind) << " (seed " << t.seed << "):";
  for (int w = 0; w < 9; ++w) out << (w % 3 ? ", " : w ? " / " : " ") << rules::kSymbolNames[t.cells[w]].One;
  out << "\n    stops";
  for (int32_t stop : t.stops) out << ' ' << stop;
  out << "; line wins";
  for (int32_t win : t.line_wins) out << ' ' << win;
  if (t.screen_bonus) out << "; screen bonus " << t.screen_bonus;
  if (t.bonus_lamp) out << "; bonus lamp lit";
  if (t.skill_stop) out << "; skill stop";
  out << "; won " << t.win << '\n';
  return out.str();
}

std::string GameText(const GameRecord& g) {
  std::ostringstream out;
  for (const rules::BetweenGames& b : g.between)
    out << "Between games: " << rules::BetweenKindName(b.kind) << ", credits " << b.credits_before << " -> "
        << b.credits_after << '\n';
  out << "Game " << g.number << ", played " << g.time << ": " << g.lines << (g.lines == 1 ? " line" : " lines")
      << " x " << g.coins << (g.coins == 1 ? " coin" : " coins") << ", bet " << g.bet << '\n';
  for (size_t t = 0; t < g.turns.size(); ++t) {
    out << TurnText(g.turns[t]);
    for (const rules::GambleStep& s : g.gamble)
      if (s.after == static_cast<int>(t))
        out << "    gamble: " << s.stake << " at stake, " << rules::CardName(s.card) << " turned, " << s.won << " left\n";
  }
  if (g.bell_pool_award) out << "  Bell Pool award " << g.bell_pool_award << '\n';
  out << "  credited " << g.win << "; credits " << g.credits_before << " -> " << g.credits_after << ", Bell Pool "
      << g.bell_pool_before << " -> " << g.bell_pool_after << '\n';
  return out.str();
}

std::string MetersJson(const rules::Meters& m) {
  std::ostringstream out;
  out << "{\"opening_credits\":" << m.opening_credits << ",\"games\":" << m.games << ",\"turnover\":" << m.turnover
      << ",\"won\":" << m.won << ",\"gamble_staked\":" << m.gamble_staked
      << ",\"gamble_returned\":" << m.gamble_returned << ",\"bell_pool_in\":" << m.bell_pool_in
      << ",\"bell_pool_awards\":" << m.bell_pool_awards << ",\"rolls\":" << m.rolls << ",\"roll_wins\":" << m.roll_wins
      << ",\"borrowed\":" << m.borrowed << ",\"paid_back\":" << m.paid_back << ",\"credits_set\":" << m.credits_set
      << ",\"credits_by_meters\":" << rules::CreditsByMeters(m) << "}";
  return out.str();
}

// The turns of a game that do not follow from their seeds, as "turn 2 (cherry roll)".
std::vector<std::string> Mismatches(const GameRecord& g) {
  std::vector<std::string> wrong;
  for (size_t t = 0; t < g.turns.size(); ++t)
    if (!rules::TurnFollowsFromSeed(g.turns[t]))
      wrong.push_back("turn " + std::to_string(t + 1) + " (" + rules::TurnKindName(g.turns[t].kind) + ")");
  return wrong;
}

}  // namespace

int RecallCommand(const std::vector<std::string>& args) {
  RecallOptions o = ParseRecallOptions(args);
  if (o.file.empty()) {
    const std::string saved = persistence::SavedGamePath();
    if (saved.empty()) {
      std::cerr << "vantello-sim: there is no data folder to find the recall in; name the file\n";
      return 1;
    }
    o.file = persistence::RecallPathFor(saved);
  }
  std::vector<GameRecord> games;
  rules::Meters meters;
  switch (persistence::ReadRecall(platform::ProfileFile(o.file), games, meters)) {
    case persistence::RecallRead::Missing:
      std::cerr << "vantello-sim: no recall at " << o.file << '\n';
      return 1;
    case persistence::RecallRead::Damaged:
      std::cerr << "vantello-sim: " << o.file << " cannot be read as a game recall\n";
      return 1;
    case persistence::RecallRead::Ok: break;
  }
  int mismatched = 0;
  if (o.json) {
    std::cout << "{\"file\":" << JsonQuote(o.file) << ",\"meters\":" << MetersJson(meters) << ",\"games\":[";
    for (size_t i = 0; i < games.size(); ++i) {
      std::string game = GameJson(games[i]);
      if (o.verify) {
        const bool follows = Mismatches(games[i]).empty();
        mismatched += !follows;
        game.insert(game.size() - 1, std::string(",\"follows_from_seed\":") + (follows ? "true" : "false"));
      }
      std::cout << (i ? "," : "") << game;
    }
    std::cout << "]}\n";
  } else {
    std::cout << games.size() << (games.size() == 1 ? " game" : " games") << " recalled in " << o.file
              << ", oldest first.\n";
    std::cout << "Machine meters: " << meters.games << " games, turnover " << meters.turnover << ", won "
              << meters.won << ", Double or Nothing staked " << meters.gamble_staked << " and returned "
              << meters.gamble_returned << ", borrowed " << meters.borrowed << ", paid back " << meters.paid_back
              << "; credits by the meters " << rules::CreditsByMeters(meters) << ".\n";
    for (const GameRecord& g : games) {
      std::cout << '\n' << GameText(g);
      if (!o.verify) continue;
      const std::vector<std::string> wrong = Mismatches(g);
      mismatched += !wrong.empty();
      if (wrong.empty()) {
        std::cout << "  verified: every turn's wheels follow from its seed\n";
      } else {
        std::cout << "  NOT VERIFIED:";
        for (const std::string& w : wrong) std::cout << ' ' << w;
        std::cout << " shows wheels its seed does not draw\n";
      }
    }
  }
  if (o.verify) {
    std::cerr << (mismatched ? std::to_string(mismatched) + " of " + std::to_string(games.size()) +
                                   " games do not follow from their seeds\n"
                             : "every game follows from its seeds\n");
  }
  return mismatched ? 1 : 0;
}

}  // namespace sim
