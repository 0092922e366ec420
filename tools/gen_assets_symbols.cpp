// The twelve wheel symbols, drawn with Cairo in a 100 x 100 box so the same strokes serve
// the 96-pixel and 64-pixel sheets, the 32-pixel meter icons and the pay chart.
#include <algorithm>
#include <cmath>

#include "tools/art/art.h"

namespace art {

namespace {

void Ball(cairo_t* cr, double cx, double cy, double r, Rgb base, double outline = 1.6) {
  cairo_pattern_t* p =
      cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r);
  Rgb hi = Lighter(base, 0.65), lo = Darker(base, 0.42);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.4, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Darker(base, 0.65));
  cairo_set_line_width(cr, outline);
  cairo_stroke(cr);
}

// A leaf from (x0, y0) to (x1, y1), bulging to one side.
void Leaf(cairo_t* cr, double x0, double y0, double x1, double y1, double width, Rgb c) {
  double dx = x1 - x0, dy = y1 - y0;
  double nx = -dy * width, ny = dx * width;
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0 + dx * 0.3 + nx, y0 + dy * 0.3 + ny, x0 + dx * 0.7 + nx,
                 y0 + dy * 0.7 + ny, x1, y1);
  cairo_curve_to(cr, x0 + dx * 0.7 - nx, y0 + dy * 0.7 - ny, x0 + dx * 0.3 - nx,
                 y0 + dy * 0.3 - ny, x0, y0);
  cairo_pattern_t* p = cairo_pattern_create_linear(x0 + nx, y0 + ny, x0 - nx, y0 - ny);
  Rgb a = Lighter(c, 0.3), b = Darker(c, 0.3);
  cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Darker(c, 0.55));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x0 + dx * 0.85, y0 + dy * 0.85);
  SetColor(cr, Darker(c, 0.45));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

void Stem(cairo_t* cr, double x0, double y0, double cx, double cy, double x1, double y1,
          double width) {
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, cx, cy, cx, cy, x1, y1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColor(cr, Hex(0x4A3410));
  cairo_set_line_width(cr, width + 1.4);
  cairo_stroke_preserve(cr);
  SetColor(cr, Hex(0x7A8A30));
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void SevenPath(cairo_t* cr) {
  cairo_move_to(cr, 19, 14);
  cairo_line_to(cr, 85, 14);
  cairo_line_to(cr, 85, 29);
  cairo_curve_to(cr, 70, 46, 61, 64, 59, 88);
  cairo_line_to(cr, 35, 88);
  cairo_curve_to(cr, 38, 64, 50, 46, 63, 32);
  cairo_line_to(cr, 34, 32);
  cairo_line_to(cr, 31, 41);
  cairo_line_to(cr, 19, 41);
  cairo_close_path(cr);
}

void Seven(cairo_t* cr, Rgb top, Rgb bottom, Rgb outline, Rgb inner_line) {
  cairo_save(cr);
  cairo_translate(cr, 3, 3);
  SevenPath(cr);
  SetColor(cr, {0, 0, 0}, 0.28);
  cairo_fill(cr);
  cairo_restore(cr);

  SevenPath(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, outline);
  cairo_set_line_width(cr, 6);
  cairo_stroke_preserve(cr);
  FillVertical(cr, top, bottom, 14, 88);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  SetColor(cr, inner_line);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  // A gloss across the bar.
  cairo_pattern_t* gloss = cairo_pattern_create_linear(0, 14, 0, 34);
  cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, 0.65);
  cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0);
  cairo_set_source(cr, gloss);
  cairo_rectangle(cr, 0, 14, 100, 14);
  cairo_fill(cr);
  cairo_pattern_destroy(gloss);
  cairo_restore(cr);
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner, double turn) {
  for (int i = 0; i < 10; ++i) {
    double a = turn - M_PI / 2 + i * M_PI / 5;
    double r = i % 2 ? inner : outer;
    if (i == 0)
      cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    else
      cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void RollSeven(cairo_t* cr) {
  Star(cr, 50, 53, 49, 21, 0);
  cairo_pattern_t* p = cairo_pattern_create_radial(44, 40, 4, 50, 53, 50);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.98, 0.7);
  cairo_pattern_add_color_stop_rgb(p, 0.5, 1, 0.78, 0.1);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.8, 0.45, 0);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Hex(0x8A4A00));
  cairo_set_line_width(cr, 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 50, 52);
  cairo_scale(cr, 0.74, 0.74);
  cairo_translate(cr, -52, -51);
  Seven(cr, Hex(0x5AA0FF), Hex(0x0A2A9A), Hex(0x06104A), Hex(0xBFE0FF));
  cairo_restore(cr);
}

