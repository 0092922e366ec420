#include "dialogs/session_chart.h"

#include <algorithm>
#include <memory>
#include <string>

#include "dialogs/dialog_pictures.h"
#include "dialogs/locale_numbers.h"
#include "machine/manual_topics.h"
#include "platform/dialog.h"
#include "platform/words.h"

namespace dialogs {

namespace {

constexpr int kPoints = 10;

void DrawChart(platform::Canvas& c, const std::vector<rules::SessionPoint>& points) {
  c.Fill(kChartLeft, kChartTop, kChartWidth, kChartHeight, platform::kWhite);
  c.Fill(kChartLeft - 1, kChartTop, 1, kChartHeight + 1, platform::kBlack);
  c.Fill(kChartLeft - 1, kChartTop + kChartHeight, kChartWidth + 1, 1, platform::kBlack);
  if (points.empty()) {
    c.Text(kChartLeft + 20, kChartTop + kChartHeight / 2 - 8, _("No game played yet this session."), kPoints,
           platform::kBlack);
    return;
  }
  int64_t lowest = points.front().credits_before, highest = lowest;
  for (const rules::SessionPoint& p : points) {
    lowest = std::min({lowest, p.credits_before, p.credits_after});
    highest = std::max({highest, p.credits_before, p.credits_after});
  }
  const NumberSeparators sep = UserSeparators();
  for (int64_t v : {lowest, highest}) {
    const std::string label = FormatCount(v, 1, sep);
    const int y = ChartY(v, lowest, highest);
    c.Text(kChartLeft - 6 - c.TextWidth(label, kPoints, false), y - 8, label, kPoints, platform::kBlack);
    c.Fill(kChartLeft - 4, y, 3, 1, platform::kBlack);
  }
  // Borrowing and paying back first, under the line: a mark the height of the chart just
  // after the game before, where the credits changed hands.
  for (size_t i = 0; i < points.size(); ++i) {
    const int x = BetweenX(i, points.size());
    if (points[i].borrowed) c.Fill(x, kChartTop, 2, kChartHeight, kBorrowMark);
    else if (points[i].paid_back) c.Fill(x, kChartTop, 2, kChartHeight, kPayBackMark);
  }
  // The credits after each game, joined up as steps.
  int last_y = ChartY(points.front().credits_before, lowest, highest);
  int last_x = kChartLeft;
  for (size_t i = 0; i < points.size(); ++i) {
    const int x = ChartX(i, points.size());
    const int y = ChartY(points[i].credits_after, lowest, highest);
    c.Fill(last_x, last_y - 1, std::max(1, x - last_x + 1), 2, kCreditsLine);
    c.Fill(x - 1, std::min(last_y, y) - 1, 2, std::abs(y - last_y) + 2, kCreditsLine);
    last_x = x;
    last_y = y;
  }
}

}  // namespace

int ChartX(size_t i, size_t count) {
  return kChartLeft + static_cast<int>((i + 1) * static_cast<size_t>(kChartWidth - 1) / std::max<size_t>(count, 1));
}

int BetweenX(size_t i, size_t count) { return (i == 0 ? kChartLeft : ChartX(i - 1, count)) + 2; }

int ChartY(int64_t credits, int64_t lowest, int64_t highest) {
  if (highest <= lowest) return kChartTop + kChartHeight / 2;
  const double share = static_cast<double>(credits - lowest) / static_cast<double>(highest - lowest);
  return kChartTop + kChartHeight - 1 - static_cast<int>(share * (kChartHeight - 2));
}

void ShowSessionChart(machine::Machine& m) {
  const int width = kChartLeft + kChartWidth + 20;
  const int legend_top = kChartTop + kChartHeight + 12;
  const int buttons_top = legend_top + 2 * 18 + 8;
  auto dialog = m.dialogs.NewDialog(_("Credits This Session"), width, buttons_top + 33 + 16, kButtonFace);
  dialog->SetHelpTopic(machine::kGameRecallHelpTopic);
  platform::LabelStyle plain;
  plain.points = kPoints;
  const size_t games = m.SessionPoints.size();
  // TRANSLATORS: over the chart of the session's credits; %1 is how many games it shows.
  dialog->AddLabel(16, 12, width - 32, 18,
                   platform::FillIn(P_("Your credits after each game of this session, %1 game so far.",
                                       "Your credits after each game of this session, %1 games so far.", games),
                                    {std::to_string(games)}),
                   plain);
  platform::LabelStyle legend = plain;
  legend.wrap = true;
  dialog->AddLabel(16, legend_top, width - 32, 2 * 18,
                   // TRANSLATORS: the legend under the chart; the colours are those of its line
                   // and marks.
                   _("Red: the credits. Blue: credits borrowed before that game; green: paid back."), legend);
  const platform::Bitmap tick = DialogBitmap("OkTick", m.ProgramFolder, dialog->Surface().ComposeScale());
  dialog->AddButton(width - 16 - 89, buttons_top, 89, 33, _("OK"), platform::ButtonKind::Ok, nullptr, &tick);
  platform::Dialog& d = *dialog;
  dialog->OnPaint([&d, &m] { DrawChart(d.Surface(), m.SessionPoints); });
  dialog->ShowModal();
}

}  // namespace dialogs
