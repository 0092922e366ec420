// Drawing helpers of the artwork generator and the colour reducer of the 256-colour set.
#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include "tools/art/art.h"

namespace art {

Rgb Hex(uint32_t v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Lighter(Rgb c, double t) { return Mix(c, {1, 1, 1}, t); }
Rgb Darker(Rgb c, double t) { return Mix(c, {0, 0, 0}, t); }

Canvas::Canvas(int width, int height, int scale)
    : width_(width),
      height_(height),
      scale_(scale),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * scale, height * scale)),
      cr_(cairo_create(surface_)) {
  if (scale != 1) cairo_scale(cr_, scale, scale);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

platform::Bitmap Canvas::ToBitmap() {
  cairo_surface_flush(surface_);
  int w = width_ * scale_, h = height_ * scale_;
  platform::Bitmap out(w, h);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < h; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    // Pictures are painted opaque, so the premultiplied pixel is the colour itself.
    for (int x = 0; x < w; ++x) out.SetPixel(x, y, row[x] & 0xFFFFFF);
  }
  return out;
}

void SetColor(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void Fill(cairo_t* cr, Rgb c) {
  SetColor(cr, c);
  cairo_paint(cr);
}

void FillVertical(cairo_t* cr, Rgb top, Rgb bottom, double y0, double y1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

cairo_pattern_t* ChromePattern(double from, double to, bool vertical) {
  cairo_pattern_t* p = vertical ? cairo_pattern_create_linear(0, from, 0, to)
                                : cairo_pattern_create_linear(from, 0, to, 0);
  // Bright and dark bands, as a polished tube reflects the room.
  const double stops[][2] = {{0.0, 0.55}, {0.18, 0.95}, {0.35, 0.75}, {0.5, 0.42},
                             {0.62, 0.58}, {0.8, 0.9}, {1.0, 0.5}};
  for (auto& s : stops) cairo_pattern_add_color_stop_rgb(p, s[0], s[1], s[1], s[1] * 1.04);
  return p;
}

void SetChrome(cairo_t* cr, double from, double to, bool vertical) {
  cairo_pattern_t* p = ChromePattern(from, to, vertical);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void Sparkle(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColor(cr, {1, 1, 1}, alpha);
  cairo_fill(cr);
}

void ShieldPath(cairo_t* cr, double x, double y, double w, double h) {
  cairo_move_to(cr, x, y + h * 0.08);
  cairo_curve_to(cr, x + w * 0.3, y + h * 0.1, x + w * 0.42, y, x + w * 0.5, y - h * 0.02);
  cairo_curve_to(cr, x + w * 0.58, y, x + w * 0.7, y + h * 0.1, x + w, y + h * 0.08);
  cairo_curve_to(cr, x + w, y + h * 0.55, x + w * 0.85, y + h * 0.82, x + w * 0.5, y + h);
  cairo_curve_to(cr, x + w * 0.15, y + h * 0.82, x, y + h * 0.55, x, y + h * 0.08);
  cairo_close_path(cr);
}

void ShieldEmblem(cairo_t* cr, double x, double y, double chrome_height, double ray_alpha) {
  ShieldPath(cr, x, y, 106, 116);
  SetChrome(cr, 0, chrome_height, true);
  cairo_fill(cr);
  const double cx = x + 53, cy = y + 49;
  ShieldPath(cr, x + 5, y + 5, 96, 105);
  cairo_pattern_t* field = cairo_pattern_create_radial(cx, cy - 5, 4, cx, cy + 5, 70);
  cairo_pattern_add_color_stop_rgb(field, 0, 0.25, 0.35, 0.95);
  cairo_pattern_add_color_stop_rgb(field, 0.6, 0.06, 0.12, 0.55);
  cairo_pattern_add_color_stop_rgb(field, 1, 0.02, 0.04, 0.25);
  cairo_set_source(cr, field);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(field);
  cairo_save(cr);
  cairo_clip(cr);
  for (int i = 0; i < 24; i += 2) {
    double a0 = 2 * M_PI * i / 24, a1 = 2 * M_PI * (i + 1) / 24;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 120 * std::cos(a0), cy + 120 * std::sin(a0));
    cairo_line_to(cr, cx + 120 * std::cos(a1), cy + 120 * std::sin(a1));
    cairo_close_path(cr);
  }
  SetColor(cr, {1, 1, 1}, ray_alpha);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.4, c.r, c.g, c.b, alpha * 0.45);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

namespace {

void SelectFont(cairo_t* cr, const Font& font) {
  cairo_select_font_face(cr, font.face,
                         font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, font.size);
}

double StartX(cairo_t* cr, const Font& font, const std::string& text, double x, Align align) {
  if (align == Align::Left) return x;
  double w = TextWidth(cr, font, text);
  return align == Align::Centre ? x - w / 2 : x - w;
}

double CapHalf(cairo_t* cr, const Font& font) {
  SelectFont(cr, font);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "H", &e);
  return -e.y_bearing / 2;
}

}  // namespace

double TextWidth(cairo_t* cr, const Font& font, const std::string& text) {
  SelectFont(cr, font);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e.x_advance;
}

void Text(cairo_t* cr, const Font& font, const std::string& text, double x, double y, Align align,
          Rgb c, double alpha) {
  double sx = StartX(cr, font, text, x, align);
  SelectFont(cr, font);
  SetColor(cr, c, alpha);
  cairo_move_to(cr, sx, y);
  cairo_show_text(cr, text.c_str());
  cairo_new_path(cr);
}

void TextMid(cairo_t* cr, const Font& font, const std::string& text, double x, double cy,
             Align align, Rgb c, double alpha) {
  Text(cr, font, text, x, cy + CapHalf(cr, font), align, c, alpha);
}

void OutlinedText(cairo_t* cr, const Font& font, const std::string& text, double x, double cy,
                  Align align, Rgb fill, Rgb outline, double outline_width) {
  double sx = StartX(cr, font, text, x, align);
  double y = cy + CapHalf(cr, font);
  SelectFont(cr, font);
  cairo_save(cr);
  cairo_move_to(cr, sx + outline_width * 0.6, y + outline_width * 0.6);
  cairo_text_path(cr, text.c_str());
  SetColor(cr, {0, 0, 0}, 0.55);
  cairo_set_line_width(cr, outline_width * 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_move_to(cr, sx, y);
  cairo_text_path(cr, text.c_str());
  SetColor(cr, outline);
  cairo_stroke_preserve(cr);
  SetColor(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
}

Rgb LineColour(int line_index) {
  static const uint32_t colours[8] = {0xFF0000, 0x00FFFF, 0x008000, 0x808000,
                                      0x0000FF, 0x808080, 0xFFFF00, 0xFF0000};
  return Hex(colours[line_index & 7]);
}

// ---- Colour reduction (median cut) ----

namespace {

struct Entry {
  platform::Color colour;
  long count;
};

int Channel(platform::Color c, int ch) { return (c >> (16 - 8 * ch)) & 255; }

struct Box {
  std::vector<Entry> entries;
  long pixels = 0;
  int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};

  void Measure() {
    pixels = 0;
    for (int ch = 0; ch < 3; ++ch) lo[ch] = 255, hi[ch] = 0;
    for (const Entry& e : entries) {
      pixels += e.count;
      for (int ch = 0; ch < 3; ++ch) {
        lo[ch] = std::min(lo[ch], Channel(e.colour, ch));
        hi[ch] = std::max(hi[ch], Channel(e.colour, ch));
      }
    }
  }
  int WidestChannel() const {
    // Green counts most to the eye, blue least.
    const double weight[3] = {1.0, 1.2, 0.8};
    int best = 0;
    for (int ch = 1; ch < 3; ++ch)
      if ((hi[ch] - lo[ch]) * weight[ch] > (hi[best] - lo[best]) * weight[best]) best = ch;
    return best;
  }
  double Priority() const {
    int ch = WidestChannel();
    return entries.size() < 2 ? -1 : std::sqrt(double(pixels)) * (hi[ch] - lo[ch]);
  }
  platform::Color Average() const {
    double sum[3] = {0, 0, 0};
    for (const Entry& e : entries)
      for (int ch = 0; ch < 3; ++ch) sum[ch] += double(Channel(e.colour, ch)) * e.count;
    auto avg = [&](int ch) { return static_cast<int>(std::lround(sum[ch] / pixels)); };
    return platform::Rgb(avg(0), avg(1), avg(2));
  }
};

long Distance(platform::Color a, platform::Color b) {
  long d[3];
  for (int ch = 0; ch < 3; ++ch) d[ch] = Channel(a, ch) - Channel(b, ch);
  return 3 * d[0] * d[0] + 4 * d[1] * d[1] + 2 * d[2] * d[2];
}

}  // namespace

platform::Bitmap Reduce(const platform::Bitmap& picture, int colours,
                        const std::vector<platform::Color>& keep) {
  std::map<platform::Color, long> histogram;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) ++histogram[picture.Pixel(x, y)];
  if (static_cast<int>(histogram.size()) <= colours) return picture;

  Box all;
  for (auto [colour, count] : histogram)
    if (std::find(keep.begin(), keep.end(), colour) == keep.end())
      all.entries.push_back({colour, count});
  all.Measure();
  std::vector<Box> boxes{all};
  int room = colours - static_cast<int>(keep.size());
  while (static_cast<int>(boxes.size()) < room) {
    size_t pick = 0;
    for (size_t i = 1; i < boxes.size(); ++i)
      if (boxes[i].Priority() > boxes[pick].Priority()) pick = i;
    if (boxes[pick].Priority() <= 0) break;
    Box& box = boxes[pick];
    int ch = box.WidestChannel();
    std::stable_sort(box.entries.begin(), box.entries.end(), [&](const Entry& a, const Entry& b) {
      return Channel(a.colour, ch) < Channel(b.colour, ch);
    });
    long half = box.pixels / 2, run = 0;
    size_t cut = 1;
    for (size_t i = 0; i + 1 < box.entries.size(); ++i) {
      run += box.entries[i].count;
      cut = i + 1;
      if (run >= half) break;
    }
    Box upper;
    upper.entries.assign(box.entries.begin() + static_cast<long>(cut), box.entries.end());
    box.entries.resize(cut);
    box.Measure();
    upper.Measure();
    boxes.push_back(std::move(upper));
  }

  std::vector<platform::Color> palette(keep.begin(), keep.end());
  for (const Box& b : boxes) palette.push_back(b.Average());

  std::unordered_map<platform::Color, platform::Color> nearest;
  platform::Bitmap out(picture.Width(), picture.Height());
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      platform::Color c = picture.Pixel(x, y);
      auto it = nearest.find(c);
      if (it == nearest.end()) {
        platform::Color best = palette[0];
        for (platform::Color p : palette)
          if (Distance(c, p) < Distance(c, best)) best = p;
        it = nearest.emplace(c, best).first;
      }
      out.SetPixel(x, y, it->second);
    }
  return out;
}

}  // namespace art
