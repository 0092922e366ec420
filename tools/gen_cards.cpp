// Draws the card table's pictures with Cairo and writes them as a C++ source that
// compiles them into the game (dialogs::CardPicture), and at 2x and 3x as files into the
// program folder's 2x/ and 3x/. With a third argument it also writes each 1x picture as
// a BMP file into that folder, to look at.
//
//   vantello_gen_cards <card_pictures.cpp> <program folder> [folder]
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/bitmap.h"
#include "platform/bmp.h"
#include "tools/art/art.h"
#include "tools/art/embed.h"

namespace {

using platform::Bitmap;
using platform::Color;

constexpr int kCardW = 73, kCardH = 98;
constexpr double kCornerRadius = 6;
constexpr double kPi = M_PI;

struct Rgb {
  double r, g, b;
};
Rgb Hex(uint32_t v) { return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0}; }

const Rgb kInkBlack = Hex(0x141414);
const Rgb kInkRed = Hex(0xD01818);
const Rgb kPaper = Hex(0xFFFFFF);
const Rgb kGold = Hex(0xE8B820);
const Rgb kGoldDark = Hex(0x8A6410);
const Rgb kSkin = Hex(0xF8D2A8);
const Rgb kOutline = Hex(0x202020);
const Color kCardEdge = 0x505050;

void Set(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

// A Cairo picture painted over with its ground colour first, so it is opaque.
class Picture : public art::Canvas {
 public:
  Picture(int w, int h, int scale) : art::Canvas(w, h, scale) {
    Set(cr(), kPaper);
    cairo_paint(cr());
  }
};

// ---- The card's shape ----

// Whether pixel (x, y) of a 73 x 98 picture drawn at `scale` lies on the card, inside its
// rounded corners. The mask and every card picture use this one test, so they fit exactly.
bool OnCard(int x, int y, int scale) {
  double px = (x + 0.5) / scale, py = (y + 0.5) / scale, r = kCornerRadius;
  double cx = px < r ? r : px > kCardW - r ? kCardW - r : px;
  double cy = py < r ? r : py > kCardH - r ? kCardH - r : py;
  return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
}

// The edge is one 1x pixel wide: `scale` pixels of a larger picture.
bool OnCardEdge(int x, int y, int scale) {
  if (!OnCard(x, y, scale)) return false;
  auto out = [scale](int ax, int ay) {
    return ax < 0 || ay < 0 || ax >= kCardW * scale || ay >= kCardH * scale || !OnCard(ax, ay, scale);
  };
  return out(x - scale, y) || out(x + scale, y) || out(x, y - scale) || out(x, y + scale);
}

// Black outside the card, a thin grey edge on it.
Bitmap CutCard(Bitmap picture, int scale) {
  for (int y = 0; y < kCardH * scale; ++y)
    for (int x = 0; x < kCardW * scale; ++x) {
      if (!OnCard(x, y, scale)) picture.SetPixel(x, y, platform::kBlack);
      else if (OnCardEdge(x, y, scale)) picture.SetPixel(x, y, kCardEdge);
    }
  return picture;
}

Bitmap Mask(int scale) {
  Bitmap mask(kCardW * scale, kCardH * scale);
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x)
      mask.SetPixel(x, y, OnCard(x, y, scale) ? platform::kBlack : platform::kWhite);
  return mask;
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
  cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
}

void FillAndOutline(cairo_t* cr, Rgb fill, double line = 0.8) {
  Set(cr, fill);
  cairo_fill_preserve(cr);
  Set(cr, kOutline);
  cairo_set_line_width(cr, line);
  cairo_stroke(cr);
}

// ---- Rank signs: stroked letters in a 9 x 13 box ----

