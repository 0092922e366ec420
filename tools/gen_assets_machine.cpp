// The machine front, the chaser and side lamps and the button faces.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/art/art.h"

namespace art {

namespace {

// Where the wheel windows sit on a machine front; k scales the decoration.
struct FrontGeometry {
  int width, height;
  double win_x, win_y, win_w, win_h, pitch_x, pitch_y;
  double k;
  bool extra_column;  // the 96-pixel symbols reach one column past the white window

  double Left() const { return win_x; }
  double Right() const { return win_x + 2 * pitch_x + win_w + (extra_column ? 1 : 0); }
  double Top() const { return win_y; }
  double Bottom() const { return win_y + 2 * pitch_y + win_h; }
  double RowCentre(int row) const { return win_y + row * pitch_y + win_h / 2; }
  double ColumnCentre(int col) const { return win_x + col * pitch_x + win_w / 2; }
};

FrontGeometry Geometry(int cell) {
  if (cell == 64) return {324, 416, 49, 45, 64, 97, 81, 112, 1.0, false};
  return {498, 610, 75, 70, 99, 150, 124, 173, 1.54, true};
}

void Sunburst(cairo_t* cr, double cx, double cy, double radius, int rays, Rgb c, double alpha) {
  for (int i = 0; i < rays; i += 2) {
    double a0 = 2 * M_PI * i / rays, a1 = 2 * M_PI * (i + 1) / rays;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + radius * std::cos(a0), cy + radius * std::sin(a0));
    cairo_line_to(cr, cx + radius * std::cos(a1), cy + radius * std::sin(a1));
    cairo_close_path(cr);
  }
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// A payline badge: a disc in the line's colour with its number, pointing toward the wheels.
void LineBadge(cairo_t* cr, int line_index, double cx, double cy, double r, double dx, double dy) {
  Rgb c = LineColour(line_index);
  cairo_move_to(cr, cx + dx * r * 1.75, cy + dy * r * 1.75);
  cairo_line_to(cr, cx - dy * r * 0.8, cy + dx * r * 0.8);
  cairo_line_to(cr, cx + dy * r * 0.8, cy - dx * r * 0.8);
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill_preserve(cr);
  SetColor(cr, {0, 0, 0}, 0.8);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);

  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.4, r * 0.1, cx, cy, r);
  Rgb hi = Lighter(c, 0.6), lo = Darker(c, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.6, c.r, c.g, c.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetChrome(cr, cy - r, cy + r, true);
  cairo_set_line_width(cr, r * 0.22);
  cairo_stroke(cr);
  double lightness = 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
  Rgb ink = lightness > 0.55 ? Rgb{0, 0, 0} : Rgb{1, 1, 1};
  TextMid(cr, Font{"DejaVu Sans", r * 1.3, true}, std::to_string(line_index + 1), cx, cy,
          Align::Centre, ink);
}

void TitlePlate(cairo_t* cr, const FrontGeometry& g) {
  double k = g.k;
  double w = g.width * 0.58, h = 27 * k, x = (g.width - w) / 2, y = 6 * k;
  Glow(cr, g.width / 2.0, y + h / 2, w * 0.62, Hex(0xFFC040), 0.35);
  RoundRect(cr, x, y, w, h, h / 2);
  SetChrome(cr, y, y + h, true);
  cairo_fill(cr);
  RoundRect(cr, x + 2.5 * k, y + 2.5 * k, w - 5 * k, h - 5 * k, h / 2 - 2.5 * k);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.12, 0.02, 0.25);
  cairo_pattern_add_color_stop_rgb(p, 0.5, 0.03, 0.0, 0.1);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.2, 0.03, 0.32);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Font f{"DejaVu Serif", 19 * k, true, false};
  OutlinedText(cr, f, "VANTELLO", g.width / 2.0, y + h / 2 + 0.5 * k, Align::Centre,
               Hex(0xFFD23A), Hex(0x5A2000), 1.2 * k);
  // Gold stars either side of the plate.
  for (int side = -1; side <= 1; side += 2) {
    double sx = g.width / 2.0 + side * (w / 2 + 12 * k), sy = y + h / 2;
    for (int i = 0; i < 10; ++i) {
      double a = -M_PI / 2 + i * M_PI / 5, r = (i % 2 ? 3.2 : 8) * k;
      if (i == 0)
        cairo_move_to(cr, sx + r * std::cos(a), sy + r * std::sin(a));
      else
        cairo_line_to(cr, sx + r * std::cos(a), sy + r * std::sin(a));
    }
    cairo_close_path(cr);
    SetColor(cr, Hex(0xFFD040));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0x7A3A00));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
}

}  // namespace

