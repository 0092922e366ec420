// The machine's window as it is painted: background, wheels, lamps, labels, meters,
// keys and buttons, each meter redrawn on its own when its value changes.
#pragma once
#include <array>
#include <functional>

#include "machine/machine.h"
#include "platform/canvas.h"
#include "view/layout.h"
#include "view/pictures.h"

namespace view {

// A digit's cell in the LED digit strips, large in the large layout.
struct DigitCell {
  int w = 0, h = 0;
};
constexpr DigitCell LedDigitCell(bool large_digits) {
  return large_digits ? DigitCell{32, 42} : DigitCell{16, 21};
}

// Where the Credits meter's first digit stands.
Point CreditsMeterAt(const Layout& l);

// Paints a non-negative number in LED digits and returns its width. Right-aligned
// numbers end at x; the cleared area reaches one digit cell beyond the number unless
// the clear is exact, wiping the digit a shorter number leaves behind.
int DrawNumber(platform::Canvas& c, const Pictures& p, bool large_digits, int64_t value, int x,
               int y, bool green, bool right_aligned, bool exact_clear);

class MainView : public machine::MachineView {
 public:
  MainView(machine::Machine& m, Pictures& p, int dpi) : m_(m), p_(p), dpi_(dpi) {}

  void DrawCreditsMeter() override;
  void DrawBellPoolMeter() override;
  void DrawLinesMeter() override;
  void DrawCoinsMeter() override;
  void DrawCoinsPlayedMeter() override;
  void DrawBellsRow() override;
  void DrawCherriesRow() override;
  void ShowWinnings(bool show) override;
  void DrawCommandCaptions() override {
    if (draw_captions) draw_captions();
  }
  void RepaintAll() override { PaintAll(); }

  // The wheels (view/wheels_view.cpp).
  void DrawStoppedWheel(int w) override;
  void DrawTurningWheel(int w, int row) override;
  void TakeBouncePicture(int w) override;
  void DrawBounce(int w, int frame) override;
  // A wheel's symbol, drawn over what its window shows.
  void DrawSymbol(int w);

  // The lamps (view/lamps_view.cpp).
  void DrawChaserLamp(int i, bool lit) override;
  void DrawChaserLamps(const std::array<bool, 6>& lit) override;
  void DrawSideLamps(bool left_lit, bool right_lit) override;
  void HighlightLine(int line, bool on) override;
  void HighlightScreenBonus(bool on) override;
  void DrawFreeSpinsCounter(bool lit) override;

  // The whole window, in the order the machine is built up.
  void PaintAll();
  void DrawBarRow();

  std::function<void()> draw_captions;
  Artwork art;
  Layout layout;

 private:
  WidthClass Class() const { return layout.Class(); }
  int Right() const { return layout.Right(); }
  int Number(int64_t value, int x, int y, bool green, bool right, bool exact);
  void DrawLabels();
  void DrawKeys();
  void DrawTurningWheels();
  void DrawSideLamp(int x, int frame);

  machine::Machine& m_;
  Pictures& p_;
  int dpi_;
  // The width of the Winnings amount on show, 0 when none is.
  int winnings_width_ = 0;
  // Each wheel's picture as it stopped, which its bounce moves.
  std::array<platform::Bitmap, 9> bounce_;
};

// The colour each payline is hatched in, 0xRRGGBB.
platform::Color LineColour(int line);

}  // namespace view