void Glyph(cairo_t* cr, char c) {
  const double x0 = 1.4, x1 = 7.6, y0 = 1.4, y1 = 11.6;
  switch (c) {
    case 'A':
      cairo_move_to(cr, x0, y1);
      cairo_line_to(cr, 4.5, y0);
      cairo_line_to(cr, x1, y1);
      cairo_move_to(cr, 2.6, 8.2);
      cairo_line_to(cr, 6.4, 8.2);
      break;
    case '2':
      cairo_arc(cr, 4.5, 4.2, 2.9, kPi * 1.08, 2 * kPi + 0.5);
      cairo_line_to(cr, x0, y1);
      cairo_line_to(cr, x1, y1);
      break;
    case '3':
      cairo_arc(cr, 4.4, 3.95, 2.6, kPi * 1.12, 2.5 * kPi);
      cairo_new_sub_path(cr);
      cairo_arc(cr, 4.4, 9.0, 2.75, -kPi / 2, kPi * 0.88);
      break;
    case '4':
      cairo_move_to(cr, 5.9, y1);
      cairo_line_to(cr, 5.9, y0);
      cairo_line_to(cr, x0, 8.4);
      cairo_line_to(cr, x1, 8.4);
      break;
    case '5':
      cairo_move_to(cr, 7.2, y0);
      cairo_line_to(cr, 2.2, y0);
      cairo_line_to(cr, 1.8, 6.2);
      cairo_arc(cr, 4.4, 8.6, 3.0, -2.4, kPi * 0.85);
      break;
    case '6':
      cairo_new_sub_path(cr);
      cairo_arc(cr, 4.5, 8.7, 2.9, 0, 2 * kPi);
      cairo_move_to(cr, 7.0, 2.2);
      cairo_curve_to(cr, 5.2, 0.6, 1.6, 1.4, 1.6, 8.7);
      break;
    case '7':
      cairo_move_to(cr, x0, y0);
      cairo_line_to(cr, x1, y0);
      cairo_line_to(cr, 3.4, y1);
      break;
    case '8':
      cairo_new_sub_path(cr);
      cairo_arc(cr, 4.5, 3.9, 2.45, 0, 2 * kPi);
      cairo_new_sub_path(cr);
      cairo_arc(cr, 4.5, 9.0, 2.75, 0, 2 * kPi);
      break;
    case '9':
      cairo_new_sub_path(cr);
      cairo_arc(cr, 4.5, 4.3, 2.9, 0, 2 * kPi);
      cairo_move_to(cr, 7.4, 4.3);
      cairo_curve_to(cr, 7.4, 11.4, 3.8, 12.4, 2.0, 10.8);
      break;
    case 'T':  // the 10, squeezed into the same box
      cairo_move_to(cr, 0.6, 3.0);
      cairo_line_to(cr, 2.3, 1.4);
      cairo_line_to(cr, 2.3, y1);
      Ellipse(cr, 6.0, 6.5, 2.0, 5.1);
      break;
    case 'J':
      cairo_move_to(cr, 3.4, y0);
      cairo_line_to(cr, x1, y0);
      cairo_move_to(cr, 6.2, y0);
      cairo_line_to(cr, 6.2, 9.0);
      cairo_arc(cr, 4.0, 9.0, 2.2, 0, kPi);
      break;
    case 'Q':
      Ellipse(cr, 4.5, 6.3, 3.1, 4.9);
      cairo_move_to(cr, 4.9, 8.9);
      cairo_line_to(cr, 8.0, 12.2);
      break;
    case 'K':
      cairo_move_to(cr, 1.9, y0);
      cairo_line_to(cr, 1.9, y1);
      cairo_move_to(cr, x1, y0);
      cairo_line_to(cr, 2.0, 7.4);
      cairo_move_to(cr, 3.6, 5.8);
      cairo_line_to(cr, x1, y1);
      break;
    case 'O':
      Ellipse(cr, 4.5, 6.5, 3.1, 5.1);
      break;
    case 'E':
      cairo_move_to(cr, x1, y0);
      cairo_line_to(cr, 1.9, y0);
      cairo_line_to(cr, 1.9, y1);
      cairo_line_to(cr, x1, y1);
      cairo_move_to(cr, 1.9, 6.5);
      cairo_line_to(cr, 6.4, 6.5);
      break;
    case 'R':
      cairo_move_to(cr, 1.9, y1);
      cairo_line_to(cr, 1.9, y0);
      cairo_line_to(cr, 4.6, y0);
      cairo_arc(cr, 4.6, 4.1, 2.7, -kPi / 2, kPi / 2);
      cairo_line_to(cr, 1.9, 6.8);
      cairo_move_to(cr, 4.4, 6.8);
      cairo_line_to(cr, x1, y1);
      break;
  }
}

