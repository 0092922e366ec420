// The game recall: every game written down as it is played, kept across starts in a file
// of its own, each game's credits leading to the next; a damaged file costs no saved game.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "dialogs/recall_window.h"
#include "dialogs/session_chart.h"
#include "machine/bets.h"
#include "machine/game_recording.h"
#include "persistence/recall.h"
#include "rules/card_game.h"
#include "tests/profile_test_support.h"
#include "tests/test_machine.h"

namespace {

namespace fs = std::filesystem;
using platform::testing::FakeDialog;
using rules::GameRecord;
using testing_support::ReadBytes, testing_support::WriteBytes;

int32_t CardValue(int32_t card) { return card == rules::kJokerCard ? rules::kJokerValue : card % 13; }

// The window's machine set to pay at once, silently and without the card table, with a
// game played at each of these times of day.
machine::Machine& PlayQuietly(testing_support::TestForm& t, std::initializer_list<uint32_t> seeds) {
  machine::Machine& m = t.form->Machine();
  m.g.Sound = m.g.CountOffWins = m.g.DoubleOrNothingOn = false;
  for (uint32_t seed : seeds) {
    t.fake.time_of_day_ = seed;
    machine::RequestSpin(m);
  }
  return m;
}

// What a game credited, worked out from its turns and its cards: a turn's win, or what
// the last card turned after it left at stake.
int64_t CreditedByTurns(const GameRecord& game) {
  int64_t total = 0;
  for (size_t i = 0; i < game.turns.size(); ++i) {
    int64_t win = game.turns[i].win;
    for (const rules::GambleStep& s : game.gamble)
      if (s.after == static_cast<int>(i)) win = s.won;
    total += win;
  }
  return total;
}

// The smallest game a recall holds: one line, one coin, one spin.
GameRecord OneGame() {
  GameRecord game;
  game.lines = game.coins = game.bet = 1;
  game.turns.resize(1);
  return game;
}

// Every game of a session in order: each adds up, follows from its seeds, and starts
// from the credits the one before it (and whatever came between) left.
void ExpectChained(const std::vector<GameRecord>& games) {
  for (size_t i = 0; i < games.size(); ++i) {
    const GameRecord& g = games[i];
    SCOPED_TRACE("game " + std::to_string(g.number));
    EXPECT_EQ(g.credits_after, g.credits_before - g.bet + g.win);
    EXPECT_EQ(g.win, CreditedByTurns(g));
    ASSERT_FALSE(g.turns.empty());
    EXPECT_EQ(g.turns[0].kind, rules::TurnKind::Spin);
    for (const rules::TurnRecord& turn : g.turns) EXPECT_TRUE(rules::TurnFollowsFromSeed(turn));
    // The first card at a table stakes the turn's win; each card after it what the one before left.
    for (size_t s = 0; s < g.gamble.size(); ++s) {
      const rules::GambleStep& step = g.gamble[s];
      const bool first = s == 0 || g.gamble[s - 1].after != step.after;
      EXPECT_EQ(step.stake, first ? g.turns[step.after].win : g.gamble[s - 1].won);
      EXPECT_EQ(step.won, rules::TurnValue(CardValue(step.card), step.stake).win);
    }
    if (i == 0) continue;
    const GameRecord& before = games[i - 1];
    EXPECT_EQ(g.number, before.number + 1);
    EXPECT_EQ(g.bell_pool_before, before.bell_pool_after);
    int64_t credits = before.credits_after;
    for (const rules::BetweenGames& b : g.between) {
      EXPECT_EQ(b.credits_before, credits);
      credits = b.credits_after;
    }
    EXPECT_EQ(g.credits_before, credits);
  }
}

// A session played through the real window: wins with rolls, the Bell Pool, the card
// table won and lost, borrowing and paying back, until all of it has happened.
TEST(Recall, ASessionIsRecalledInOrderAndEachGamesCreditsLeadToTheNext) {
  testing_support::TestForm t;
  machine::Machine& m = t.form->Machine();
  rules::GameState& g = m.g;
  g.Sound = g.CountOffWins = false;
  g.DoubleOrNothingOn = true;
  t.fake.pump_step_ms = 25;
  std::mt19937 rng(20261208);
  t.fake.on_pump = [&] { t.fake.time_of_day_ = static_cast<uint32_t>(rng()); };
  // Every card table: the first card turned, then whatever is left taken.
  auto turn_first_card = [](FakeDialog& d) {
    d.MouseUp(rules::SlotLeft(0) + 30, rules::SlotTop(0) + 40);
    d.Close();
  };
  auto borrow = [&](bool pay_back) {
    t.dialogs.scripts.clear();
    t.dialogs.scripts.push_back([pay_back](FakeDialog& d) {
      if (pay_back) d.Click(d.Find("Pay Back Credits"));
      for (size_t i = 0; i < d.controls.size(); ++i)
        if (d.controls[i].x == 201 && d.controls[i].y == 104) d.Click(static_cast<int>(i));  // 100
    });
    t.form->PressCommand(view::CmdBorrow);
  };

  std::vector<GameRecord> played;
  bool rolls = false, bell_pool = false, card_won = false, card_lost = false;
  while (played.size() < 12 || !(rolls && bell_pool && card_won && card_lost)) {
    ASSERT_LT(played.size(), 20000u) << rolls << bell_pool << card_won << card_lost;
    if (played.size() == 3) borrow(false);
    if (played.size() == 5) borrow(true);
    if (g.Credits < g.LinesPlayed * g.CoinsPerLine) borrow(false);
    t.dialogs.scripts.assign(50, turn_first_card);
    machine::RequestSpin(m);
    const std::vector<GameRecord>& kept = t.form->GameRecall().Games();
    ASSERT_FALSE(kept.empty());
    if (!played.empty()) {
      ASSERT_NE(kept.back().number, played.back().number) << "no game recorded";
    }
    played.push_back(kept.back());
    const GameRecord& last = played.back();
    rolls |= last.turns.size() > 1;
    bell_pool |= last.bell_pool_award > 0;
    for (const rules::GambleStep& s : last.gamble) (s.won > s.stake ? card_won : card_lost) |= s.won != s.stake;
  }
  ExpectChained(played);
  EXPECT_EQ(played[3].between.size(), 1u);
  EXPECT_EQ(played[5].between.at(0).kind, rules::BetweenKind::PayBack);

  // The last ten, as they were played, and the same after a restart.
  auto numbers = [](const std::vector<GameRecord>& games) {
    std::vector<int64_t> n;
    for (const GameRecord& game : games) n.insert(n.end(), {game.number, game.credits_after, game.win,
                                                            static_cast<int64_t>(game.turns.back().seed)});
    return n;
  };
  const std::vector<GameRecord> last_ten(played.end() - rules::kRecallGames, played.end());
  EXPECT_EQ(numbers(t.form->GameRecall().Games()), numbers(last_ten));
  t.Reopen();
  EXPECT_EQ(numbers(t.form->GameRecall().Games()), numbers(last_ten));
  ExpectChained(t.form->GameRecall().Games());
}

// A recall file that cannot be believed is kept aside and said once; the saved game and
// play go on, and the next game starts a new recall.
TEST(Recall, ADamagedOrHostileRecallIsKeptAsideAndCostsNoSavedGame) {
  testing_support::TestForm t;
  t.form->Machine().g.Credits = 4321;
  t.form->CloseWindow();
  const std::string ini = (t.folder / "Vantello.ini").string(), recall = persistence::RecallPathFor(ini);
  const std::string saved = ReadBytes(ini);
  rules::Meters meters;
  meters.opening_credits = 4321;  // as this saved game leaves them
  const std::string good = persistence::RecallText({OneGame()}, 10, meters).Text();
  auto with = [&](std::string from, const std::string& to) { return good.substr(0, good.find(from)) + to +
                                                                    good.substr(good.find(from) + from.size()); };
  const std::vector<std::string> hostile{
      "\x01\xFF garbage", with("Games=1", "Games=101"), with("Games=1", "Games=2"), with("Bet=1", "Bet=2"),
      with("Turns=1", "Turns=0"), with("Turns=1", "Turns=99999999999"), with("Time=", "Time=\x1b[31m"),
      with("Turn1=0 ", "Turn1=0 -1 "), with("CreditsAfter=0", "CreditsAfter=1e9"),
      std::string(platform::kMaxProfileFileBytes + 1, '[')};
  for (const std::string& text : hostile) {
    SCOPED_TRACE(text.substr(0, 200));
    fs::remove(t.folder / persistence::kDamagedRecallName);
    WriteBytes(recall, text);
    t.fake.boxes.clear();
    t.Reopen();
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_NE(t.fake.boxes[0].find("could not be read; it was kept as"), std::string::npos) << t.fake.boxes[0];
    EXPECT_EQ(ReadBytes((t.folder / persistence::kDamagedRecallName).string()), text);
    EXPECT_TRUE(t.form->GameRecall().Games().empty());
    EXPECT_EQ(t.form->Machine().g.Credits, 4321);
    EXPECT_EQ(ReadBytes(ini), saved);
  }
  WriteBytes(recall, good);
  t.fake.boxes.clear();
  t.Reopen();
  EXPECT_TRUE(t.fake.boxes.empty());
  EXPECT_EQ(t.form->GameRecall().Games().size(), 1u);
}

// The credits a saved game holds are checked against the meters at every start: a file
// edited (or put back from an older copy) is reported once, played on as it is, and the
// change kept in the meters and in the next game's record, so the chain still adds up.
TEST(Recall, ASavedGameWhoseCreditsTheMetersCannotExplainIsReportedOnce) {
  testing_support::TestForm t;
  PlayQuietly(t, {11u, 22u});
  t.form->CloseWindow();
  const std::string ini = (t.folder / "Vantello.ini").string();
  std::string text = ReadBytes(ini);
  const size_t at = text.find("Credits=") + 8;
  const int64_t left = std::stoll(text.substr(at));
  text.replace(at, text.find('\n', at) - at, std::to_string(left + 500));
  WriteBytes(ini, text);

  t.fake.boxes.clear();
  t.Reopen();
  EXPECT_EQ(t.fake.boxes, std::vector<std::string>{"Information: " + app::MetersDoNotAddUp(left + 500, left)});
  machine::Machine& again = t.form->Machine();
  EXPECT_EQ(again.g.Credits, left + 500);  // never "mended"
  again.g.Sound = again.g.CountOffWins = again.g.DoubleOrNothingOn = false;
  t.fake.time_of_day_ = 33;
  machine::RequestSpin(again);
  const std::vector<GameRecord>& games = t.form->GameRecall().Games();
  ASSERT_EQ(games.size(), 3u);
  ASSERT_EQ(games[2].between.size(), 1u);
  EXPECT_EQ(games[2].between[0].kind, rules::BetweenKind::Unexplained);
  ExpectChained(games);
  EXPECT_EQ(rules::CreditsByMeters(again.LifeMeters), again.g.Credits);
  EXPECT_EQ(again.LifeMeters.games, 3);
  EXPECT_EQ(again.SessionMeters.games, 1);

  t.form->CloseWindow();
  t.fake.boxes.clear();
  t.Reopen();
  EXPECT_TRUE(t.fake.boxes.empty()) << t.fake.boxes.front();

  // The saved games deleted to start afresh: a new game, said to nobody, that the meters
  // take in as one.
  t.form->CloseWindow();
  fs::remove(ini);
  t.Reopen();
  EXPECT_TRUE(t.fake.boxes.empty()) << t.fake.boxes.front();
  EXPECT_EQ(t.form->Machine().g.Credits, rules::kNewGameCredits);
  EXPECT_EQ(rules::CreditsByMeters(t.form->Machine().LifeMeters), rules::kNewGameCredits);
}

// R opens the recall on the newest game; Previous and Next walk it, and each game's nine
// symbols are the machine's own pictures of what its wheels stopped on.
TEST(Recall, RShowsTheGamesNewestFirstWithTheMachinesPictures) {
  testing_support::TestForm t;
  t.form->HandleKey(machine::KeyR);
  EXPECT_EQ(t.fake.boxes, std::vector<std::string>{"Information: No game has been played yet: the recall shows "
                                                   "games once they have been played."});
  PlayQuietly(t, {11u, 22u, 33u});
  const std::vector<GameRecord>& games = t.form->GameRecall().Games();
  ASSERT_EQ(games.size(), 3u);
  const view::Artwork& art = t.form->View().art;
  const int size = t.form->View().layout.SymbolSize();
  std::vector<std::string> headings;
  // The nine squares of the game on show: each the sheet's picture of its symbol, except
  // where a winning line hatches it.
  auto expect_symbols = [&](FakeDialog& d, const GameRecord& game) {
    const rules::TurnRecord& spin = game.turns.front();
    const platform::Bitmap& shown = d.surface.Pixels();
    int pictures = 0;
    for (int w = 0; w < 9; ++w) {
      bool hatched = false;
      for (int line = 0; line < 8; ++line)
        for (int cell : rules::kPaylines[line]) hatched |= spin.line_wins[line] > 0 && cell == w;
      if (hatched) continue;
      const int x = 16 + (w % 3) * (size + 4), y = 16 + 2 * 18 + 8 + (w / 3) * (size + 4);
      const int sx = (spin.cells[w] % 4) * size, sy = (spin.cells[w] / 4) * size;
      bool same = true;
      for (int dy = 0; dy < size && same; dy += 3)
        for (int dx = 0; dx < size && same; dx += 3)
          same = shown.Pixel(x + dx, y + dy) == art.SymbolSheet.Pixel(sx + dx, sy + dy);
      EXPECT_TRUE(same) << "game " << game.number << " cell " << w;
      ++pictures;
    }
    EXPECT_GT(pictures, 0);
  };
  t.dialogs.scripts.push_back([&](FakeDialog& d) {
    EXPECT_EQ(d.caption, "Game Recall");
    EXPECT_EQ(d.help_topic, machine::kGameRecallHelpTopic);
    for (int step = 0; step < 4; ++step) {
      headings.push_back(d.controls[1].text);
      const int shown = std::min(step, 2);  // Previous stops at the oldest
      expect_symbols(d, games[games.size() - 1 - shown]);
      d.Click(d.Find("< &Previous"));
    }
    d.Click(d.Find("&Next >"));
    headings.push_back(d.controls[1].text);
  });
  t.form->HandleKey(machine::KeyR);
  ASSERT_EQ(headings.size(), 5u);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(headings[i], dialogs::RecallHeading(games[2 - i], i + 1, 3));
  EXPECT_EQ(headings[3], headings[2]);
  EXPECT_EQ(headings[4], headings[1]);
}

// The session on the window's title: the game's name until a game is played, then the
// time played and the net result, kept up by a timer while the player thinks.
TEST(Session, TheTitleShowsTheTimePlayedAndTheNetResult) {
  EXPECT_EQ(app::SessionTitle(0, 0, false), "Vantello");
  EXPECT_EQ(app::SessionTitle(42 * 60000 + 59999, 120, true), "Vantello \u2014 0:42, +120");
  EXPECT_EQ(app::SessionTitle(3 * 3600000, -40, true), "Vantello \u2014 3:00, -40");
  testing_support::TestForm t;
  const int64_t opening = t.form->Machine().g.Credits;
  EXPECT_EQ(t.shell.title, "Vantello");
  machine::Machine& m = PlayQuietly(t, {11u});
  EXPECT_EQ(t.shell.title, app::SessionTitle(0, m.g.Credits - opening, true));  // under a minute
  t.fake.now_ += 61 * 60000;
  t.fake.Fire(app::kSessionTimer);
  EXPECT_EQ(t.shell.title, "Vantello \u2014 1:01, " + std::string(m.g.Credits < opening ? "" : "+") +
                               std::to_string(m.g.Credits - opening));
  t.form->CloseWindow();
  EXPECT_FALSE(t.fake.Running(app::kSessionTimer));
}

// The meters page, opened from the statistics: the machine's life and the session side by
// side, and the credits they explain are the credits the player holds.
TEST(Meters, TheStatisticsOpenTheMetersAndTheyExplainTheCredits) {
  testing_support::TestForm t;
  machine::Machine& m = PlayQuietly(t, {11u, 22u, 33u});
  std::map<std::string, std::pair<std::string, std::string>> rows;
  t.dialogs.scripts.push_back([](FakeDialog& stats) { stats.Click(stats.Find("Machine &Meters...")); });
  t.dialogs.scripts.push_back([&rows](FakeDialog& d) {
    EXPECT_EQ(d.caption, "Machine Meters");
    // Caption, life, session: three labels a row.
    for (size_t i = 2; i + 2 < d.controls.size(); ++i)
      if (d.controls[i].text.back() == ':') rows[d.controls[i].text] = {d.controls[i + 1].text, d.controls[i + 2].text};
  });
  t.form->PressCommand(view::CmdStats);
  ASSERT_EQ(t.dialogs.opened, (std::vector<std::string>{"Your Game Statistics", "Machine Meters"}));
  EXPECT_EQ(rows["Games played:"], (std::pair<std::string, std::string>("3", "3")));
  EXPECT_EQ(rows["Credits by the meters:"], rows["Credits now:"]);
  EXPECT_EQ(rows["Turnover (bets):"].first, std::to_string(3 * m.g.LinesPlayed * m.g.CoinsPerLine));
}

// A recall write cut short at any step (a full disk, a crash before the rename) leaves the
// last recall whole: the next start reads every game it held, and the game is lost only
// from the file, never from the player's credits.
TEST(Recall, AWriteCutShortLeavesTheLastRecallWhole) {
  testing_support::TempFolder folder;
  const std::string ini = folder.File("Vantello.ini");
  testing_support::TestFileOps ops;
  persistence::Recall recall(ini, &ops);
  ASSERT_EQ(recall.Open(), "");
  const GameRecord game = OneGame();
  const rules::Meters meters;
  ASSERT_TRUE(recall.Keep(game, meters));
  const std::string kept = ReadBytes(persistence::RecallPathFor(ini));
  for (const char* step : {"CreateTemp", "Write", "Sync", "Close", "Rename"}) {
    SCOPED_TRACE(step);
    ops.fail = step;
    EXPECT_FALSE(recall.Keep(game, meters));
    EXPECT_FALSE(recall.File().Failure().empty());
    EXPECT_EQ(ReadBytes(persistence::RecallPathFor(ini)), kept);
  }
  persistence::Recall next(ini);
  EXPECT_EQ(next.Open(), "");
  EXPECT_EQ(next.Games().size(), 1u);
}

// The session's chart: a step of the credits line for each game, higher for more credits,
// and a mark where the player borrowed.
TEST(SessionChart, DrawsEachGamesCreditsAndMarksBorrowing) {
  testing_support::TestForm t;
  machine::Machine& m = PlayQuietly(t, {11u, 22u, 33u});
  const int64_t before = m.g.Credits;
  m.g.Credits += 500;
  m.g.Borrowed += 500;
  machine::RecordBetween(m, rules::BetweenKind::Borrow, before);
  t.fake.time_of_day_ = 44;
  machine::RequestSpin(m);
  const std::vector<rules::SessionPoint>& points = m.SessionPoints;
  ASSERT_EQ(points.size(), 4u);
  EXPECT_TRUE(points[3].borrowed);
  t.dialogs.scripts.push_back([&](FakeDialog& d) {
    const platform::Bitmap& shown = d.surface.Pixels();
    // The credits line's highest pixel in the column of each game, just before its x.
    auto line_top = [&](size_t i) {
      const int x = dialogs::ChartX(i, points.size()) - 3;
      for (int y = dialogs::kChartTop; y < dialogs::kChartTop + dialogs::kChartHeight; ++y)
        if (shown.Pixel(x, y) == dialogs::kCreditsLine) return y;
      return -1;
    };
    // Just before game i's x the line stands at the credits game i - 1 left: more credits, higher up.
    std::vector<std::pair<int64_t, int>> levels;
    for (size_t i = 1; i < points.size(); ++i) {
      levels.emplace_back(points[i - 1].credits_after, line_top(i));
      ASSERT_GE(levels.back().second, 0) << i;
    }
    for (const auto& [credits, y] : levels)
      for (const auto& [other_credits, other_y] : levels)
        if (credits > other_credits) {
          EXPECT_LT(y, other_y) << credits << " vs " << other_credits;
        }
    // A mark down most of the chart where the player borrowed, and nowhere else.
    auto marked = [&](int x) {
      int n = 0;
      for (int y = dialogs::kChartTop; y < dialogs::kChartTop + dialogs::kChartHeight; ++y)
        n += shown.Pixel(x, y) == dialogs::kBorrowMark;
      return n;
    };
    for (size_t i = 0; i < points.size(); ++i)
      EXPECT_EQ(marked(dialogs::BetweenX(i, points.size())) > dialogs::kChartHeight / 2, i == 3) << i;
  });
  dialogs::ShowSessionChart(m);
  EXPECT_EQ(t.dialogs.opened.back(), "Credits This Session");
}

}  // namespace