platform::Bitmap MachineFront(int cell, int scale) {
  FrontGeometry g = Geometry(cell);
  double k = g.k;
  Canvas canvas(g.width, g.height, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {0, 0, 0});

  // Cabinet: a chrome shell around a deep red body lit from within.
  RoundRect(cr, 0.5, 0.5, g.width - 1, g.height - 1, 16 * k);
  cairo_pattern_t* chrome = ChromePattern(0, g.width, false);
  cairo_set_source(cr, chrome);
  cairo_fill(cr);
  cairo_pattern_destroy(chrome);
  double inset = 5 * k;
  RoundRect(cr, inset, inset, g.width - 2 * inset, g.height - 2 * inset, 12 * k);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_pattern_t* body = cairo_pattern_create_linear(0, 0, 0, g.height);
  cairo_pattern_add_color_stop_rgb(body, 0, 0.42, 0.02, 0.08);
  cairo_pattern_add_color_stop_rgb(body, 0.45, 0.66, 0.05, 0.1);
  cairo_pattern_add_color_stop_rgb(body, 1, 0.28, 0.0, 0.05);
  cairo_set_source(cr, body);
  cairo_fill(cr);
  cairo_pattern_destroy(body);
  double cx = g.width / 2.0, cy = (g.Top() + g.Bottom()) / 2;
  Sunburst(cr, cx, cy, g.height * 0.75, 36, Hex(0xFFB040), 0.28);
  Glow(cr, cx, cy, g.width * 0.75, Hex(0xFF5A30), 0.35);
  cairo_restore(cr);

  TitlePlate(cr, g);

  // The dark glass behind the wheels, in a chrome rim.
  double px = g.Left() - 9 * k, py = g.Top() - 6 * k;
  double pw = g.Right() - g.Left() + 18 * k, ph = g.Bottom() - g.Top() + 12 * k;
  RoundRect(cr, px - 2.5 * k, py - 2.5 * k, pw + 5 * k, ph + 5 * k, 9 * k);
  SetChrome(cr, py, py + ph, true);
  cairo_fill(cr);
  RoundRect(cr, px, py, pw, ph, 7 * k);
  cairo_pattern_t* glass = cairo_pattern_create_linear(0, py, 0, py + ph);
  cairo_pattern_add_color_stop_rgb(glass, 0, 0.12, 0.1, 0.14);
  cairo_pattern_add_color_stop_rgb(glass, 0.5, 0.02, 0.02, 0.04);
  cairo_pattern_add_color_stop_rgb(glass, 1, 0.1, 0.08, 0.12);
  cairo_set_source(cr, glass);
  cairo_fill(cr);
  cairo_pattern_destroy(glass);

  // Nine wheel windows: chrome frames, a shadow line, and the white window itself.
  for (int w = 0; w < 9; ++w) {
    // NOLINTNEXTLINE(bugprone-integer-division): w / 3 is the row, a whole number by design.
    double x = g.win_x + (w % 3) * g.pitch_x, y = g.win_y + (w / 3) * g.pitch_y;
    double ww = g.win_w + (g.extra_column ? 1 : 0);
    double f = 3.5 * k;
    RoundRect(cr, x - f, y - f, ww + 2 * f, g.win_h + 2 * f, 3 * k);
    cairo_pattern_t* frame = ChromePattern(y - f, y + g.win_h + f, true);
    cairo_set_source(cr, frame);
    cairo_fill(cr);
    cairo_pattern_destroy(frame);
    cairo_rectangle(cr, x - 1, y - 1, ww + 2, g.win_h + 2);
    SetColor(cr, Hex(0x202020));
    cairo_fill(cr);
    cairo_rectangle(cr, x, y, ww, g.win_h);
    SetColor(cr, {1, 1, 1});
    cairo_fill(cr);
  }

  // Payline badges: rows and diagonals at the sides, columns below.
  double r = 8.5 * k;
  double left_x = (inset + px - 2.5 * k) / 2, right_x = g.width - left_x;
  double high = g.Top() + 6 * k, low = g.Bottom() - 6 * k;
  for (int row = 0; row < 3; ++row) {
    LineBadge(cr, row, left_x, g.RowCentre(row), r, 1, 0);
    LineBadge(cr, row, right_x, g.RowCentre(row), r, -1, 0);
  }
  LineBadge(cr, 6, left_x, high, r, 0.7, 0.7);
  LineBadge(cr, 7, left_x, low, r, 0.7, -0.7);
  LineBadge(cr, 7, right_x, high, r, -0.7, 0.7);
  LineBadge(cr, 6, right_x, low, r, -0.7, -0.7);
  double base_y = (py + ph + 2.5 * k + g.height - inset) / 2;
  if (cell == 64) base_y = py + ph + 2.5 * k + r + 4;
  for (int col = 0; col < 3; ++col) LineBadge(cr, 3 + col, g.ColumnCentre(col), base_y, r, 0, -1);

  if (cell == 64) {
    Font f{"DejaVu Sans", 9, true};
    TextMid(cr, f, "8 LINES  \u2022  8 COINS A LINE", g.width / 2.0, g.height - inset - 9,
            Align::Centre, Hex(0xFFD860));
  } else {
    Font f{"DejaVu Sans", 11, true};
    double gap_l = (g.ColumnCentre(0) + g.ColumnCentre(1)) / 2;
    double gap_r = (g.ColumnCentre(1) + g.ColumnCentre(2)) / 2;
    TextMid(cr, f, "8 LINES", gap_l, base_y, Align::Centre, Hex(0xFFD860));
    TextMid(cr, f, "8 COINS", gap_r, base_y, Align::Centre, Hex(0xFFD860));
  }
  return canvas.ToBitmap();
}