// Draws a letter in the 9 x 13 box at (x, y), turned half round when upside down.
void DrawGlyph(cairo_t* cr, char c, double x, double y, double box_w, bool upside_down, Rgb ink,
               double scale = 1.0) {
  cairo_save(cr);
  cairo_translate(cr, x + box_w / 2, y + 6.5 * scale);
  if (upside_down) cairo_rotate(cr, kPi);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, -4.5, -6.5);
  cairo_new_path(cr);
  Glyph(cr, c);
  cairo_restore(cr);
  Set(cr, ink);
  cairo_set_line_width(cr, 1.65 * scale);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// A, 2 to 10, J, Q, K: upright in rows 0 to 13, upside down in rows 14 to 27.
Bitmap RankSigns(Rgb ink, int scale) {
  const char ranks[] = "A23456789TJQK";
  Picture p(117, 28, scale);
  for (int i = 0; i < 13; ++i) {
    DrawGlyph(p.cr(), ranks[i], 9 * i, 0, 9, false, ink);
    DrawGlyph(p.cr(), ranks[i], 9 * i, 14, 8, true, ink);
  }
  return p.ToBitmap();
}

// ---- Suits: 0 spades, 1 hearts, 2 diamonds, 3 clubs ----

bool RedSuit(int suit) { return suit == 1 || suit == 2; }

void HeartPath(cairo_t* cr, bool flip) {
  // Drawn in the unit square; the flipped heart is the body of a spade.
  auto pt = [&](double x, double y) { return std::pair{x, flip ? 0.80 - 0.78 * y : y}; };
  auto move = [&](double x, double y) { auto [a, b] = pt(x, y); cairo_move_to(cr, a, b); };
  auto curve = [&](double ax, double ay, double bx, double by, double cx, double cy) {
    auto [a1, a2] = pt(ax, ay);
    auto [b1, b2] = pt(bx, by);
    auto [c1, c2] = pt(cx, cy);
    cairo_curve_to(cr, a1, a2, b1, b2, c1, c2);
  };
  move(0.5, 0.98);
  curve(0.36, 0.80, 0.02, 0.60, 0.02, 0.32);
  curve(0.02, 0.12, 0.16, 0.03, 0.29, 0.03);
  curve(0.40, 0.03, 0.47, 0.10, 0.5, 0.21);
  curve(0.53, 0.10, 0.60, 0.03, 0.71, 0.03);
  curve(0.84, 0.03, 0.98, 0.12, 0.98, 0.32);
  curve(0.98, 0.60, 0.64, 0.80, 0.5, 0.98);
  cairo_close_path(cr);
}

// The flared foot of a spade or a club, from y = top down to the bottom edge.
void Stem(cairo_t* cr, double top) {
  cairo_move_to(cr, 0.4, top);
  cairo_curve_to(cr, 0.42, 0.85, 0.34, 0.95, 0.22, 1.0);
  cairo_line_to(cr, 0.78, 1.0);
  cairo_curve_to(cr, 0.66, 0.95, 0.58, 0.85, 0.6, top);
  cairo_close_path(cr);
}