void BarPlate(cairo_t* cr, double y, double h, Rgb rim) {
  RoundRect(cr, 11, y, 78, h, h * 0.22);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.34, 0.34, 0.36);
  cairo_pattern_add_color_stop_rgb(p, 0.45, 0.06, 0.06, 0.07);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.0, 0.0, 0.0);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, rim);
  cairo_set_line_width(cr, std::max(2.4, h * 0.1));
  cairo_stroke(cr);
  Font f{"DejaVu Sans", 10, true};
  double by_width = 10 * 56 / TextWidth(cr, f, "BAR");
  f.size = std::min(by_width, h * 0.78);
  TextMid(cr, f, "BAR", 50, y + h / 2, Align::Centre, {1, 1, 1});
}

void Bars(cairo_t* cr, int count) {
  static const uint32_t rims[] = {0, 0xE8281E, 0x2A6BFF, 0x1FB33A};
  Rgb rim = Hex(rims[count]);
  double h = count == 1 ? 38 : count == 2 ? 30 : 24;
  double gap = count == 3 ? 4 : 7;
  double total = count * h + (count - 1) * gap;
  double y = 50 - total / 2;
  for (int i = 0; i < count; ++i) BarPlate(cr, y + i * (h + gap), h, rim);
}

void Orange(cairo_t* cr) {
  Stem(cr, 50, 24, 49, 18, 47, 12, 2.6);
  Leaf(cr, 51, 18, 80, 12, 0.22, Hex(0x2E9A2A));
  Ball(cr, 50, 56, 35, Hex(0xFF9A12));
  // Pitted peel.
  cairo_save(cr);
  cairo_arc(cr, 50, 56, 34, 0, 2 * M_PI);
  cairo_clip(cr);
  for (int i = 0; i < 70; ++i) {
    double a = i * 2.39996, r = 32 * std::sqrt((i + 0.5) / 70.0);
    cairo_arc(cr, 50 + r * std::cos(a), 56 + r * std::sin(a), 0.9, 0, 2 * M_PI);
  }
  SetColor(cr, Hex(0xC06000), 0.3);
  cairo_fill(cr);
  cairo_restore(cr);
  Sparkle(cr, 38, 42, 8, 5, 0.5);
  cairo_arc(cr, 50, 24, 2.5, 0, 2 * M_PI);
  SetColor(cr, Hex(0x5A7A20));
  cairo_fill(cr);
}

void Bell(cairo_t* cr) {
  cairo_arc(cr, 50, 84, 7, 0, 2 * M_PI);
  SetColor(cr, Hex(0x7A4A00));
  cairo_fill(cr);
  Ball(cr, 50, 84, 6, Hex(0xE0A020), 1.0);
  cairo_arc(cr, 50, 10, 5.5, 0, 2 * M_PI);
  SetColor(cr, Hex(0xC08A10));
  cairo_fill_preserve(cr);
  SetColor(cr, Hex(0x6A4000));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);

  cairo_move_to(cr, 50, 14);
  cairo_curve_to(cr, 62, 14, 68, 22, 69, 36);
  cairo_curve_to(cr, 70, 52, 72, 64, 86, 71);
  cairo_curve_to(cr, 89, 73, 89, 79, 85, 80);
  cairo_curve_to(cr, 64, 85, 36, 85, 15, 80);
  cairo_curve_to(cr, 11, 79, 11, 73, 14, 71);
  cairo_curve_to(cr, 28, 64, 30, 52, 31, 36);
  cairo_curve_to(cr, 32, 22, 38, 14, 50, 14);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(12, 0, 88, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.33, 0.0);
  cairo_pattern_add_color_stop_rgb(p, 0.25, 1.0, 0.82, 0.25);
  cairo_pattern_add_color_stop_rgb(p, 0.4, 1.0, 0.97, 0.72);
  cairo_pattern_add_color_stop_rgb(p, 0.6, 0.96, 0.72, 0.12);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.5, 0.3, 0.0);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Hex(0x5A3600));
  cairo_set_line_width(cr, 2.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  // The raised band above the lip.
  cairo_move_to(cr, 18, 72);
  cairo_curve_to(cr, 38, 77, 62, 77, 82, 72);
  SetColor(cr, Hex(0x8A5A00));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  Sparkle(cr, 41, 34, 4, 11, 0.55);
}

