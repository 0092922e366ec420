// The payoff chart picture: every pay of the game with the symbols as they appear on
// the wheels. The figures come from the pay rules (tools/paychart_rows.h).
#include <cmath>
#include <string>
#include <vector>

#include "rules/pay_rules.h"
#include "tools/art/art.h"
#include "tools/paychart_rows.h"

namespace art {

namespace {

const Rgb kGold = {1, 0.84, 0.25};
const Rgb kInk = {0.95, 0.95, 0.97};
const Rgb kDim = {0.72, 0.74, 0.8};

// A little wheel window with a symbol, or "ANY" for a cell that does not matter.
void Tile(cairo_t* cr, double x, double y, double size, int code) {
  RoundRect(cr, x, y, size, size, 3);
  SetColor(cr, code == kAny ? Rgb{0.2, 0.2, 0.26} : Rgb{1, 1, 1});
  cairo_fill_preserve(cr);
  SetColor(cr, {0.55, 0.55, 0.6});
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (code == kAny)
    TextMid(cr, Font{"DejaVu Sans", size * 0.32, true}, "ANY", x + size / 2, y + size / 2,
            Align::Centre, kDim);
  else
    DrawSymbol(cr, code, x + 1, y + 1, size - 2);
}

void Header(cairo_t* cr, double x, double y, double w, const std::string& text, Rgb band) {
  RoundRect(cr, x, y, w, 20, 5);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + 20);
  Rgb hi = Lighter(band, 0.3), lo = Darker(band, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  TextMid(cr, Font{"DejaVu Sans", 12, true}, text, x + w / 2, y + 10, Align::Centre, {1, 1, 1});
}

// Rows of three tiles, a note and the pay at the right end.
double PayRows(cairo_t* cr, double x, double y, double w, double tile, double pitch,
               const std::vector<PayLine>& rows) {
  const int count = static_cast<int>(rows.size());
  for (int i = 0; i < count; ++i) {
    double ry = y + i * pitch;
    if (i % 2 == 0) {
      cairo_rectangle(cr, x, ry - (pitch - tile) / 2, w, pitch);
      SetColor(cr, {1, 1, 1}, 0.05);
      cairo_fill(cr);
    }
    const int codes[3] = {rows[i].a, rows[i].b, rows[i].c};
    for (int k = 0; k < 3; ++k) Tile(cr, x + 4 + k * (tile + 3), ry, tile, codes[k]);
    double text_x = x + 4 + 3 * (tile + 3) + 5;
    if (!rows[i].note.empty())
      TextMid(cr, Font{"DejaVu Sans", 10.5, true}, rows[i].note, text_x, ry + tile / 2,
              Align::Left, kDim);
    TextMid(cr, Font{"DejaVu Sans", 14, true}, std::to_string(rows[i].pay), x + w - 6,
            ry + tile / 2, Align::Right, kGold);
  }
  return y + count * pitch;
}

}  // namespace

platform::Bitmap PayChart(int scale) {
  const int w = 640, h = 460;
  Canvas canvas(w, h, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {0, 0, 0});
  RoundRect(cr, 0.5, 0.5, w - 1, h - 1, 10);
  SetChrome(cr, 0, w, false);
  cairo_fill(cr);
  RoundRect(cr, 5, 5, w - 10, h - 10, 8);
  cairo_pattern_t* ground = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(ground, 0, 0.16, 0.02, 0.06);
  cairo_pattern_add_color_stop_rgb(ground, 0.25, 0.05, 0.03, 0.12);
  cairo_pattern_add_color_stop_rgb(ground, 1, 0.02, 0.02, 0.06);
  cairo_set_source(cr, ground);
  cairo_fill(cr);
  cairo_pattern_destroy(ground);
  Glow(cr, w / 2.0, 26, 220, Hex(0xFF6A20), 0.3);

  OutlinedText(cr, Font{"DejaVu Serif", 24, true}, "VANTELLO PAYOFF CHART", w / 2.0, 25,
               Align::Centre, Hex(0xFFD23A), Hex(0x5A1A00), 1.3);
  TextMid(cr, Font{"DejaVu Sans", 11, false}, "Pays are per coin bet on a line; lines read from the left",
          w / 2.0, 49, Align::Centre, kDim);

  // Left: the regular pay table.
  double lx = 14, lw = 296, y = 62;
  Header(cr, lx, y, lw, "REGULAR PAYS", Hex(0xB01818));
  double end = PayRows(cr, lx, y + 26, lw, 25, 28, RegularPayLines());
  TextMid(cr, Font{"DejaVu Sans", 10, false}, "Cherry lines count down the Cherry Roll meter.",
          lx + lw / 2, end + 6, Align::Centre, kDim);

  // Right: the screen bonuses, the two rolls, the Bell Pool and the bonus lamp.
  double rx = 326, rw = 300;
  y = 62;
  Header(cr, rx, y, rw, "SCREEN BONUS  (all " + std::to_string(kAllLines) + " lines played)",
         Hex(0x1848C0));
  // Two columns of four.
  const std::vector<BonusLine> bonuses = ScreenBonusLines();
  for (int i = 0; i < static_cast<int>(bonuses.size()); ++i) {
    double cx = rx + (i < 4 ? 0 : rw / 2), cy = y + 27 + (i % 4) * 25;
    Tile(cr, cx + 6, cy, 21, bonuses[i].symbol);
    TextMid(cr, Font{"DejaVu Sans", 11.5, true}, bonuses[i].label, cx + 33, cy + 10.5, Align::Left,
            kInk);
    TextMid(cr, Font{"DejaVu Sans", 13, true}, std::to_string(bonuses[i].pay), cx + rw / 2 - 8,
            cy + 10.5, Align::Right, kGold);
  }
  TextMid(cr, Font{"DejaVu Sans", 10, false}, "Sevens anywhere in the window count",
          rx + rw / 2, y + 132, Align::Centre, kDim);

  y = 206;
  double half = (rw - 8) / 2;
  Header(cr, rx, y, half, "CHERRY ROLL", Hex(0xB01818));
  Header(cr, rx + half + 8, y, half, "BAR ROLL", Hex(0x1C7A2A));
  PayRows(cr, rx, y + 25, half, 20, 22, CherryRollPayLines());
  PayRows(cr, rx + half + 8, y + 25, half, 20, 22, BarRollPayLines());
  Font note{"DejaVu Sans", 10, false};
  TextMid(cr, note, "Each roll Seven pays", rx + half / 2, y + 25 + 4 * 22 + 9, Align::Centre, kInk);
  TextMid(cr, note, std::to_string(RollSevenPay()) + " x coins x lines", rx + half / 2,
          y + 25 + 4 * 22 + 22, Align::Centre, kGold);
  TextMid(cr, note, "Won by 3 Triple BARs", rx + half + 8 + half / 2, y + 25 + 5 * 22 + 8,
          Align::Centre, kInk);

  y = 368;
  Header(cr, rx, y, half, "BELL POOL", Hex(0xB07A10));
  Header(cr, rx + half + 8, y, half, "BONUS LAMP", Hex(0x8A1AA0));
  Tile(cr, rx + 4, y + 26, 26, 5);
  TextMid(cr, note, std::to_string(rules::kBellsFull) + " Bell lines win", rx + 36, y + 33,
          Align::Left, kInk);
  TextMid(cr, note, "the pool; Sevens", rx + 36, y + 46, Align::Left, kInk);
  TextMid(cr, note, "feed it.", rx + 36, y + 59, Align::Left, kInk);
  double bx = rx + half + 8;
  cairo_arc(cr, bx + 17, y + 39, 12, 0, 2 * M_PI);
  cairo_pattern_t* lamp = cairo_pattern_create_radial(bx + 14, y + 35, 1, bx + 17, y + 39, 12);
  cairo_pattern_add_color_stop_rgb(lamp, 0, 1, 0.95, 0.9);
  cairo_pattern_add_color_stop_rgb(lamp, 0.6, 1, 0.18, 0.1);
  cairo_pattern_add_color_stop_rgb(lamp, 1, 0.6, 0, 0);
  cairo_set_source(cr, lamp);
  cairo_fill(cr);
  cairo_pattern_destroy(lamp);
  TextMid(cr, note, "6th lamp lit:", bx + 36, y + 33, Align::Left, kInk);
  TextMid(cr, note, "bet returned,", bx + 36, y + 46, Align::Left, kInk);
  TextMid(cr, note, "all wins doubled", bx + 36, y + 59, Align::Left, kGold);
  return canvas.ToBitmap();
}

}  // namespace art