// Fills the suit's shape, piece by piece, in the source colour already set.
void FillSuit(cairo_t* cr, int suit) {
  switch (suit) {
    case 0:
      HeartPath(cr, true);
      cairo_fill(cr);
      Stem(cr, 0.55);
      break;
    case 1:
      HeartPath(cr, false);
      break;
    case 2:
      cairo_move_to(cr, 0.5, 0.0);
      cairo_curve_to(cr, 0.62, 0.2, 0.74, 0.35, 0.88, 0.5);
      cairo_curve_to(cr, 0.74, 0.65, 0.62, 0.8, 0.5, 1.0);
      cairo_curve_to(cr, 0.38, 0.8, 0.26, 0.65, 0.12, 0.5);
      cairo_curve_to(cr, 0.26, 0.35, 0.38, 0.2, 0.5, 0.0);
      cairo_close_path(cr);
      break;
    case 3:
      for (auto [x, y] : {std::pair{0.5, 0.25}, {0.25, 0.57}, {0.75, 0.57}}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, 0.22, 0, 2 * kPi);
      }
      cairo_new_sub_path(cr);
      cairo_arc(cr, 0.5, 0.5, 0.12, 0, 2 * kPi);
      cairo_fill(cr);
      Stem(cr, 0.5);
      break;
  }
}

// A suit sign filling the square (x, y, size) less a small margin.
void DrawSuit(cairo_t* cr, int suit, double x, double y, double size, bool upside_down) {
  double margin = size * 0.06;
  cairo_save(cr);
  cairo_translate(cr, x + size / 2, y + size / 2);
  if (upside_down) cairo_rotate(cr, kPi);
  cairo_translate(cr, -size / 2 + margin, -size / 2 + margin);
  cairo_scale(cr, size - 2 * margin, size - 2 * margin);
  cairo_new_path(cr);
  Set(cr, RedSuit(suit) ? kInkRed : kInkBlack);
  FillSuit(cr, suit);
  cairo_fill(cr);
  cairo_restore(cr);
}

Bitmap SuitSheet(int size, int scale) {
  Picture p(4 * size, 2 * size, scale);
  for (int s = 0; s < 4; ++s) {
    DrawSuit(p.cr(), s, size * s, 0, size, false);
    DrawSuit(p.cr(), s, size * s, size, size, true);
  }
  return p.ToBitmap();
}

// ---- Court pictures ----

enum Court { King, Queen, Jack };

struct Palette {
  Rgb robe, lining, frame, accent;
};

