// Draws the game's icon for the desktop's menus and launchers: the logo's chrome shield
// with its blue field, a seven and a pair of cherries. Writes vantello-<size>.png for
// each size given in pixels and vantello.svg into the folder given.
// Usage: vantello_gen_icons FOLDER SIZE...
#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/art/art.h"

namespace {

using namespace art;

// The icon is drawn in a square of this many units and scaled to each size.
constexpr double kDesign = 124;

// The logo's shield: a top that rises to the middle, sides curving in to the tip.
void ShieldPath(cairo_t* cr, double x, double y, double w, double h) {
  cairo_move_to(cr, x, y + h * 0.08);
  cairo_curve_to(cr, x + w * 0.3, y + h * 0.1, x + w * 0.42, y, x + w * 0.5, y - h * 0.02);
  cairo_curve_to(cr, x + w * 0.58, y, x + w * 0.7, y + h * 0.1, x + w, y + h * 0.08);
  cairo_curve_to(cr, x + w, y + h * 0.55, x + w * 0.85, y + h * 0.82, x + w * 0.5, y + h);
  cairo_curve_to(cr, x + w * 0.15, y + h * 0.82, x, y + h * 0.55, x, y + h * 0.08);
  cairo_close_path(cr);
}

void DrawIcon(cairo_t* cr) {
  const double cx = kDesign / 2, cy = 52;
  // A soft shadow under the shield lifts it from dark panels.
  ShieldPath(cr, 10, 7, 106, 116);
  SetColor(cr, {0, 0, 0}, 0.35);
  cairo_fill(cr);
  ShieldPath(cr, 9, 4, 106, 116);
  SetChrome(cr, 0, kDesign, true);
  cairo_fill(cr);

  ShieldPath(cr, 14, 9, 96, 105);
  cairo_pattern_t* field = cairo_pattern_create_radial(cx, cy - 5, 4, cx, cy + 5, 70);
  cairo_pattern_add_color_stop_rgb(field, 0, 0.25, 0.35, 0.95);
  cairo_pattern_add_color_stop_rgb(field, 0.6, 0.06, 0.12, 0.55);
  cairo_pattern_add_color_stop_rgb(field, 1, 0.02, 0.04, 0.25);
  cairo_set_source(cr, field);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(field);
  cairo_save(cr);
  cairo_clip(cr);
  // Rays from behind the seven, as on the logo.
  for (int i = 0; i < 24; i += 2) {
    double a0 = 2 * M_PI * i / 24, a1 = 2 * M_PI * (i + 1) / 24;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 120 * std::cos(a0), cy + 120 * std::sin(a0));
    cairo_line_to(cr, cx + 120 * std::cos(a1), cy + 120 * std::sin(a1));
    cairo_close_path(cr);
  }
  SetColor(cr, {1, 1, 1}, 0.08);
  cairo_fill(cr);
  cairo_restore(cr);

  // Larger than on the logo, with no ribbon below: the icon must read at 48 pixels.
  DrawSymbol(cr, 0, 14, 10, 84);
  DrawSymbol(cr, 9, 60, 50, 54);
}

bool WritePng(const std::string& folder, int size) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, size / kDesign, size / kDesign);
  DrawIcon(cr);
  cairo_destroy(cr);
  const std::string path = folder + "/vantello-" + std::to_string(size) + ".png";
  bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!ok) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return ok;
}

bool WriteSvg(const std::string& folder) {
  const std::string path = folder + "/vantello.svg";
  cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), 128, 128);
  cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, 128 / kDesign, 128 / kDesign);
  DrawIcon(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!ok) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s FOLDER SIZE...\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = WriteSvg(folder);
  for (int i = 2; i < argc; ++i) {
    int size = std::atoi(argv[i]);
    if (size < 16 || size > 1024) {
      std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
      return 2;
    }
    ok = WritePng(folder, size) && ok;
  }
  return ok ? 0 : 1;
}