// ---- Lamps ----

namespace {

struct Glass {
  Rgb core, body, edge;
};

Glass LampGlass(bool bonus, bool lit) {
  if (bonus)
    return lit ? Glass{{1, 0.92, 0.9}, {1, 0.16, 0.1}, {0.62, 0, 0}}
               : Glass{{0.42, 0.12, 0.12}, {0.26, 0.04, 0.04}, {0.12, 0.01, 0.01}};
  return lit ? Glass{{1, 1, 0.86}, {1, 0.72, 0.06}, {0.9, 0.32, 0}}
             : Glass{{0.46, 0.3, 0.14}, {0.28, 0.13, 0.03}, {0.1, 0.04, 0.01}};
}

void FillGlass(cairo_t* cr, double cx, double cy, double rx, double ry, Glass glass) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* p = cairo_pattern_create_radial(-0.15, -0.25, 0.05, 0, 0, 1);
  cairo_pattern_add_color_stop_rgb(p, 0, glass.core.r, glass.core.g, glass.core.b);
  cairo_pattern_add_color_stop_rgb(p, 0.55, glass.body.r, glass.body.g, glass.body.b);
  cairo_pattern_add_color_stop_rgb(p, 1, glass.edge.r, glass.edge.g, glass.edge.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

void SmallChaserLamp(cairo_t* cr, double x0, int index, bool lit) {
  bool bonus = index == 5;
  double w = 53, h = 30;
  cairo_save(cr);
  cairo_rectangle(cr, x0, 0, w, h);
  cairo_clip(cr);
  RoundRect(cr, x0 + 1.5, 1.5, w - 3, h - 3, 6);
  SetChrome(cr, 1.5, h - 1.5, true);
  cairo_fill(cr);
  RoundRect(cr, x0 + 3.5, 3.5, w - 7, h - 7, 5);
  SetColor(cr, Hex(0x100808));
  cairo_fill(cr);
  Glass glass = LampGlass(bonus, lit);
  if (lit) {
    cairo_save(cr);
    RoundRect(cr, x0 + 3.5, 3.5, w - 7, h - 7, 5);
    cairo_clip(cr);
    Glow(cr, x0 + w / 2, h / 2, 30, glass.body, 0.9);
    cairo_restore(cr);
  }
  RoundRect(cr, x0 + 7, 7, w - 14, h - 14, 8);
  FillGlass(cr, x0 + w / 2, h / 2, (w - 14) / 2, (h - 14) / 2, glass);
  SetColor(cr, {0, 0, 0}, 0.6);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Sparkle(cr, x0 + w / 2 - 6, 10.5, 10, 2.2, lit ? 0.55 : 0.25);
  if (bonus && lit)
    OutlinedText(cr, Font{"DejaVu Sans", 8.5, true}, "BONUS", x0 + w / 2, h / 2 + 0.5,
                 Align::Centre, {1, 1, 1}, Hex(0x8A0000), 0.8);
  else if (bonus)
    TextMid(cr, Font{"DejaVu Sans", 8.5, true}, "BONUS", x0 + w / 2, h / 2 + 0.5, Align::Centre,
            Hex(0x6A4040));
  cairo_restore(cr);
}

void LargeChaserLamp(cairo_t* cr, double x0, int index, bool lit) {
  bool bonus = index == 5;
  double w = 83, h = 100;
  cairo_save(cr);
  cairo_rectangle(cr, x0, 0, w, h);
  cairo_clip(cr);
  RoundRect(cr, x0 + 2, 2, w - 4, h - 4, 10);
  SetChrome(cr, x0 + 2, x0 + w - 2, false);
  cairo_fill(cr);
  RoundRect(cr, x0 + 5, 5, w - 10, h - 10, 8);
  SetColor(cr, Hex(0x140A0A));
  cairo_fill(cr);
  Glass glass = LampGlass(bonus, lit);
  double cx = x0 + w / 2, cy = 41, rad = 29;
  if (lit) {
    cairo_save(cr);
    RoundRect(cr, x0 + 5, 5, w - 10, h - 10, 8);
    cairo_clip(cr);
    Glow(cr, cx, cy, 46, glass.body, 0.95);
    cairo_restore(cr);
  }
  // Chrome ring and the dome.
  cairo_arc(cr, cx, cy, rad + 4, 0, 2 * M_PI);
  SetChrome(cr, cy - rad - 4, cy + rad + 4, true);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, rad, 0, 2 * M_PI);
  FillGlass(cr, cx, cy, rad, rad, glass);
  SetColor(cr, {0, 0, 0}, 0.5);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // Facets of the lens.
  for (int i = -2; i <= 2; ++i) {
    cairo_move_to(cr, cx + i * 10, cy - std::sqrt(rad * rad - i * i * 100.0) + 2);
    cairo_line_to(cr, cx + i * 10, cy + std::sqrt(rad * rad - i * i * 100.0) - 2);
  }
  SetColor(cr, {1, 1, 1}, lit ? 0.16 : 0.03);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  Sparkle(cr, cx - 9, cy - 15, 12, 6, lit ? 0.6 : 0.25);
  // Name plate.
  RoundRect(cr, x0 + 12, 77, w - 24, 16, 4);
  SetColor(cr, Hex(0x050505));
  cairo_fill_preserve(cr);
  SetChrome(cr, 77, 93, true);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  std::string label = bonus ? "BONUS" : std::to_string(index + 1);
  Rgb ink = lit ? (bonus ? Hex(0xFF5040) : Hex(0xFFD040)) : Hex(0x806850);
  TextMid(cr, Font{"DejaVu Sans", 10.5, true}, label, cx, 85, Align::Centre, ink);
  cairo_restore(cr);
}

}  // namespace

