// The lamps as the machine's window draws them: the chaser row under the wheels, the
// side lamps, the hatching of the win flash and the "FREE Spins:" counter.
#include <string>

#include "rules/pay_rules.h"
#include "rules/strips.h"
#include "platform/words.h"
#include "view/main_view.h"

namespace view {

namespace {

int LampTop(const Layout& l) {
  int top = l.origin_y + l.background_h;
  if (l.Class() == WidthClass::Medium) top += 40;
  return top;
}

int SideLampTop(const Layout& l) {
  return l.origin_y + l.background_h + (l.Class() == WidthClass::Small ? 5 : 15);
}

}  // namespace

platform::Color LineColour(int line) {
  static constexpr std::array<platform::Color, 8> kColours{
      platform::kRed,  platform::kAqua, platform::kGreen, platform::kOlive,
      platform::kBlue, platform::kGray, platform::kYellow, platform::kRed};
  return (line >= 0 && line < 8) ? kColours[line] : platform::kBlack;
}

void MainView::DrawChaserLamp(int i, bool lit) {
  const platform::Bitmap& pic = lit ? art.LampsOnImage : art.LampsOffImage;
  const int w = layout.Large() ? 83 : 53;
  const int h = layout.Large() ? 100 : 30;
  m_.canvas.Blit(pic, w * i, 0, w, h, layout.origin_x + w * i, LampTop(layout));
}

void MainView::DrawChaserLamps(const std::array<bool, 6>& lit) {
  const int w = art.LampsOffImage.Width() / 6;
  const int h = art.LampsOffImage.Height();
  m_.canvas.Hold();
  for (int i = 0; i < 6; ++i) {
    const platform::Bitmap& pic = lit[i] ? art.LampsOnImage : art.LampsOffImage;
    m_.canvas.Blit(pic, w * i, 0, w, h, layout.origin_x + w * i, LampTop(layout));
  }
  m_.canvas.Release();
}

void MainView::DrawSideLamp(int x, int frame) {
  const platform::Bitmap& pic = art.SideLampImage;
  const int h = pic.Height() / 4;
  m_.canvas.Blit(pic, 0, frame * h, pic.Width(), h, x, SideLampTop(layout));
}

// The side lamps stand in the middle of the black on either side of the machine; the
// picture holds four frames: left dark, left lit, right dark, right lit.
void MainView::DrawSideLamps(bool left_lit, bool right_lit) {
  const int lamp_w = art.SideLampImage.Width();
  DrawSideLamp((layout.origin_x - lamp_w) / 2, left_lit ? 1 : 0);
  const int bg = layout.background_w;
  DrawSideLamp((layout.width - bg - layout.origin_x - lamp_w) / 2 + layout.origin_x + bg, right_lit ? 3 : 2);
}

void MainView::HighlightLine(int line, bool on) {
  if (line < 0 || line > 7) return;
  m_.canvas.Hold();
  for (int w : rules::kPaylines[line]) {
    if (on) {
      const Box b = WheelWindow(layout, w);
      m_.canvas.Hatch(b.x, b.y, b.w, b.h, LineColour(line));
    } else {
      DrawStoppedWheel(w);
    }
  }
  m_.canvas.Release();
}

void MainView::HighlightScreenBonus(bool on) {
  m_.canvas.Hold();
  for (int w = 0; w < 9; ++w) {
    if (!on) {
      DrawStoppedWheel(w);
      continue;
    }
    const int code = rules::CellSymbol(m_.g, w);
    if (m_.g.ScreenBonusKind == rules::kScreenBonusAllFruit || code == rules::Seven || code == rules::RollSeven) {
      const Box b = WheelWindow(layout, w);
      m_.canvas.Hatch(b.x, b.y, b.w, b.h, platform::kBlack);
    }
  }
  m_.canvas.Release();
}

void MainView::DrawFreeSpinsCounter(bool lit) {
  const Point at = FreeSpinsCounterAt(layout);
  const int points = FreeSpinsPoints(layout);
  // The trailing blanks wipe a longer text drawn before.
  // TRANSLATORS: the counter of the free spins left; %1 is how many.
  const std::string text = platform::FillIn(_("FREE Spins:  %1"), {std::to_string(m_.g.BarRollsLeft)}) + "          ";
  platform::Canvas& c = m_.canvas;
  c.Hold();
  c.Fill(at.x, at.y, c.TextWidth(text, points), c.TextHeight(points), platform::kBlack);
  c.Text(at.x, at.y, text, points, lit ? platform::kYellow : platform::kBlack);
  c.Release();
}

}  // namespace view