// The upper half of a court figure in a 47 x 37 field; the lower half is the same
// turned half round, as on a real court card. The head stands away from the corner
// where the card puts its pip (top left for the King, top right otherwise).
void CourtHalf(cairo_t* cr, Court court, const Palette& pal) {
  const double hx = court == King ? 28.5 : 18.5, hy = 17.5, hr = 6.2;
  const double side = court == King ? -1 : 1;  // towards the free side, away from the head

  // Long hair behind the Queen's head.
  if (court == Queen) {
    cairo_move_to(cr, hx - 8.5, 28);
    cairo_curve_to(cr, hx - 10.5, 18, hx - 8, 9, hx, 9);
    cairo_curve_to(cr, hx + 8, 9, hx + 10.5, 18, hx + 8.5, 28);
    cairo_close_path(cr);
    FillAndOutline(cr, Hex(0xE0A030));
  }

  // Shoulders and robe with a trimmed collar.
  cairo_move_to(cr, hx - 19, 37.5);
  cairo_curve_to(cr, hx - 17, 27, hx - 10, 24.5, hx, 24.5);
  cairo_curve_to(cr, hx + 10, 24.5, hx + 17, 27, hx + 19, 37.5);
  cairo_close_path(cr);
  FillAndOutline(cr, pal.robe);
  cairo_move_to(cr, hx - 9, 25.2);
  cairo_line_to(cr, hx, 33);
  cairo_line_to(cr, hx + 9, 25.2);
  cairo_set_line_width(cr, 2.4);
  Set(cr, kGold);
  cairo_stroke(cr);
  cairo_move_to(cr, hx, 33);
  cairo_line_to(cr, hx, 37.5);
  cairo_set_line_width(cr, 1.6);
  Set(cr, pal.lining);
  cairo_stroke(cr);

  // The head.
  cairo_new_sub_path(cr);
  cairo_arc(cr, hx, hy, hr, 0, 2 * kPi);
  FillAndOutline(cr, kSkin);
  Set(cr, kOutline);
  for (double ex : {hx - 2.3, hx + 2.3}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, ex, hy - 0.8, 0.75, 0, 2 * kPi);
    cairo_fill(cr);
  }

  if (court == King) {
    // A full beard and moustache.
    cairo_move_to(cr, hx - 6.0, hy + 0.5);
    cairo_curve_to(cr, hx - 5.5, hy + 8, hx - 2, hy + 10.5, hx, hy + 11);
    cairo_curve_to(cr, hx + 2, hy + 10.5, hx + 5.5, hy + 8, hx + 6.0, hy + 0.5);
    cairo_curve_to(cr, hx + 3, hy + 3.5, hx - 3, hy + 3.5, hx - 6.0, hy + 0.5);
    cairo_close_path(cr);
    FillAndOutline(cr, Hex(0x8A5A2B));
  } else {
    Set(cr, Hex(0xB03030));
    cairo_set_line_width(cr, 1.0);
    cairo_arc(cr, hx, hy + 1.6, 2.2, 0.2 * kPi, 0.8 * kPi);
    cairo_stroke(cr);
  }

  if (court == King) {
    // A tall crown with three points and jewels.
    cairo_move_to(cr, hx - 6.5, hy - 5);
    cairo_line_to(cr, hx - 7.5, hy - 15);
    cairo_line_to(cr, hx - 3.5, hy - 9.5);
    cairo_line_to(cr, hx, hy - 16.5);
    cairo_line_to(cr, hx + 3.5, hy - 9.5);
    cairo_line_to(cr, hx + 7.5, hy - 15);
    cairo_line_to(cr, hx + 6.5, hy - 5);
    cairo_close_path(cr);
    FillAndOutline(cr, kGold);
    Set(cr, Hex(0xD02020));
    for (double jx : {hx - 3.5, hx, hx + 3.5}) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, jx, hy - 6.8, 1.0, 0, 2 * kPi);
      cairo_fill(cr);
    }
    // The sword on the free side.
    double sx = hx + side * 19;
    cairo_move_to(cr, sx, 37.5);
    cairo_line_to(cr, sx, 20);
    cairo_set_line_width(cr, 1.8);
    Set(cr, Hex(0x9AA4B0));
    cairo_stroke(cr);
    cairo_move_to(cr, sx - 3.5, 31);
    cairo_line_to(cr, sx + 3.5, 31);
    cairo_set_line_width(cr, 1.6);
    Set(cr, kGoldDark);
    cairo_stroke(cr);
  } else if (court == Queen) {
    // A low tiara with round tips, and a flower in her hand.
    cairo_move_to(cr, hx - 6, hy - 4.5);
    cairo_line_to(cr, hx - 6, hy - 8.5);
    cairo_line_to(cr, hx + 6, hy - 8.5);
    cairo_line_to(cr, hx + 6, hy - 4.5);
    cairo_close_path(cr);
    FillAndOutline(cr, kGold);
    for (double tx : {hx - 5, hx, hx + 5}) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, tx, hy - 10, 1.7, 0, 2 * kPi);
      FillAndOutline(cr, kGold, 0.6);
    }
    double fx = hx + 17, fy = 24;
    cairo_move_to(cr, fx, fy + 2);
    cairo_line_to(cr, fx - 3, 37.5);
    cairo_set_line_width(cr, 1.2);
    Set(cr, Hex(0x2E8B3A));
    cairo_stroke(cr);
    for (int petal = 0; petal < 5; ++petal) {
      double a = petal * 2 * kPi / 5;
      cairo_new_sub_path(cr);
      cairo_arc(cr, fx + 2.2 * std::cos(a), fy + 2.2 * std::sin(a), 1.6, 0, 2 * kPi);
    }
    FillAndOutline(cr, pal.accent, 0.5);
    cairo_new_sub_path(cr);
    cairo_arc(cr, fx, fy, 1.2, 0, 2 * kPi);
    Set(cr, kGold);
    cairo_fill(cr);
  } else {
    // A flat cap with a feather, and a halberd.
    cairo_move_to(cr, hx - 7.5, hy - 4);
    cairo_curve_to(cr, hx - 7, hy - 11.5, hx + 7, hy - 11.5, hx + 7.5, hy - 4);
    cairo_close_path(cr);
    FillAndOutline(cr, pal.lining);
    cairo_move_to(cr, hx - 7.5, hy - 4);
    cairo_line_to(cr, hx + 7.5, hy - 4);
    cairo_set_line_width(cr, 1.8);
    Set(cr, kGold);
    cairo_stroke(cr);
    cairo_move_to(cr, hx + 1, hy - 8.5);
    cairo_curve_to(cr, hx - 1, hy - 15, hx - 7, hy - 16.5, hx - 11, hy - 15.5);
    cairo_curve_to(cr, hx - 8, hy - 12, hx - 4, hy - 9, hx + 1, hy - 8.5);
    FillAndOutline(cr, pal.accent, 0.6);
    double sx = hx + 19;
    cairo_move_to(cr, sx, 37.5);
    cairo_line_to(cr, sx, 19);
    cairo_set_line_width(cr, 1.4);
    Set(cr, Hex(0x7A5020));
    cairo_stroke(cr);
    cairo_move_to(cr, sx, 19);
    cairo_line_to(cr, sx - 4.5, 21.5);
    cairo_line_to(cr, sx - 4.5, 25.5);
    cairo_line_to(cr, sx, 24);
    cairo_close_path(cr);
    FillAndOutline(cr, Hex(0x9AA4B0), 0.6);
  }
}