platform::Bitmap ChaserLamps(int cell, bool lit, int scale) {
  bool small = cell == 64;
  int w = small ? 53 : 83, h = small ? 30 : 100;
  Canvas canvas(6 * w, h, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {0, 0, 0});
  for (int i = 0; i < 6; ++i) {
    if (small)
      SmallChaserLamp(cr, i * w, i, lit);
    else
      LargeChaserLamp(cr, i * w, i, lit);
  }
  return canvas.ToBitmap();
}

platform::Bitmap SideLamps(int frame, int scale) {
  Canvas canvas(frame, 4 * frame, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {0, 0, 0});
  double s = frame / 40.0;
  for (int f = 0; f < 4; ++f) {
    bool right = f >= 2, lit = f % 2 == 1;
    double top = f * frame, cx = frame / 2.0;
    cairo_save(cr);
    cairo_rectangle(cr, 0, top, frame, frame);
    cairo_clip(cr);
    // The left lamp glows red, the right one blue; each hangs on an arm toward the machine.
    Glass glass = right ? (lit ? Glass{{0.9, 0.97, 1}, {0.15, 0.55, 1}, {0, 0.12, 0.6}}
                               : Glass{{0.2, 0.25, 0.4}, {0.06, 0.1, 0.24}, {0.02, 0.03, 0.1}})
                        : (lit ? Glass{{1, 0.93, 0.88}, {1, 0.18, 0.08}, {0.6, 0, 0}}
                               : Glass{{0.4, 0.14, 0.12}, {0.24, 0.05, 0.04}, {0.1, 0.01, 0.01}});
    if (lit) Glow(cr, cx, top + 17 * s, 20 * s, glass.body, 0.75);
    double arm_y = top + 31 * s;
    cairo_rectangle(cr, right ? 0 : cx, arm_y - 2 * s, frame / 2.0, 4 * s);
    SetChrome(cr, arm_y - 2 * s, arm_y + 2 * s, true);
    cairo_fill(cr);
    // Base.
    RoundRect(cr, cx - 11 * s, top + 28 * s, 22 * s, 9 * s, 2.5 * s);
    SetChrome(cr, top + 28 * s, top + 37 * s, true);
    cairo_fill(cr);
    // Dome.
    double dome_r = 11 * s, dome_cy = top + 18 * s;
    cairo_move_to(cr, cx - dome_r, top + 29 * s);
    cairo_line_to(cr, cx - dome_r, dome_cy);
    cairo_arc(cr, cx, dome_cy, dome_r, M_PI, 2 * M_PI);
    cairo_line_to(cr, cx + dome_r, top + 29 * s);
    cairo_close_path(cr);
    FillGlass(cr, cx, dome_cy + 2 * s, dome_r * 1.05, 13 * s, glass);
    SetColor(cr, {0, 0, 0}, 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    Sparkle(cr, cx - 4 * s, dome_cy - 4 * s, 2.5 * s, 5 * s, lit ? 0.7 : 0.3);
    cairo_restore(cr);
  }
  return canvas.ToBitmap();
}

// ---- Buttons ----

platform::Bitmap ButtonFace(int width, int height, int scale) {
  Canvas canvas(width, height, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, Hex(0x200000));
  double b = std::max(2.0, height / 10.0);
  // Light from the top left: bright bevel there, dark one bottom right.
  cairo_move_to(cr, 1, 1);
  cairo_line_to(cr, width - 1, 1);
  cairo_line_to(cr, width - 1 - b, 1 + b);
  cairo_line_to(cr, 1 + b, 1 + b);
  cairo_line_to(cr, 1 + b, height - 1 - b);
  cairo_line_to(cr, 1, height - 1);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xFF7A6A));
  cairo_fill(cr);
  cairo_move_to(cr, width - 1, height - 1);
  cairo_line_to(cr, 1, height - 1);
  cairo_line_to(cr, 1 + b, height - 1 - b);
  cairo_line_to(cr, width - 1 - b, height - 1 - b);
  cairo_line_to(cr, width - 1 - b, 1 + b);
  cairo_line_to(cr, width - 1, 1);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x5A0000));
  cairo_fill(cr);
  cairo_rectangle(cr, 1 + b, 1 + b, width - 2 - 2 * b, height - 2 - 2 * b);
  FillVertical(cr, Hex(0xE02A20), Hex(0x9A0808), 1 + b, height - 1 - b);
  cairo_new_path(cr);
  return canvas.ToBitmap();
}

