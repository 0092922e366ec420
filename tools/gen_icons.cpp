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

void DrawIcon(cairo_t* cr) {
  // A soft shadow under the shield lifts it from dark panels.
  ShieldPath(cr, 10, 7, 106, 116);
  SetColor(cr, {0, 0, 0}, 0.35);
  cairo_fill(cr);
  ShieldEmblem(cr, 9, 4, kDesign, 0.08);

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