// King, Queen and Jack in columns of 47, black suits above, red suits below.
Bitmap RoyalSheet(int scale) {
  const Palette black{Hex(0x1E3C96), Hex(0x202020), Hex(0x1E3C96), Hex(0xD02020)};
  const Palette red{Hex(0xC42020), Hex(0x1E3C96), Hex(0xC42020), Hex(0x30A040)};
  Picture p(141, 148, scale);
  cairo_t* cr = p.cr();
  for (int row = 0; row < 2; ++row)
    for (Court court : {King, Queen, Jack}) {
      const Palette& pal = row == 0 ? black : red;
      double x = 47.0 * static_cast<int>(court), y = 74.0 * row;
      for (int half = 0; half < 2; ++half) {
        cairo_save(cr);
        cairo_rectangle(cr, x + 1, y + 1 + 36 * half, 45, 36);
        cairo_clip(cr);
        cairo_translate(cr, x, y);
        if (half == 1) {
          cairo_translate(cr, 47, 74);
          cairo_rotate(cr, kPi);
        }
        CourtHalf(cr, court, pal);
        cairo_restore(cr);
      }
      // The frame, and the line between the two halves.
      cairo_rectangle(cr, x + 0.5, y + 0.5, 46, 73);
      cairo_move_to(cr, x + 1, y + 37);
      cairo_line_to(cr, x + 46, y + 37);
      cairo_set_line_width(cr, 1.0);
      Set(cr, pal.frame);
      cairo_stroke(cr);
    }
  return p.ToBitmap();
}

// ---- Whole cards ----

Bitmap BlankFace(int scale) {
  Picture p(kCardW, kCardH, scale);
  return CutCard(p.ToBitmap(), scale);
}