platform::Bitmap ArcadeButton(const char* word, bool green, int scale) {
  const int w = 124, h = 72;
  Canvas canvas(w, h, scale);
  cairo_t* cr = canvas.cr();
  Fill(cr, {0, 0, 0});
  Rgb base = green ? Hex(0x18B030) : Hex(0xE01810);
  Glow(cr, w / 2.0, h / 2.0, 70, base, 0.35);
  RoundRect(cr, 3, 3, w - 6, h - 6, 18);
  SetChrome(cr, 3, h - 3, true);
  cairo_fill(cr);
  RoundRect(cr, 7, 7, w - 14, h - 14, 14);
  SetColor(cr, Hex(0x101010));
  cairo_fill(cr);
  // The cap, lit from inside.
  RoundRect(cr, 10, 9, w - 20, h - 20, 12);
  cairo_pattern_t* p = cairo_pattern_create_radial(w / 2.0, h * 0.42, 4, w / 2.0, h / 2.0, 60);
  Rgb hi = Lighter(base, 0.45), lo = Darker(base, 0.45);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.55, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Darker(base, 0.7));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  RoundRect(cr, 15, 11, w - 30, (h - 20) * 0.42, 9);
  cairo_pattern_t* gloss = cairo_pattern_create_linear(0, 11, 0, 11 + (h - 20) * 0.42);
  cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, 0.6);
  cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0.05);
  cairo_set_source(cr, gloss);
  cairo_fill(cr);
  cairo_pattern_destroy(gloss);
  OutlinedText(cr, Font{"DejaVu Sans", 25, true}, word, w / 2.0, h / 2.0 + 1, Align::Centre,
               {1, 1, 1}, Darker(base, 0.7), 1.6);
  return canvas.ToBitmap();
}

}  // namespace art
