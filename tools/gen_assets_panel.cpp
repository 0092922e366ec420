// The pictures built into the main window: logo, LED digit strips, bet keys and the
// bonus icons. They sit on the window's black ground.
#include <cmath>

#include "tools/art/art.h"

namespace art {

namespace {

// Seven-segment layout: a top, b top right, c bottom right, d bottom, e bottom left,
// f top left, g middle.
constexpr uint8_t kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr uint8_t kMinus = 0x40;
constexpr uint8_t kBlank = 0x00;

void Segment(cairo_t* cr, double px, double py, double qx, double qy, double t) {
  double len = std::hypot(qx - px, qy - py);
  double dx = (qx - px) / len, dy = (qy - py) / len;
  double nx = -dy * t / 2, ny = dx * t / 2;
  double gap = 0.45, tip = gap + t / 2;
  cairo_move_to(cr, px + dx * gap, py + dy * gap);
  cairo_line_to(cr, px + dx * tip + nx, py + dy * tip + ny);
  cairo_line_to(cr, qx - dx * tip + nx, qy - dy * tip + ny);
  cairo_line_to(cr, qx - dx * gap, qy - dy * gap);
  cairo_line_to(cr, qx - dx * tip - nx, qy - dy * tip - ny);
  cairo_line_to(cr, px + dx * tip - nx, py + dy * tip - ny);
  cairo_close_path(cr);
}

// One glyph in a cell of width w and height 21 at x.
void Glyph(cairo_t* cr, double x, double w, uint8_t lit, bool green) {
  double x0 = x + 3.2, x1 = x + w - 3.2, y0 = 2.2, y1 = 18.8, ym = 10.5, t = 2.3;
  double slant = 1.1;  // a slight forward lean, like real LED digits
  auto sx = [&](double px, double py) { return px + slant * (ym - py) / (ym - y0); };
  const double seg[7][4] = {{x0, y0, x1, y0}, {x1, y0, x1, ym}, {x1, ym, x1, y1}, {x0, y1, x1, y1},
                            {x0, ym, x0, y1}, {x0, y0, x0, ym}, {x0, ym, x1, ym}};
  Rgb on = green ? Rgb{0.3, 1, 0.35} : Rgb{1, 0.14, 0.08};
  Rgb off = green ? Rgb{0.03, 0.17, 0.05} : Rgb{0.22, 0.03, 0.02};
  for (int pass = 0; pass < 2; ++pass)
    for (int s = 0; s < 7; ++s) {
      bool is_lit = lit & (1 << s);
      if (pass == 0 && !is_lit) continue;
      Segment(cr, sx(seg[s][0], seg[s][1]), seg[s][1], sx(seg[s][2], seg[s][3]), seg[s][3], t);
      if (pass == 0) {
        // A soft bloom under lit segments.
        SetColor(cr, on, 0.28);
        cairo_set_line_width(cr, 1.6);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
      } else {
        SetColor(cr, is_lit ? on : off);
        cairo_fill(cr);
      }
    }
}

}  // namespace

platform::Bitmap DigitStrip(int size, bool green, int scale) {
  Canvas canvas(188 * size, 21 * size, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {0, 0, 0});
  cairo_scale(cr, size, size);
  for (int d = 0; d < 10; ++d) Glyph(cr, d * 16, 16, kDigitSegments[d], green);
  Glyph(cr, 160, 14, kMinus, green);
  Glyph(cr, 174, 14, kBlank, green);
  return canvas.ToBitmap();
}

platform::Bitmap PlusMinusKeys(int disc, int scale) {
  Canvas canvas(2 * disc, disc, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {0, 0, 0});
  for (int side = 0; side < 2; ++side) {
    Rgb base = side == 0 ? Hex(0x1A50E0) : Hex(0xD81818);
    double cx = side * disc + disc / 2.0, cy = disc / 2.0, r = disc / 2.0 - 0.6;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetChrome(cr, cy - r, cy + r, true);
    cairo_fill(cr);
    double inner = r - std::max(1.2, disc / 14.0);
    cairo_arc(cr, cx, cy, inner, 0, 2 * M_PI);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(cx - inner * 0.3, cy - inner * 0.4, 0.5, cx, cy, inner);
    Rgb hi = Lighter(base, 0.55), lo = Darker(base, 0.4);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 0.6, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    double arm = inner * 0.58, bar = std::max(1.6, disc * 0.13);
    cairo_rectangle(cr, cx - arm, cy - bar / 2, 2 * arm, bar);
    if (side == 0) cairo_rectangle(cr, cx - bar / 2, cy - arm, bar, 2 * arm);
    SetColor(cr, {1, 1, 1});
    cairo_fill(cr);
  }
  return canvas.ToBitmap();
}

platform::Bitmap BonusIcons(int scale) {
  Canvas canvas(32, 96, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {0, 0, 0});
  DrawSymbol(cr, 5, 0, 0, 32);
  DrawSymbol(cr, 9, 0, 32, 32);
  DrawSymbol(cr, 1, -3, 61, 38);
  return canvas.ToBitmap();
}

platform::Bitmap BigBar(int scale) {
  Canvas canvas(64, 32, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {0, 0, 0});
  RoundRect(cr, 2, 3, 60, 26, 6);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 3, 0, 29);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.36, 0.36, 0.38);
  cairo_pattern_add_color_stop_rgb(p, 0.45, 0.07, 0.07, 0.08);
  cairo_pattern_add_color_stop_rgb(p, 1, 0, 0, 0);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Hex(0xFFC020));
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  TextMid(cr, Font{"DejaVu Sans", 19, true}, "BAR", 32, 16, Align::Centre, {1, 1, 1});
  return canvas.ToBitmap();
}

platform::Bitmap Logo(int scale) {
  const int w = 142, h = 132;
  Canvas canvas(w, h, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {0, 0, 0});
  Glow(cr, w / 2.0, 58, 72, Hex(0xFFB030), 0.35);
  ShieldEmblem(cr, 18, 6, h, 0.07);
  DrawSymbol(cr, 0, 30, 12, 76);
  DrawSymbol(cr, 9, 74, 44, 46);

  // The name on a ribbon across the foot of the shield.
  double ry = 92, rh = 24;
  for (int side = -1; side <= 1; side += 2) {
    double ex = side < 0 ? 2 : 140, ix = side < 0 ? 16 : 126;
    cairo_move_to(cr, ix, ry + 6);
    cairo_line_to(cr, ex, ry + 6);
    cairo_line_to(cr, ex + side * -6, ry + 6 + rh / 2);
    cairo_line_to(cr, ex, ry + 6 + rh);
    cairo_line_to(cr, ix, ry + 6 + rh);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x8A0A0A));
    cairo_fill(cr);
  }
  RoundRect(cr, 10, ry, 122, rh, 3);
  cairo_pattern_t* ribbon = cairo_pattern_create_linear(0, ry, 0, ry + rh);
  cairo_pattern_add_color_stop_rgb(ribbon, 0, 1, 0.3, 0.22);
  cairo_pattern_add_color_stop_rgb(ribbon, 0.5, 0.82, 0.06, 0.06);
  cairo_pattern_add_color_stop_rgb(ribbon, 1, 0.55, 0.02, 0.02);
  cairo_set_source(cr, ribbon);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(ribbon);
  SetColor(cr, Hex(0xFFD040));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  OutlinedText(cr, Font{"DejaVu Serif", 17, true}, "VANTELLO", 71, ry + rh / 2 + 0.5, Align::Centre,
               Hex(0xFFE070), Hex(0x4A1000), 1.0);
  return canvas.ToBitmap();
}

}  // namespace art