// A blue back with a lattice and a pair of cherries in an oval.
Bitmap Back(int scale) {
  Picture p(kCardW, kCardH, scale);
  cairo_t* cr = p.cr();
  RoundRect(cr, 4, 4, kCardW - 8, kCardH - 8, 3);
  Set(cr, Hex(0x1A3E8C));
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  Set(cr, Hex(0x5A86DA));
  cairo_set_line_width(cr, 1.0);
  for (int d = -kCardH; d < kCardW + kCardH; d += 6) {
    cairo_move_to(cr, d + 0.5, 0);
    cairo_line_to(cr, d + kCardH + 0.5, kCardH);
    cairo_move_to(cr, d + 0.5, 0);
    cairo_line_to(cr, d - kCardH + 0.5, kCardH);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  RoundRect(cr, 6.5, 6.5, kCardW - 13, kCardH - 13, 2);
  Set(cr, kGold);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);

  Ellipse(cr, kCardW / 2.0, kCardH / 2.0, 15, 19);
  Set(cr, kPaper);
  cairo_fill_preserve(cr);
  Set(cr, kGold);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  double cx = kCardW / 2.0, cy = kCardH / 2.0;
  cairo_move_to(cr, cx - 5, cy + 5);
  cairo_curve_to(cr, cx - 4, cy - 4, cx, cy - 10, cx + 3, cy - 12);
  cairo_move_to(cr, cx + 6, cy + 6);
  cairo_curve_to(cr, cx + 6, cy - 2, cx + 4, cy - 8, cx + 3, cy - 12);
  cairo_set_line_width(cr, 1.3);
  Set(cr, Hex(0x2E7D32));
  cairo_stroke(cr);
  for (auto [bx, by] : {std::pair{cx - 5.5, cy + 8.0}, {cx + 5.5, cy + 9.0}}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, bx, by, 4.6, 0, 2 * kPi);
    FillAndOutline(cr, Hex(0xD81B1B), 0.7);
    cairo_new_sub_path(cr);
    cairo_arc(cr, bx - 1.5, by - 1.5, 1.2, 0, 2 * kPi);
    Set(cr, Hex(0xFF9A9A));
    cairo_fill(cr);
  }
  return CutCard(p.ToBitmap(), scale);
}

// A jester's head in a three-pointed cap, with "JOKER" down two corners.
Bitmap Joker(int scale) {
  Picture p(kCardW, kCardH, scale);
  cairo_t* cr = p.cr();
  const char word[] = "JOKER";
  for (int i = 0; i < 5; ++i) {
    DrawGlyph(cr, word[i], 2, 4 + 10 * i, 9, false, kInkRed, 0.72);
    DrawGlyph(cr, word[i], kCardW - 11, kCardH - 14 - 10 * i, 9, true, kInkRed, 0.72);
  }

  const double cx = 36.5, cy = 52;
  const Rgb lobes[3] = {Hex(0xD02020), Hex(0x20A040), Hex(0x2050D0)};
  const double tips[3][2] = {{14, 24}, {36.5, 14}, {59, 24}};
  for (int i = 0; i < 3; ++i) {
    double bx0 = cx - 12 + 8 * i, bx1 = bx0 + 8;
    cairo_move_to(cr, bx0, cy - 6);
    cairo_curve_to(cr, bx0 - 1, cy - 16, tips[i][0] + (i == 1 ? -3 : 2), tips[i][1] + 8, tips[i][0], tips[i][1]);
    cairo_curve_to(cr, tips[i][0] + (i == 1 ? 3 : 4), tips[i][1] + 6, bx1 + 1, cy - 16, bx1, cy - 6);
    cairo_close_path(cr);
    FillAndOutline(cr, lobes[i]);
  }
  for (auto& tip : tips) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, tip[0], tip[1], 3.0, 0, 2 * kPi);
    FillAndOutline(cr, kGold, 0.7);
  }
  // The band of the cap.
  RoundRect(cr, cx - 13, cy - 8, 26, 4.5, 1.5);
  FillAndOutline(cr, kGold);

  // A ruff of alternating points below the face.
  for (int i = 0; i < 7; ++i) {
    double a = kPi * (0.12 + 0.76 * i / 6.0);
    double px = cx + 17 * std::cos(a), py = cy + 9 + 8 * std::sin(a);
    cairo_move_to(cr, cx - 4 + 8 * std::cos(a), cy + 8);
    cairo_line_to(cr, px, py);
    cairo_line_to(cr, cx + 4 + 8 * std::cos(a), cy + 8);
    cairo_close_path(cr);
    FillAndOutline(cr, lobes[i % 3], 0.6);
  }

  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy + 4, 9.5, 0, 2 * kPi);
  FillAndOutline(cr, kSkin);
  Set(cr, kOutline);
  for (double ex : {cx - 3.5, cx + 3.5}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, ex, cy + 1.5, 1.1, 0, 2 * kPi);
    cairo_fill(cr);
  }
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy + 4.5, 1.7, 0, 2 * kPi);
  Set(cr, Hex(0xE03030));
  cairo_fill(cr);
  cairo_arc(cr, cx, cy + 6, 5, 0.15 * kPi, 0.85 * kPi);
  cairo_set_line_width(cr, 1.2);
  Set(cr, Hex(0x902020));
  cairo_stroke(cr);
  return CutCard(p.ToBitmap(), scale);
}

