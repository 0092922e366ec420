// Draws the pictures of the borrow dialog's buttons (the four money chips, the OK tick
// and the Help question mark) with Cairo and writes them as BMP bytes into a C++ source,
// and at 2x and 3x as files into the program folder's 2x/ and 3x/.
//
//   vantello_gen_dialog_art <dialog_pictures.cpp> <program folder>
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/dialog_pictures.h"
#include "platform/bitmap.h"
#include "platform/bmp.h"
#include "tools/art/art.h"
#include "tools/art/embed.h"

namespace {

using platform::Bitmap;
using platform::Color;

struct Rgb {
  double r, g, b;
};

Rgb FromColor(Color c) { return {((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0}; }
Rgb Shade(Rgb c, double t) { return {c.r * t, c.g * t, c.b * t}; }
Rgb Tint(Rgb c, double t) { return {c.r + (1 - c.r) * t, c.g + (1 - c.g) * t, c.b + (1 - c.b) * t}; }
void Use(cairo_t* cr, Rgb c, double alpha = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

// A Cairo picture painted over with its ground colour first, so it is opaque.
class Picture : public art::Canvas {
 public:
  Picture(int w, int h, int scale) : art::Canvas(w, h, scale) {
    Use(cr(), FromColor(dialogs::kButtonFace));
    cairo_paint(cr());
  }
};

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

// Bold text centred on (cx, cy), made as large as fits in max_width and max_height.
void CentredText(cairo_t* cr, const std::string& text, double cx, double cy, double max_width,
                 double max_height, Rgb colour, Rgb outline) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_text_extents_t e;
  double size = max_height;
  for (; size > 6; size -= 0.5) {
    cairo_set_font_size(cr, size);
    cairo_text_extents(cr, text.c_str(), &e);
    if (e.width <= max_width && e.height <= max_height) break;
  }
  double x = cx - e.width / 2 - e.x_bearing, y = cy - e.height / 2 - e.y_bearing;
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text.c_str());
  Use(cr, outline);
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  Use(cr, colour);
  cairo_fill(cr);
}

// A money chip: a glossy oval of the chip's colour with its amount written across it.
Bitmap Chip(const std::string& amount, Color oval_colour, Color text_colour, int scale) {
  const int w = 66, h = 42;
  Picture p(w, h, scale);
  cairo_t* cr = p.cr();
  Rgb oval = FromColor(oval_colour);
  double cx = w / 2.0, cy = h / 2.0, rx = w / 2.0 - 1.5, ry = h / 2.0 - 1.5;

  // A soft shadow below and to the right lifts the chip off the button.
  Ellipse(cr, cx + 1.2, cy + 1.4, rx, ry);
  Use(cr, {0, 0, 0}, 0.35);
  cairo_fill(cr);

  Ellipse(cr, cx, cy, rx, ry);
  cairo_pattern_t* body = cairo_pattern_create_radial(cx - rx * 0.3, cy - ry * 0.45, 2, cx, cy, rx);
  Rgb light = Tint(oval, 0.35), dark = Shade(oval, 0.7);
  cairo_pattern_add_color_stop_rgb(body, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(body, 0.55, oval.r, oval.g, oval.b);
  cairo_pattern_add_color_stop_rgb(body, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  Use(cr, Shade(oval, 0.45));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);

  // An inner ring, as on a casino chip.
  Ellipse(cr, cx, cy, rx - 4, ry - 3.5);
  Use(cr, Tint(oval, 0.5), 0.6);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);

  CentredText(cr, amount, cx, cy, rx * 2 - 12, ry * 2 - 16, FromColor(text_colour), Shade(oval, 0.35));
  return p.ToBitmap();
}

// The OK button's picture: a green tick.
Bitmap Tick(int scale) {
  Picture p(24, 24, scale);
  cairo_t* cr = p.cr();
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, 4, 13);
  cairo_line_to(cr, 10, 19);
  cairo_line_to(cr, 20, 5);
  Use(cr, {0, 0.3, 0});
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  Use(cr, {0.05, 0.65, 0.1});
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  return p.ToBitmap();
}

// The Help button's picture: a red question mark on a yellow disc.
Bitmap QuestionMark(int scale) {
  Picture p(24, 24, scale);
  cairo_t* cr = p.cr();
  Ellipse(cr, 12, 12, 10.5, 10.5);
  Use(cr, {1, 0.92, 0.1});
  cairo_fill_preserve(cr);
  Use(cr, {0.55, 0.45, 0});
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  CentredText(cr, "?", 12, 12.5, 12, 15, {0.85, 0, 0}, {0.6, 0, 0});
  return p.ToBitmap();
}

std::string CppSource(const std::vector<std::pair<std::string, Bitmap>>& pictures) {
  art::EmbeddedPictures out{"vantello_gen_dialog_art: the pictures of the dialogs' buttons",
                            "dialogs/dialog_pictures.h", "dialogs", "DialogPicture", {}};
  for (const auto& [name, picture] : pictures) out.bmps.emplace_back(name, platform::EncodeBmp24(picture));
  return art::EmbeddedPicturesSource(out);
}

// The pictures drawn at `scale` times their size.
std::vector<std::pair<std::string, Bitmap>> Pictures(int scale) {
  return {
      {"Borrow1000", Chip("$1,000", platform::Rgb(0, 0, 224), platform::kAqua, scale)},
      {"Borrow100", Chip("$100", platform::Rgb(208, 0, 0), platform::kYellow, scale)},
      {"Borrow10", Chip("$10", platform::Rgb(0, 150, 0), platform::kYellow, scale)},
      {"Borrow1", Chip("$1", platform::Rgb(16, 16, 16), platform::kWhite, scale)},
      {"OkTick", Tick(scale)},
      {"HelpMark", QuestionMark(scale)},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <dialog_pictures.cpp> <program folder>\n", argv[0]);
    return 2;
  }
  bool ok = true;
  std::string source = CppSource(Pictures(1));
  if (!platform::SaveFile(argv[1], std::vector<uint8_t>(source.begin(), source.end()))) {
    std::fprintf(stderr, "vantello_gen_dialog_art: cannot write %s\n", argv[1]);
    ok = false;
  }
  std::string folder = argv[2];
  if (!folder.empty() && folder.back() != '/') folder += '/';
  for (int scale : {2, 3})
    for (const auto& [name, picture] : Pictures(scale)) {
      std::string path = folder + std::to_string(scale) + "x/" + name + ".bmp";
      if (platform::SaveFile(path, platform::EncodeBmp24(picture))) continue;
      std::fprintf(stderr, "vantello_gen_dialog_art: cannot write %s\n", path.c_str());
      ok = false;
    }
  return ok ? 0 : 1;
}
