#include "persistence/recall.h"

#include <array>
#include <charconv>
#include <filesystem>

#include "persistence/rescue.h"
#include "platform/user_locale.h"
#include "platform/words.h"
#include "rules/money.h"
#include "rules/strips.h"

namespace persistence {

namespace fs = std::filesystem;
using rules::GameRecord;

namespace {

constexpr const char* kRecallSection = "Recall";
constexpr const char* kMetersSection = "Meters";

// The meters as the file keeps them: a key each.
struct MeterKey {
  const char* key;
  int64_t rules::Meters::*field;
  bool may_be_negative;
};
constexpr MeterKey kMeterKeys[] = {
    {"OpeningCredits", &rules::Meters::opening_credits, false}, {"Games", &rules::Meters::games, false},
    {"Turnover", &rules::Meters::turnover, false},             {"Won", &rules::Meters::won, false},
    {"GambleStaked", &rules::Meters::gamble_staked, false},     {"GambleReturned", &rules::Meters::gamble_returned, false},
    {"BellPoolIn", &rules::Meters::bell_pool_in, true},         {"BellPoolAwards", &rules::Meters::bell_pool_awards, false},
    {"Rolls", &rules::Meters::rolls, false},                    {"RollWins", &rules::Meters::roll_wins, false},
    {"Borrowed", &rules::Meters::borrowed, true},               {"PaidBack", &rules::Meters::paid_back, true},
    {"CreditsSet", &rules::Meters::credits_set, true},
};
constexpr int kRecallVersion = 1;

std::string GameSection(size_t i) { return "Game " + std::to_string(i + 1); }
std::string Numbered(const char* key, size_t i) { return key + std::to_string(i + 1); }

template <typename T>
void Put(std::string& out, const T& values) {
  for (auto v : values) out += ' ' + std::to_string(v);
}

std::string TurnText(const rules::TurnRecord& t) {
  std::string out = std::to_string(static_cast<int>(t.kind)) + ' ' + std::to_string(t.seed);
  Put(out, t.stops);
  Put(out, t.cells);
  Put(out, t.line_wins);
  Put(out, std::array<int32_t, 4>{t.screen_bonus, t.bonus_lamp, t.skill_stop, t.win});
  return out;
}

// Whole numbers separated by single spaces, each within its range; nothing else.
class Numbers {
 public:
  explicit Numbers(const std::string& text) : text_(text) {}
  template <typename T>
  bool Next(T& value, T low, T high) {
    if (pos_ > 0) {
      if (pos_ >= text_.size() || text_[pos_] != ' ') return false;
      ++pos_;
    }
    const char* begin = text_.data() + pos_;
    auto [end, ec] = std::from_chars(begin, text_.data() + text_.size(), value);
    if (ec != std::errc() || value < low || value > high) return false;
    pos_ = end - text_.data();
    return true;
  }
  bool Flag(bool& flag) {
    int v = 0;
    if (!Next(v, 0, 1)) return false;
    flag = v == 1;
    return true;
  }
  bool Done() const { return pos_ == text_.size(); }