void Grapes(cairo_t* cr) {
  Stem(cr, 50, 26, 51, 17, 55, 8, 3);
  Leaf(cr, 53, 16, 84, 20, 0.25, Hex(0x3A9A2A));
  // A bunch of four, three, two and one berries.
  for (int row = 0; row < 4; ++row)
    for (int i = 0; i < 4 - row; ++i) {
      double cx = 23 + row * 9 + i * 18, cy = 32 + row * 16;
      Ball(cr, cx, cy, 10, Hex(0x7A2AA8), 1.3);
      Sparkle(cr, cx - 3.5, cy - 4, 2.6, 1.8, 0.7);
    }
}

void Lemon(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 50, 56);
  cairo_rotate(cr, -0.35);
  cairo_move_to(cr, -45, 0);
  cairo_curve_to(cr, -44, -6, -40, -8, -36, -12);
  cairo_curve_to(cr, -22, -34, 22, -34, 36, -12);
  cairo_curve_to(cr, 40, -8, 44, -6, 45, 0);
  cairo_curve_to(cr, 44, 6, 40, 8, 36, 12);
  cairo_curve_to(cr, 22, 34, -22, 34, -36, 12);
  cairo_curve_to(cr, -40, 8, -44, 6, -45, 0);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(-12, -12, 2, 0, 0, 44);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 0.78);
  cairo_pattern_add_color_stop_rgb(p, 0.45, 1, 0.9, 0.12);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.8, 0.6, 0.0);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Hex(0x8A6A00));
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  Sparkle(cr, -12, -14, 12, 4, 0.55);
  cairo_restore(cr);
  Leaf(cr, 62, 34, 84, 16, 0.22, Hex(0x3AA030));
}

void Clover(cairo_t* cr) {
  Stem(cr, 52, 52, 54, 76, 66, 92, 3.4);
  Rgb green = Hex(0x22A83A);
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 50, 46);
    cairo_rotate(cr, M_PI / 4 + i * M_PI / 2);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -7, -8, -25, -12, -23, -27);
    cairo_curve_to(cr, -21, -38, -6, -39, 0, -29);
    cairo_curve_to(cr, 6, -39, 21, -38, 23, -27);
    cairo_curve_to(cr, 25, -12, 7, -8, 0, 0);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(-6, -28, 2, 0, -18, 26);
    Rgb hi = Lighter(green, 0.55), lo = Darker(green, 0.4);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 0.5, green.r, green.g, green.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Darker(green, 0.6));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, -2);
    cairo_line_to(cr, 0, -24);
    SetColor(cr, Lighter(green, 0.6), 0.8);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
}

void Cherries(cairo_t* cr) {
  Stem(cr, 32, 58, 36, 30, 58, 15, 2.6);
  Stem(cr, 68, 54, 62, 34, 58, 15, 2.6);
  Leaf(cr, 58, 15, 86, 22, 0.25, Hex(0x2E9E2E));
  Ball(cr, 32, 70, 18, Hex(0xD80E1E), 1.8);
  Sparkle(cr, 25, 62, 5, 3.5, 0.75);
  Ball(cr, 68, 66, 18, Hex(0xC80818), 1.8);
  Sparkle(cr, 61, 58, 5, 3.5, 0.75);
}

void Melon(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 50, 34);
  cairo_rotate(cr, -0.2);
  auto half_disc = [&](double r) {
    cairo_move_to(cr, -r, 0);
    cairo_arc_negative(cr, 0, 0, r, M_PI, 0);
    cairo_close_path(cr);
  };
  half_disc(44);
  SetColor(cr, Hex(0x1E6A1E));
  cairo_fill_preserve(cr);
  SetColor(cr, Hex(0x0E3A0E));
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  half_disc(39);
  SetColor(cr, Hex(0xDDF5C0));
  cairo_fill(cr);
  half_disc(35);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, -6, 2, 0, 0, 36);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.45, 0.45);
  cairo_pattern_add_color_stop_rgb(p, 0.7, 0.95, 0.12, 0.2);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.85, 0.05, 0.15);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  const double seeds[][2] = {{-20, 9}, {-6, 12}, {8, 11}, {21, 8}, {-13, 22}, {2, 24}, {15, 20}};
  for (auto& s : seeds) {
    cairo_save(cr);
    cairo_translate(cr, s[0], s[1]);
    cairo_rotate(cr, s[0] * 0.02);
    cairo_scale(cr, 1.6, 2.6);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, Hex(0x1A0A08));
    cairo_fill(cr);
  }
  // The cut face catches the light.
  cairo_move_to(cr, -43, 0.5);
  cairo_line_to(cr, 43, 0.5);
  SetColor(cr, {1, 0.85, 0.85});
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace

