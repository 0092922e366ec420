#include "view/main_view.h"

#include <string>

#include "platform/words.h"

namespace view {

namespace {

// The clear space a label keeps before the next thing on its row.
constexpr int kLabelGap = 4;

// Where the leftmost of the three bells starts; they are drawn from the right.
int BellsRowLeft(WidthClass wc) {
  return (wc == WidthClass::Small ? 125 : wc == WidthClass::Medium ? 190 : 200) - 64;
}

}  // namespace

int DrawNumber(platform::Canvas& c, const Pictures& p, bool large_digits, int64_t value, int x,
               int y, bool green, bool right_aligned, bool exact_clear) {
  std::string text = std::to_string(value < 0 ? 0 : value).substr(0, 10);
  int n = static_cast<int>(text.size());
  const auto [gw, gh] = LedDigitCell(large_digits);
  if (right_aligned) x -= n * gw;
  c.Hold();
  if (exact_clear) c.Fill(x, y, n * gw, gh, platform::kBlack);
  else if (right_aligned) c.Fill(x - gw, y, (n + 1) * gw, gh, platform::kBlack);
  else c.Fill(x, y, (n + 1) * gw, gh, platform::kBlack);
  const platform::Bitmap& strip = green ? (large_digits ? p.GreenLarge : p.GreenSmall)
                                        : (large_digits ? p.DigitsLarge : p.DigitsSmall);
  for (char d : text) {
    c.Blit(strip, (d - '0') * gw, 0, gw, gh, x, y);
    x += gw;
  }
  c.Release();
  return n * gw;
}

int MainView::Number(int64_t value, int x, int y, bool green, bool right, bool exact) {
  return DrawNumber(m_.canvas, p_, Class() == WidthClass::Large, value, x, y, green, right, exact);
}

Point CreditsMeterAt(const Layout& l) { return {l.Large() ? 5 : 10, 30}; }

void MainView::DrawCreditsMeter() {
  const Point at = CreditsMeterAt(layout);
  Number(m_.g.Credits, at.x, at.y, false, false, false);
}

void MainView::DrawBellPoolMeter() {
  WidthClass wc = Class();
  int y = wc == WidthClass::Small ? 80 : wc == WidthClass::Medium ? 90 : 125;
  Number(m_.g.BellPool, wc == WidthClass::Large ? 5 : 10, y, true, false, false);
}

void MainView::DrawLinesMeter() {
  WidthClass wc = Class();
  int x = Right() + (wc == WidthClass::Small ? 10 : wc == WidthClass::Medium ? 20 : 5);
  Number(m_.g.LinesPlayed, x, 30, true, false, true);
}

void MainView::DrawCoinsMeter() {
  WidthClass wc = Class();
  int x = Right() + (wc == WidthClass::Small ? 85 : wc == WidthClass::Medium ? 145 : 130);
  Number(m_.g.CoinsPerLine, x, 30, true, false, true);
}

void MainView::DrawCoinsPlayedMeter() {
  WidthClass wc = Class();
  int x = Right() + (wc == WidthClass::Small ? 140 : wc == WidthClass::Medium ? 195 : 227);
  int y = wc == WidthClass::Small ? 70 : wc == WidthClass::Medium ? 78 : 140;
  // Clear the widest amount the meter shows (8 lines of 8 coins: two digits) and no
  // further: one more cell would reach into the "Coins Played:" label.
  int cell_w = wc == WidthClass::Large ? 32 : 16, cell_h = wc == WidthClass::Large ? 42 : 21;
  m_.canvas.Hold();
  m_.canvas.Fill(x - 2 * cell_w, y, 2 * cell_w, cell_h, platform::kBlack);
  Number(int64_t{m_.g.LinesPlayed} * m_.g.CoinsPerLine, x, y, false, true, true);
  m_.canvas.Release();
}

void MainView::DrawBellsRow() {
  WidthClass wc = Class();
  int x = BellsRowLeft(wc) + 64;
  int y = wc == WidthClass::Small ? 65 : wc == WidthClass::Medium ? 80 : 100;
  platform::Canvas& c = m_.canvas;
  c.Hold();
  // The bells go out from the left as the meter falls.
  for (int i = 1; i <= 3; ++i) {
    if (i <= m_.g.Bells) c.Blit(p_.Bonus, 0, 0, 32, 32, x, y);
    else c.Fill(x, y, 32, 32, platform::kBlack);
    x -= 32;
  }
  c.Release();
}

void MainView::DrawCherriesRow() {
  WidthClass wc = Class();
  int x = wc == WidthClass::Small ? 0 : wc == WidthClass::Medium ? 20 : 10;
  int y = wc == WidthClass::Small ? 140 : wc == WidthClass::Medium ? 170 : 230;
  platform::Canvas& c = m_.canvas;
  c.Hold();
  for (int i = 1; i <= 6; ++i) {
    if (i <= m_.g.Cherries) c.Blit(p_.Bonus, 0, 32, 32, 32, x, y);
    else c.Fill(x, y, 32, 32, platform::kBlack);
    x += 32 - (wc == WidthClass::Small ? 7 : 0);
  }
  c.Release();
}

void MainView::DrawBarRow() {
  WidthClass wc = Class();
  int x = wc == WidthClass::Medium ? 20 : 10;
  int y = wc == WidthClass::Small ? 212 : wc == WidthClass::Medium ? 254 : 330;
  for (int i = 0; i < 3; ++i) {
    if (wc == WidthClass::Small) {
      m_.canvas.Blit(p_.Bonus, 0, 64, 32, 32, x, y);
      x += 32;
    } else {
      m_.canvas.Blit(p_.Bar, 0, 0, 64, 32, x, y);
      x += 64;
    }
  }
}

void MainView::ShowWinnings(bool show) {
  const rules::GameState& g = m_.g;
  if (layout.width <= rules::kMediumScreenWidth) return;
  platform::Canvas& c = m_.canvas;
  bool large = Class() == WidthClass::Large;
  int points = large ? 14 : 12;
  int x = large ? (Right() + c.Width()) / 2 : layout.origin_x - 5;
  int y = large ? 250 : 10;
  // TRANSLATORS: the label beside the amount the last spin won.
  const char* label = _("Winnings:");
  int label_w = c.TextWidth(label, points);
  // Where the amount goes: left-aligned beside the label, or right-aligned under it.
  int number_x = large ? x + 5 : x;
  int number_y = large ? y - 7 : y + c.TextHeight(points);
  c.Hold();
  // The amount on show may be longer than the next (a card game halves it): wipe it all.
  if (winnings_width_ > 0) {
    if (large) c.Fill(number_x, number_y, winnings_width_, 42, platform::kBlack);
    else c.Fill(number_x - winnings_width_, number_y, winnings_width_, 21, platform::kBlack);
    winnings_width_ = 0;
  }
  if (show && g.SpinWin > 0) {
    c.Text(x - label_w, y, label, points, platform::kWhite);
    winnings_width_ = Number(g.SpinWin, number_x, number_y, true, !large, true);
  } else if (large) {
    c.Fill(Right() + 1, 240, c.Width() - Right() - 1, 60, platform::kBlack);
  } else {
    c.Fill(x - label_w, 10, layout.origin_x - (x - label_w), 50, platform::kBlack);
  }
  c.Release();
}

void MainView::DrawLabels() {
  // Each label fits the room up to the next thing on its row (limit), the window's edge
  // for the last one, at the largest size up to its own that measures narrow enough.
  struct Label {
    const char* text;
    int x[3], y[3], size[3], big_font_size[3], limit[3];
  };
  const int r = Right(), o = layout.origin_x, edge = m_.canvas.Width();
  const int bells = BellsRowLeft(Class());
  const Point fs = FreeSpinsCounterAt(layout);
  const int fp = FreeSpinsPoints(layout);
  const Label labels[] = {
      // TRANSLATORS: the machine's labels, each fitted to its room beside a meter: keep them short.
      {N_("Credits:"), {10, 10, 10}, {10, 10, 5}, {8, 12, 14}, {0, 0, 0}, {o, o, o}},
      // TRANSLATORS: the meter of the credits the bells have gathered.
      {N_("Bell Pool:"), {10, 10, 10}, {60, 70, 100}, {8, 12, 14}, {0, 0, 0}, {bells, bells, bells}},
      // TRANSLATORS: the row of cherries that fills towards a bonus.
      {N_("Cherry Roll:"), {10, 10, 10}, {124, 148, 200}, {8, 12, 14}, {0, 0, 0}, {o, o, o}},
      // The FREE Spins counter takes this label's place while Bar Rolls play.
      // TRANSLATORS: above the three bars that win seven free spins.
      {N_("Win 7 FREE Spins:"), {fs.x, fs.x, fs.x}, {fs.y, fs.y, fs.y}, {fp, fp, fp}, {0, 0, 0}, {o, o, o}},
      {N_("Lines Played:"), {r + 10, r + 20, r + 5}, {5, 5, 5}, {8, 12, 14}, {0, 10, 12},
       {r + 89, r + 145, r + 130}},
      // TRANSLATORS: the coins bet on each line.
      {N_("Coins/Line:"), {r + 89, r + 145, r + 130}, {5, 5, 5}, {8, 12, 14}, {0, 10, 12}, {edge, edge, edge}},
      // Up to the two digits of the Coins Played meter, which ends at r + 140, 195 or 227.
      {N_("Coins Played:"), {r + 15, r + 40, r + 15}, {75, 80, 150}, {8, 12, 14}, {0, 0, 0},
       {r + 140 - 32, r + 195 - 32, r + 227 - 64}},
  };
  int wc = static_cast<int>(Class());
  for (const Label& l : labels) {
    int size = (dpi_ > 100 && l.big_font_size[wc]) ? l.big_font_size[wc] : l.size[wc];
    const char* text = _(l.text);
    platform::TextFit fit = m_.canvas.FitText({text}, size, l.limit[wc] - kLabelGap - l.x[wc]);
    m_.canvas.FittedText(l.x[wc], l.y[wc], text, fit, platform::kWhite);
  }
}

void MainView::DrawKeys() {
  const platform::Bitmap& keys = Class() == WidthClass::Large ? p_.PlusMinus : p_.PlusSmall;
  int half = keys.Width() / 2;
  for (const platform::Rect& plus : {layout.lines_plus, layout.coins_plus}) {
    platform::Rect minus = MinusKeyOf(plus);
    m_.canvas.Blit(keys, 0, 0, half, keys.Height(), plus.left, plus.top);
    m_.canvas.Blit(keys, half, 0, keys.Width() - half, keys.Height(), minus.left, minus.top);
  }
}

// A repaint in the middle of a spin shows the wheels still turning as turning.
void MainView::DrawTurningWheels() {
  for (int w = 0; w < 9; ++w)
    if (m_.animation.MotionRow[w] >= 0) DrawTurningWheel(w, m_.animation.MotionRow[w]);
}

void MainView::PaintAll() {
  platform::Canvas& c = m_.canvas;
  c.Hold();
  c.Fill(0, 0, c.Width(), c.Height(), platform::kBlack);
  AttachBackgroundTwin(art, c.ComposeScale());
  c.Blit(art.BackgroundImage, 0, 0, art.BackgroundImage.Width(), art.BackgroundImage.Height(), layout.origin_x,
         layout.origin_y);
  art.BackgroundImage.DropTwins();
  for (int w = 0; w < 9; ++w) DrawSymbol(w);
  DrawTurningWheels();
  DrawChaserLamps(m_.animation.ChaserLamps);
  DrawSideLamps(false, false);
  c.Blit(p_.StopBtn, 0, 0, p_.StopBtn.Width(), p_.StopBtn.Height(), layout.stop.left, layout.stop.top);
  c.Blit(p_.SpinBtn, 0, 0, p_.SpinBtn.Width(), p_.SpinBtn.Height(), layout.spin.left, layout.spin.top);
  c.Blit(p_.Logo, 0, 0, p_.Logo.Width(), p_.Logo.Height(), layout.logo.x, layout.logo.y);
  DrawLabels();
  DrawCreditsMeter();
  DrawCoinsMeter();
  DrawLinesMeter();
  DrawBellPoolMeter();
  DrawBellsRow();
  DrawCherriesRow();
  DrawBarRow();
  DrawKeys();
  DrawCoinsPlayedMeter();
  ShowWinnings(true);
  DrawCommandCaptions();
  c.Release();
}

}  // namespace view
