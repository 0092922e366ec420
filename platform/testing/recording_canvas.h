// A canvas that writes down each drawing call, in order, before it draws it: tests read
// back what the machine drew without looking at pixels.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace platform::testing {

class RecordingCanvas : public Canvas {
 public:
  // One drawing call, as a test reads it back.
  struct Call {
    enum Kind { kBlit, kFill, kHatch, kText, kGrab } kind;
    int x, y, w, h;
    Color color;
    std::string text;
  };

  using Canvas::Canvas;

  void Blit(const Bitmap& src, int sx, int sy, int w, int h, int dx, int dy,
            RasterOp op = RasterOp::Copy) override {
    Note(Call::kBlit, dx, dy, w, h, 0);
    Canvas::Blit(src, sx, sy, w, h, dx, dy, op);
  }
  void Fill(int x, int y, int w, int h, Color c) override {
    Note(Call::kFill, x, y, w, h, c);
    Canvas::Fill(x, y, w, h, c);
  }
  void Hatch(int x, int y, int w, int h, Color c) override {
    Note(Call::kHatch, x, y, w, h, c);
    Canvas::Hatch(x, y, w, h, c);
  }
  void Text(int x, int y, std::string_view text, int points, Color c, bool bold = false) override {
    Note(Call::kText, x, y, 0, 0, c, text);
    Canvas::Text(x, y, text, points, c, bold);
  }
  Bitmap Grab(int x, int y, int w, int h) override {
    Note(Call::kGrab, x, y, w, h, 0);
    return Canvas::Grab(x, y, w, h);
  }

  void Record(bool on) { recording_ = on; }
  std::vector<Call>& Recorded() { return calls_; }

 private:
  void Note(Call::Kind kind, int x, int y, int w, int h, Color c, std::string_view text = {}) {
    if (recording_) calls_.push_back(Call{kind, x, y, w, h, c, std::string(text)});
  }

  bool recording_ = false;
  std::vector<Call> calls_;
};

}  // namespace platform::testing
