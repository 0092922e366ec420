// A surface to draw on: a picture in memory plus the bookkeeping that tells the
// window which part of it changed. The real window shows the changed parts when
// messages are pumped; a hold (like a window-update lock) gathers the changes of a
// group of drawing calls and shows them at once when it is released.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"

namespace platform {

// Text drawing needs the window system's fonts; the canvas asks this for it.
class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  // Draws text with a transparent background; (x, y) is the top left of the text box.
  virtual void Draw(Bitmap& dst, int x, int y, std::string_view text, int points, Color color,
                    bool bold) = 0;
  virtual int Width(std::string_view text, int points, bool bold) = 0;
  virtual int Height(int points, bool bold) = 0;
  // The narrow face of the same family, for texts whose box is fixed; it has the usual
  // face's height. Without one the usual face stands in.
  virtual void DrawCondensed(Bitmap& dst, int x, int y, std::string_view text, int points,
                             Color color, bool bold) {
    Draw(dst, x, y, text, points, color, bold);
  }
  virtual int CondensedWidth(std::string_view text, int points, bool bold) {
    return Width(text, points, bold);
  }
};

// The size and face at which a text fits its box.
struct TextFit {
  int points = 8;
  bool condensed = false;
};

// Below this a caption is no longer read at a glance; it is cut rather than shrunk further.
constexpr int kSmallestPoints = 6;

// The drawing calls are virtual so that the test face can record them on their way.
class Canvas {
 public:
  Canvas(int width, int height, TextRenderer* text);
  virtual ~Canvas() = default;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The picture at the layout's size; empty while composing at a larger scale.
  const Bitmap& Pixels() const { return pixels_; }
  void Resize(int width, int height);

  // Draws everything at `scale` (1 to 3) times the size instead: pictures from their
  // twins of that size (a picture without one is enlarged), texts at that many times
  // their points. The window shows that picture brought down to its own size. Every
  // coordinate stays the layout's. Set once, before drawing: what was drawn is enlarged.
  void SetComposeScale(int scale);
  // Draws everything at w x h, smaller than the layout, for a window that shows the machine
  // below its own size: each picture is brought down as it is drawn and each text is drawn
  // at the size it is shown (DrawnPoints), so that texts are rendered, not shrunk. What was
  // drawn before is only brought down: the window draws it all again.
  void ComposeReduced(int w, int h);
  int ComposeScale() const { return scale_; }
  bool Reduced() const { return reduced_; }
  // The picture as it is composed: Pixels() at scale 1.
  const Bitmap& Composed() const { return scale_ > 1 || reduced_ ? composed_ : pixels_; }
  // The points a text asked for at `points` is drawn at. Composed below the layout's size,
  // that is its points times the reduction, though never fewer than the same text has on an
  // 800x600 screen: there the labels are 6/7 of the large machine's and the captions 8.
  int DrawnPoints(int points) const;

  virtual void Blit(const Bitmap& src, int sx, int sy, int w, int h, int dx, int dy,
                    RasterOp op = RasterOp::Copy);
  virtual void Fill(int x, int y, int w, int h, Color c);
  virtual void Hatch(int x, int y, int w, int h, Color c);
  virtual void Text(int x, int y, std::string_view text, int points, Color c, bool bold = false);
  int TextWidth(std::string_view text, int points, bool bold = false);
  int TextHeight(int points, bool bold = false);
  // The largest size up to `points` at which every one of the texts measures no wider
  // than `width`: in the usual face where it fits at that size, else in the condensed one.
  TextFit FitText(const std::vector<std::string_view>& texts, int points, int width,
                  bool bold = false);
  int TextWidth(std::string_view text, TextFit fit, bool bold = false);
  virtual void FittedText(int x, int y, std::string_view text, TextFit fit, Color c,
                          bool bold = false);
  // Copies a block of what is on the canvas into a new picture.
  virtual Bitmap Grab(int x, int y, int w, int h);

  // Holds back showing changes until the matching Release; holds nest.
  void Hold();
  void Release();
  bool Held() const { return hold_depth_ > 0; }

  // Called with each changed area (x, y, w, h) that should now be shown.
  void OnDamage(std::function<void(int, int, int, int)> listener) { on_damage_ = std::move(listener); }

 private:
  void Damage(int x, int y, int w, int h);
  // A text's width in the layout's pixels as drawn at the compose scale.
  int ShownWidth(std::string_view text, int points, bool bold, bool condensed);
  bool AllFit(const std::vector<std::string_view>& texts, int points, int width, bool bold, bool condensed);

  // The block of src, placed at the compose scale.
  void ComposeBlit(const Bitmap& src, int sx, int sy, int w, int h, int dx, int dy, RasterOp op);
  void ReducedBlit(const Bitmap& src, int sx, int sy, int w, int h, int dx, int dy, RasterOp op);
  // A layout coordinate in the reduced picture, rounded down, so that blocks side by side
  // stay side by side.
  int ReducedX(int x) const;
  int ReducedY(int y) const;
  struct Block {
    int x, y, w, h;
  };
  Block ReducedBlock(int x, int y, int w, int h) const;

  int width_, height_;
  Bitmap pixels_;    // the picture at scale 1
  Bitmap composed_;  // the picture at scale_ times the size, when scale_ > 1
  int scale_ = 1;
  bool reduced_ = false;  // composed_ is the picture at reduced_w_ x reduced_h_
  int reduced_w_ = 0, reduced_h_ = 0;
  TextRenderer* text_;
  std::function<void(int, int, int, int)> on_damage_;
  int hold_depth_ = 0;
  bool held_damage_ = false;
  int held_x0_ = 0, held_y0_ = 0, held_x1_ = 0, held_y1_ = 0;
};

}  // namespace platform
