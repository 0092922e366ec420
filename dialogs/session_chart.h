// "Credits This Session": the credits after each game of the session, game by game, drawn
// by the game itself, with the games before which the player borrowed or paid back marked.
#pragma once
#include <vector>

#include "machine/machine.h"
#include "platform/canvas.h"

namespace dialogs {

void ShowSessionChart(machine::Machine& m);

// Where the chart lies in its window, and its colours, for the tests.
constexpr int kChartLeft = 70, kChartTop = 40, kChartWidth = 500, kChartHeight = 240;
constexpr platform::Color kCreditsLine = 0xC00000;
constexpr platform::Color kBorrowMark = 0x0000C0;
constexpr platform::Color kPayBackMark = 0x008000;

// The x of game i (0 the first) of `count` across the chart, and the y of an amount
// between the lowest and highest the chart shows.
int ChartX(size_t i, size_t count);
int ChartY(int64_t credits, int64_t lowest, int64_t highest);
// The x of the mark for what came between game i - 1 and game i.
int BetweenX(size_t i, size_t count);

}  // namespace dialogs