// ---- Output ----

std::string CppSource(const std::vector<std::pair<std::string, Bitmap>>& pictures) {
  art::EmbeddedPictures out{"vantello_gen_cards: the card table's pictures", "dialogs/card_pictures.h",
                            "dialogs", "CardPicture", {}};
  for (const auto& [name, picture] : pictures) out.bmps.emplace_back(name, platform::EncodeBmp24(picture));
  return art::EmbeddedPicturesSource(out);
}

// The pictures drawn at `scale` times their size.
std::vector<std::pair<std::string, Bitmap>> Pictures(int scale) {
  return {
      {"Pos", BlankFace(scale)},          {"Neg", Mask(scale)},
      {"back", Back(scale)},              {"Joker", Joker(scale)},
      {"Royal", RoyalSheet(scale)},       {"Suits", SuitSheet(15, scale)},
      {"SuitSm", SuitSheet(11, scale)},   {"Black", RankSigns(kInkBlack, scale)},
      {"Red", RankSigns(kInkRed, scale)},
  };
}

bool WriteBmps(const std::vector<std::pair<std::string, Bitmap>>& pictures, std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  bool ok = true;
  for (const auto& [name, picture] : pictures) {
    if (platform::SaveFile(folder + name + ".bmp", platform::EncodeBmp24(picture))) continue;
    std::fprintf(stderr, "vantello_gen_cards: cannot write %s%s.bmp\n", folder.c_str(), name.c_str());
    ok = false;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: %s <card_pictures.cpp> <program folder> [folder]\n", argv[0]);
    return 2;
  }
  const std::vector<std::pair<std::string, Bitmap>> pictures = Pictures(1);
  std::string source = CppSource(pictures);
  bool ok = platform::SaveFile(argv[1], std::vector<uint8_t>(source.begin(), source.end()));
  if (!ok) std::fprintf(stderr, "vantello_gen_cards: cannot write %s\n", argv[1]);
  std::string program_folder = argv[2];
  if (!program_folder.empty() && program_folder.back() != '/') program_folder += '/';
  for (int scale : {2, 3}) ok = WriteBmps(Pictures(scale), program_folder + std::to_string(scale) + "x/") && ok;
  if (argc == 4) ok = WriteBmps(pictures, argv[3]) && ok;
  return ok ? 0 : 1;
}