void DrawSymbol(cairo_t* cr, int code, double x, double y, double size) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / 100.0, size / 100.0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (code) {
    case 0: Seven(cr, Hex(0xFF5A40), Hex(0xA80000), Hex(0x1A0000), Hex(0xFFD0C0)); break;
    case 1: Bars(cr, 1); break;
    case 2: Bars(cr, 2); break;
    case 3: Bars(cr, 3); break;
    case 4: Orange(cr); break;
    case 5: Bell(cr); break;
    case 6: Grapes(cr); break;
    case 7: Lemon(cr); break;
    case 8: Clover(cr); break;
    case 9: Cherries(cr); break;
    case 10: RollSeven(cr); break;
    case 11: Melon(cr); break;
    default: break;
  }
  cairo_restore(cr);
}

}  // namespace art

namespace art {

platform::Bitmap SymbolSheet(int cell, int scale) {
  Canvas canvas(4 * cell, 3 * cell, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {1, 1, 1});
  for (int code = 0; code < kSymbols; ++code) {
    // NOLINTNEXTLINE(bugprone-integer-division): code / 4 is the row, a whole number by design.
    double x = (code % 4) * cell, y = (code / 4) * cell;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, cell, cell);
    cairo_clip(cr);
    DrawSymbol(cr, code, x + cell * 0.03, y + cell * 0.03, cell * 0.94);
    cairo_restore(cr);
  }
  return canvas.ToBitmap();
}

namespace {

uint32_t Hash(uint32_t v) {
  v ^= v >> 16;
  v *= 0x7FEB352D;
  v ^= v >> 15;
  v *= 0x846CA68B;
  v ^= v >> 16;
  return v;
}

// Box blur down each column, wrapping from the bottom row to the top one.
void BlurColumns(std::vector<double>& plane, int w, int h, int radius) {
  std::vector<double> column(h);
  for (int x = 0; x < w; ++x) {
    double sum = 0;
    for (int k = -radius; k <= radius; ++k) sum += plane[((k + h) % h) * w + x];
    for (int y = 0; y < h; ++y) {
      column[y] = sum / (2 * radius + 1);
      sum += plane[((y + radius + 1) % h) * w + x] - plane[((y - radius + h) % h) * w + x];
    }
    for (int y = 0; y < h; ++y) plane[y * w + x] = column[y];
  }
}

}  // namespace

platform::Bitmap MotionStrip(int cell, int scale) {
  constexpr int kHeight = 576;
  // The order a spinning wheel flashes past: a mix of every colour and shape.
  const int order[] = {0, 9, 2, 4, 5, 7, 3, 6, 1, 11};
  int count = cell == 64 ? 8 : 6;
  double pitch = double(kHeight) / count;
  Canvas canvas(cell, kHeight, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {1, 1, 1});
  for (int i = 0; i < count; ++i)
    for (int wrap = -1; wrap <= 1; ++wrap) {
      double y = i * pitch + (pitch - cell) / 2 + wrap * kHeight;
      DrawSymbol(cr, order[i % 10], cell * 0.04, y, cell * 0.92);
    }
  platform::Bitmap sharp = canvas.ToBitmap();

  // The blur and the streaks work on pixels: at k times the size the blur reaches k times
  // as far and each streak is k pixels wide, so the twins show the same motion.
  int w = cell * scale, h = kHeight * scale;
  std::vector<double> planes[3];
  for (int ch = 0; ch < 3; ++ch) {
    planes[ch].resize(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        planes[ch][y * w + x] = (sharp.Pixel(x, y) >> (16 - 8 * ch)) & 255;
    BlurColumns(planes[ch], w, h, cell / 5 * scale);
    BlurColumns(planes[ch], w, h, cell / 6 * scale);
  }
  platform::Bitmap out(w, h);
  for (int x = 0; x < w; ++x) {
    // Streaks that run the whole height, and the drum darkening toward its edges.
    double streak = 0.93 + 0.07 * ((Hash(x / scale * 7 + cell) & 255) / 255.0);
    double edge = std::abs((x + 0.5) / w - 0.5) * 2;
    double drum = 1.0 - 0.16 * edge * edge * edge;
    for (int y = 0; y < h; ++y) {
      int c[3];
      for (int ch = 0; ch < 3; ++ch) {
        double v = planes[ch][y * w + x];
        // Pull the colour a little toward the white of the strip so it reads as motion.
        v = (v * 0.85 + 255 * 0.15) * streak * drum;
        c[ch] = static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
      }
      out.SetPixel(x, y, platform::Rgb(c[0], c[1], c[2]));
    }
  }
  return out;
}

}  // namespace art
