#include "dialogs/meters_window.h"

#include <memory>

#include "analysis/luck.h"
#include "dialogs/dialog_pictures.h"
#include "dialogs/locale_numbers.h"
#include "dialogs/session_chart.h"
#include "machine/manual_topics.h"
#include "platform/dialog.h"
#include "platform/words.h"

namespace dialogs {

namespace {

constexpr int kPoints = 10;
constexpr int kRow = 18;
constexpr int kCaptionWidth = 290;
constexpr int kFigureWidth = 140;

}  // namespace

std::vector<MeterRow> MeterRows(const rules::Meters& life, const rules::Meters& session, int64_t credits) {
  const NumberSeparators sep = UserSeparators();
  auto count = [&sep](int64_t v) { return FormatCount(v, 1, sep); };
  std::vector<MeterRow> rows;
  auto row = [&](const char* caption, int64_t rules::Meters::*field) {
    rows.push_back({_(caption), count(life.*field), count(session.*field)});
  };
  // TRANSLATORS: the captions of the Machine Meters rows, each before two counts; they
  // must fit 290 pixels.
  row(N_("Credits at the start:"), &rules::Meters::opening_credits);
  row(N_("Games played:"), &rules::Meters::games);
  row(N_("Turnover (bets):"), &rules::Meters::turnover);
  row(N_("Total won:"), &rules::Meters::won);
  row(N_("Double or Nothing staked:"), &rules::Meters::gamble_staked);
  row(N_("Double or Nothing returned:"), &rules::Meters::gamble_returned);
  row(N_("Bell Pool contributions:"), &rules::Meters::bell_pool_in);
  row(N_("Bell Pool awards:"), &rules::Meters::bell_pool_awards);
  row(N_("Rolls played:"), &rules::Meters::rolls);
  row(N_("Won in rolls:"), &rules::Meters::roll_wins);
  row(N_("Borrowed:"), &rules::Meters::borrowed);
  row(N_("Paid back:"), &rules::Meters::paid_back);
  row(N_("Credits set (new, loaded, unexplained):"), &rules::Meters::credits_set);
  rows.push_back(
      {_("Credits by the meters:"), count(rules::CreditsByMeters(life)), count(rules::CreditsByMeters(session))});
  rows.push_back({_("Credits now:"), count(credits), count(credits)});
  return rows;
}

std::string ReturnSentence(const rules::Meters& life, const rules::GameState& g) {
  if (life.games <= 0 || life.turnover <= 0) return _("Your return shows here once you have played.");
  if (g.LinesPlayed < 1 || g.CoinsPerLine < 1) return _("Place a bet to see what the machine pays back at it.");
  const NumberSeparators sep = UserSeparators();
  auto percent = [&sep](double v, int decimals) { return FormatFixed(v, 1, decimals, sep) + "%"; };
  const double won = static_cast<double>(life.won - (life.gamble_returned - life.gamble_staked));
  const double lamp = g.Spins > 0 ? static_cast<double>(g.SkillStopWins) / g.Spins : 0;
  const analysis::ReturnRange range = analysis::LuckRange(g.LinesPlayed, g.CoinsPerLine, lamp, life.games);
  const std::string games = platform::FillIn(P_("%1 game", "%1 games", static_cast<unsigned long>(life.games)),
                                             {FormatCount(life.games, 1, sep)});
  // TRANSLATORS: under the Machine Meters; %1 is the player's return in percent, %2 the
  // games it is taken over ("12 games"), %3 the return expected, %4 to %5 the range luck
  // explains.
  return platform::FillIn(_("Your return %1 over %2; expected %3, and anything from %4 to %5 is ordinary luck "
                            "over %2."),
                          {percent(won / static_cast<double>(life.turnover) * 100, 1), games,
                           percent(range.expected, 1), percent(range.low, 0), percent(range.high, 0)});
}

void ShowMetersWindow(machine::Machine& m) {
  const std::vector<MeterRow> rows = MeterRows(m.LifeMeters, m.SessionMeters, m.g.Credits);
  const int left = 16, life_x = left + kCaptionWidth, session_x = life_x + kFigureWidth;
  const int width = session_x + kFigureWidth + 16;
  const int table_top = 16 + kRow + 4;
  const int note_top = table_top + static_cast<int>(rows.size()) * kRow + 8;
  const int return_top = note_top + 2 * kRow + 4;
  const int buttons_top = return_top + 2 * kRow + 8;
  auto dialog = m.dialogs.NewDialog(_("Machine Meters"), width, buttons_top + 33 + 16, kButtonFace);
  dialog->SetHelpTopic(machine::kGameRecallHelpTopic);

  platform::LabelStyle caption, figure, heading;
  caption.points = figure.points = heading.points = kPoints;
  figure.align = heading.align = platform::Align::Right;
  heading.bold = true;
  // TRANSLATORS: the heading of the column of counts over the machine's whole life; it
  // must fit 140 pixels.
  dialog->AddLabel(life_x, 16, kFigureWidth, kRow, _("Machine's life"), heading);
  // TRANSLATORS: the heading of the column of counts over this session; it must fit 140
  // pixels.
  dialog->AddLabel(session_x, 16, kFigureWidth, kRow, _("This session"), heading);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int y = table_top + static_cast<int>(i) * kRow;
    platform::LabelStyle c = caption;
    c.bold = i + 2 >= rows.size();  // the check, in bold
    dialog->AddLabel(left, y, kCaptionWidth, kRow, rows[i].caption, c);
    dialog->AddLabel(life_x, y, kFigureWidth, kRow, rows[i].life, figure);
    dialog->AddLabel(session_x, y, kFigureWidth, kRow, rows[i].session, figure);
  }
  platform::LabelStyle note;
  note.points = kPoints;
  note.wrap = true;
  dialog->AddLabel(left, note_top, width - 2 * left, 2 * kRow,
                   _("Credits = credits at the start + won + borrowed + credits set - turnover - paid back; "
                     "Double or Nothing stakes are not bets."),
                   note);
  dialog->AddLabel(left, return_top, width - 2 * left, 2 * kRow, ReturnSentence(m.LifeMeters, m.g), note);
  const platform::Bitmap tick = DialogBitmap("OkTick", m.ProgramFolder, dialog->Surface().ComposeScale());
  dialog->AddButton(width - 16 - 89, buttons_top, 89, 33, _("OK"), platform::ButtonKind::Ok, nullptr, &tick);
  // TRANSLATORS: a button 160 pixels wide; & marks the letter that presses it with Alt.
  dialog->AddButton(width - 16 - 89 - 8 - 160, buttons_top, 160, 33, _("Session &Chart..."), platform::ButtonKind::Plain,
                    [&m] { ShowSessionChart(m); });
  dialog->ShowModal();
}

}  // namespace dialogs