 private:
  const std::string& text_;
  size_t pos_ = 0;
};

constexpr int32_t kMax = rules::kMaxCredits;

bool ParseTurn(const std::string& text, rules::TurnRecord& t) {
  Numbers n(text);
  int kind = 0;
  if (!n.Next(kind, 0, 2) || !n.Next(t.seed, uint64_t{0}, UINT64_MAX)) return false;
  t.kind = static_cast<rules::TurnKind>(kind);
  for (auto& stop : t.stops)
    if (!n.Next(stop, 0, 255)) return false;
  for (auto& cell : t.cells)
    if (!n.Next(cell, 0, rules::kSymbolCount - 1)) return false;
  for (auto& win : t.line_wins)
    if (!n.Next(win, 0, kMax)) return false;
  return n.Next(t.screen_bonus, 0, 255) && n.Flag(t.bonus_lamp) && n.Flag(t.skill_stop) && n.Next(t.win, 0, kMax) &&
         n.Done();
}

bool ParseGamble(const std::string& text, rules::GambleStep& step, int turns) {
  Numbers n(text);
  return n.Next(step.after, 0, turns - 1) && n.Next(step.stake, 0, kMax) && n.Next(step.card, 0, 52) &&
         n.Next(step.won, 0, kMax) && n.Done();
}

bool ParseBetween(const std::string& text, rules::BetweenGames& b) {
  Numbers n(text);
  int kind = 0;
  if (!n.Next(kind, 0, 4)) return false;
  b.kind = static_cast<rules::BetweenKind>(kind);
  return n.Next(b.credits_before, int64_t{0}, int64_t{kMax}) && n.Next(b.credits_after, int64_t{0}, int64_t{kMax}) &&
         n.Done();
}

// A list key's count, "Turns=3", then its entries "Turn1" ... "Turn3".
template <typename T, typename Parse>
bool ReadList(const platform::ProfileText& text, const std::string& section, const char* count_key,
              const char* item_key, int most, std::vector<T>& items, Parse parse) {
  int count = 0;
  const std::optional<std::string> count_text = text.Read(section, count_key);
  if (!count_text) return false;
  Numbers n(*count_text);
  if (!n.Next(count, 0, most) || !n.Done()) return false;
  items.resize(count);
  for (int i = 0; i < count; ++i) {
    const std::optional<std::string> item = text.Read(section, Numbered(item_key, i));
    if (!item || !parse(*item, items[i])) return false;
  }
  return true;
}

bool ReadNumber(const platform::ProfileText& text, const std::string& section, const char* key, auto& value,
                int64_t low, int64_t high) {
  const std::optional<std::string> found = text.Read(section, key);
  if (!found) return false;
  Numbers n(*found);
  int64_t v = 0;
  if (!n.Next(v, low, high) || !n.Done()) return false;
  value = static_cast<std::remove_reference_t<decltype(value)>>(v);
  return true;
}

bool ParseGame(const platform::ProfileText& text, const std::string& section, GameRecord& g) {
  g.time = text.ReadString(section, "Time", "");
  if (g.time.size() > 19 || g.time.find_first_not_of("0123456789-: ") != std::string::npos) return false;
  const bool numbers = ReadNumber(text, section, "Number", g.number, 0, kMax) &&
                       ReadNumber(text, section, "Lines", g.lines, 1, 8) &&
                       ReadNumber(text, section, "Coins", g.coins, 1, 8) &&
                       ReadNumber(text, section, "Bet", g.bet, 1, 64) &&
                       ReadNumber(text, section, "CreditsBefore", g.credits_before, 0, kMax) &&
                       ReadNumber(text, section, "CreditsAfter", g.credits_after, 0, kMax) &&
                       ReadNumber(text, section, "BellPoolBefore", g.bell_pool_before, 0, kMax) &&
                       ReadNumber(text, section, "BellPoolAfter", g.bell_pool_after, 0, kMax) &&
                       ReadNumber(text, section, "BellPoolAward", g.bell_pool_award, 0, kMax) &&
                       ReadNumber(text, section, "Win", g.win, 0, int64_t{kMax} * 2);
  if (!numbers || g.bet != g.lines * g.coins) return false;
  if (!ReadList(text, section, "Turns", "Turn", kMaxTurnsPerGame, g.turns, ParseTurn) || g.turns.empty() ||
      g.turns[0].kind != rules::TurnKind::Spin)
    return false;
  const int turns = static_cast<int>(g.turns.size());
  return ReadList(text, section, "Gambles", "Gamble", kMaxGambleSteps, g.gamble,
                  [turns](const std::string& t, rules::GambleStep& s) { return ParseGamble(t, s, turns); }) &&
         ReadList(text, section, "Betweens", "Between", kMaxBetweenGames, g.between, ParseBetween);
}

}  // namespace

std::string RecallPathFor(const std::string& saved_game_path) {
  return (fs::path(saved_game_path).parent_path() / kRecallName).string();
}

platform::ProfileText RecallText(const std::vector<GameRecord>& games, int keep, const rules::Meters& meters) {
  // Written out line by line, in one pass: the file is rewritten after every game.
  const size_t first = games.size() > static_cast<size_t>(keep) ? games.size() - keep : 0;
  std::string text;
  text.reserve(1024 * (games.size() - first + 1));
  auto line = [&text](const std::string& key, const std::string& value) { text += key + '=' + value + '\n'; };
  text += std::string("[") + kRecallSection + "]\n";
  line("Version", std::to_string(kRecallVersion));
  line("Games", std::to_string(games.size() - first));
  text += std::string("[") + kMetersSection + "]\n";
  for (const MeterKey& k : kMeterKeys) line(k.key, std::to_string(meters.*k.field));
  for (size_t i = first; i < games.size(); ++i) {
    const GameRecord& g = games[i];
    text += '[';
    text += GameSection(i - first);
    text += "]\n";
    line("Number", std::to_string(g.number));
    line("Time", g.time);
    line("Lines", std::to_string(g.lines));
    line("Coins", std::to_string(g.coins));
    line("Bet", std::to_string(g.bet));
    line("CreditsBefore", std::to_string(g.credits_before));
    line("CreditsAfter", std::to_string(g.credits_after));
    line("BellPoolBefore", std::to_string(g.bell_pool_before));
    line("BellPoolAfter", std::to_string(g.bell_pool_after));
    line("BellPoolAward", std::to_string(g.bell_pool_award));
    line("Win", std::to_string(g.win));
    const size_t turns = std::min<size_t>(g.turns.size(), kMaxTurnsPerGame);
    line("Turns", std::to_string(turns));
    for (size_t t = 0; t < turns; ++t) line(Numbered("Turn", t), TurnText(g.turns[t]));
    // A card turned after a turn left out of the record is left out with it.
    std::vector<std::string> gambles;
    for (const rules::GambleStep& s : g.gamble)
      if (s.after < kMaxTurnsPerGame && gambles.size() < kMaxGambleSteps)
        gambles.push_back(std::to_string(s.after) + ' ' + std::to_string(s.stake) + ' ' + std::to_string(s.card) +
                          ' ' + std::to_string(s.won));
    line("Gambles", std::to_string(gambles.size()));
    for (size_t s = 0; s < gambles.size(); ++s) line(Numbered("Gamble", s), gambles[s]);
    // Between games the newest count: they lead to this game's credits.
    const size_t skip = g.between.size() > kMaxBetweenGames ? g.between.size() - kMaxBetweenGames : 0;
    line("Betweens", std::to_string(g.between.size() - skip));
    for (size_t b = skip; b < g.between.size(); ++b)
      line(Numbered("Between", b - skip), std::to_string(static_cast<int>(g.between[b].kind)) + ' ' +
                                              std::to_string(g.between[b].credits_before) + ' ' +
                                              std::to_string(g.between[b].credits_after));
  }
  return platform::ProfileText(std::move(text));
}

RecallRead ParseRecall(const platform::ProfileText& text, std::vector<GameRecord>& games, rules::Meters& meters) {
  games.clear();
  meters = rules::Meters{};
  // Sums of 32-bit amounts over a machine's life: far inside 64 bits, never near their ends.
  constexpr int64_t kMeterMost = int64_t{1} << 60;
  for (const MeterKey& k : kMeterKeys)
    if (!ReadNumber(text, kMetersSection, k.key, meters.*k.field, k.may_be_negative ? -kMeterMost : 0, kMeterMost))
      return RecallRead::Damaged;
  int version = 0, count = 0;
  if (!ReadNumber(text, kRecallSection, "Version", version, kRecallVersion, kRecallVersion) ||
      !ReadNumber(text, kRecallSection, "Games", count, 0, rules::kMaxRecallGames))
    return RecallRead::Damaged;
  games.resize(count);
  for (int i = 0; i < count; ++i) {
    if (!ParseGame(text, GameSection(i), games[i])) {
      games.clear();
      return RecallRead::Damaged;
    }
  }
  return RecallRead::Ok;
}

RecallRead ReadRecall(const platform::ProfileFile& file, std::vector<GameRecord>& games, rules::Meters& meters) {
  games.clear();
  const platform::ProfileText text = file.Read();
  if (file.LastReadRefused()) return RecallRead::Damaged;
  if (text.Text().empty()) {
    std::error_code ec;
    return fs::exists(file.Path(), ec) ? RecallRead::Damaged : RecallRead::Missing;
  }
  return ParseRecall(text, games, meters);
}

std::string PutRecallAside(const std::string& path) {
  return MoveToFreeName(path, fs::path(path).parent_path().string(), kDamagedRecallName);
}

Recall::Recall(const std::string& saved_game_path, platform::FileOps* ops, int keep)
    : file_(RecallPathFor(saved_game_path), ops), keep_(keep) {}

std::string Recall::Open() {
  const RecallRead read = ReadRecall(file_, games_, meters_);
  has_meters_ = read == RecallRead::Ok;
  if (read != RecallRead::Damaged) return "";
  const std::string aside = PutRecallAside(file_.Path());
  if (aside.empty())
    // TRANSLATORS: %1 is the path of the recall file.
    return platform::FillIn(_("The game recall in %1 could not be read and could not be moved aside; "
                              "the games played from now on are recalled until Vantello closes."),
                            {file_.Path()});
  // TRANSLATORS: %1 is the path of the recall file, %2 the path it was moved to.
  return platform::FillIn(_("The game recall in %1 could not be read; it was kept as %2 and a new recall "
                            "begins. The saved games are not affected."),
                          {file_.Path(), aside});
}

bool Recall::Keep(const rules::GameRecord& game, const rules::Meters& meters) {
  games_.push_back(game);
  games_.back().time = platform::LocalTimeStamp();
  if (games_.size() > static_cast<size_t>(keep_)) games_.erase(games_.begin(), games_.end() - keep_);
  return file_.WriteWhole(RecallText(games_, keep_, meters));
}

}  // namespace persistence
