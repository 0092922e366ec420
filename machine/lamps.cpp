#include "machine/lamps.h"

#include <array>

#include "rules/strips.h"
#include "machine/wheels.h"

namespace machine {

namespace {

constexpr std::array<std::array<int, 3>, 8> kLineCells{{
    {0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6}, {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {6, 4, 2}}};

int LampTop(const Machine& m) {
  int top = m.art.BackgroundImage.Height() + m.g.OriginY;
  if (m.g.CellSize != 96 && m.g.ScreenWidth >= 700 && m.g.ScreenWidth <= 999) top += 40;
  return top;
}

int SideLampTop(const Machine& m) {
  return m.art.BackgroundImage.Height() + m.g.OriginY + (m.g.ScreenWidth < 700 ? 5 : 15);
}

void DrawSideLamp(Machine& m, int x, int frame) {
  const platform::Bitmap& pic = m.art.SideLampImage;
  int h = pic.Height() / 4;
  m.canvas->Blit(pic, 0, frame * h, pic.Width(), h, x, SideLampTop(m));
}

Box Highlight(const rules::GameState& g, int w) {
  if (g.ScreenWidth >= 1000)
    return {g.OriginX + 75 + 124 * (w % 3), g.OriginY + 70 + 173 * (w / 3), 99, 150};
  return {g.OriginX + 49 + 81 * (w % 3), g.OriginY + 45 + 112 * (w / 3), 64, 97};
}

void RestoreCell(Machine& m, int w) {
  ClearCell(m, w);
  DrawCell(m, w);
}

void DrawLampsAndSides(Machine& m) {
  DrawChaserLamps(m);
  DrawLeftSideLamp(m, m.g.ChaserLamps[0]);
  DrawRightSideLamp(m, !m.g.ChaserLamps[0]);
}

// A celebration pattern has shown for 7 ticks: hand over to the other one.
void CountBlink(Machine& m, TimerId self, TimerId other) {
  m.g.BlinkTicks += 1;
  if (m.g.BlinkTicks > 6) {
    m.g.BlinkTicks = 0;
    StopTimer(m, self);
    StartTimer(m, other);
  }
}

}  // namespace

platform::Color LineColour(int line) {
  static constexpr std::array<platform::Color, 8> kColours{
      platform::kRed,  platform::kAqua, platform::kGreen, platform::kOlive,
      platform::kBlue, platform::kGray, platform::kYellow, platform::kRed};
  return (line >= 0 && line < 8) ? kColours[line] : platform::kBlack;
}

void DrawChaserLamp(Machine& m, int i, bool lit) {
  const platform::Bitmap& pic = lit ? m.art.LampsOnImage : m.art.LampsOffImage;
  int w = m.g.CellSize == 96 ? 83 : 53;
  int h = m.g.CellSize == 96 ? 100 : 30;
  m.canvas->Blit(pic, w * i, 0, w, h, m.g.OriginX + w * i, LampTop(m));
}

void DrawChaserLamps(Machine& m) {
  int w = m.art.LampsOffImage.Width() / 6;
  int h = m.art.LampsOffImage.Height();
  m.canvas->Hold();
  for (int i = 0; i < 6; ++i) {
    const platform::Bitmap& pic = m.g.ChaserLamps[i] ? m.art.LampsOnImage : m.art.LampsOffImage;
    m.canvas->Blit(pic, w * i, 0, w, h, m.g.OriginX + w * i, LampTop(m));
  }
  m.canvas->Release();
}

void DrawLeftSideLamp(Machine& m, bool lit) {
  int x = (m.g.OriginX - m.art.SideLampImage.Width()) / 2;
  DrawSideLamp(m, x, lit ? 1 : 0);
}

void DrawRightSideLamp(Machine& m, bool lit) {
  int bg = m.art.BackgroundImage.Width();
  int x = (m.g.ScreenWidth - bg - m.g.OriginX - m.art.SideLampImage.Width()) / 2 + m.g.OriginX + bg;
  DrawSideLamp(m, x, lit ? 3 : 2);
}

void HighlightLine(Machine& m, int line, bool on) {
  if (line < 0 || line > 7) return;
  m.canvas->Hold();
  for (int w : kLineCells[line]) {
    if (on) {
      Box b = Highlight(m.g, w);
      m.canvas->Hatch(b.x, b.y, b.w, b.h, LineColour(line));
    } else {
      RestoreCell(m, w);
    }
  }
  m.canvas->Release();
}

void HighlightScreenBonus(Machine& m, bool on) {
  m.canvas->Hold();
  for (int w = 0; w < 9; ++w) {
    if (!on) {
      RestoreCell(m, w);
      continue;
    }
    int code = rules::CellSymbol(m.g, w);
    if (m.g.ScreenBonus == 10 || code == rules::Seven || code == rules::RollSeven) {
      Box b = Highlight(m.g, w);
      m.canvas->Hatch(b.x, b.y, b.w, b.h, platform::kBlack);
    }
  }
  m.canvas->Release();
}

void Timer1Timer(Machine& m) {
  if (m.g.SpinInProgress) return;
  auto& lamps = m.g.ChaserLamps;
  lamps[0] = !lamps[0];
  for (int i = 1; i < 6; ++i) lamps[i] = lamps[0];
  DrawLampsAndSides(m);
  CountBlink(m, Timer1, Timer2);
}

void Timer2Timer(Machine& m) {
  if (m.g.SpinInProgress) return;
  auto& lamps = m.g.ChaserLamps;
  lamps[0] = !lamps[0];
  lamps[2] = lamps[4] = lamps[0];
  lamps[1] = lamps[3] = lamps[5] = !lamps[0];
  DrawLampsAndSides(m);
  CountBlink(m, Timer2, Timer1);
}

void Timer3Timer(Machine& m) {
  StopTimer(m, Timer3);
  if (!m.g.SpinInProgress) StartTimer(m, Timer1);
}

void Timer4Timer(Machine& m) {
  rules::GameState& g = m.g;
  if (g.SpinInProgress) return;
  if (g.FlashTicks >= 6) {
    if (g.WinItem == 9) HighlightScreenBonus(m, false);
    else HighlightLine(m, g.WinItem, false);
    g.FlashTicks = 0;
    g.WinItem += 1;
    if (g.WinItem > 8) g.WinItem = 0;
    if (g.WinItem == 8) g.WinItem = 9;
    // Walk on to the next item with a win; with none left there is nothing to flash.
    int looked = 0;
    while (rules::ResultItem(g, g.WinItem) == 0) {
      if (++looked > 10) {
        StopTimer(m, Timer4);
        return;
      }
      g.WinItem += 1;
      if (g.WinItem == 8) g.WinItem = 9;
      if (g.WinItem > 9) g.WinItem = 0;
    }
  }
  g.FlashPhase = !g.FlashPhase;
  if (g.WinItem == 9) HighlightScreenBonus(m, g.FlashPhase);
  else HighlightLine(m, g.WinItem, g.FlashPhase);
  g.FlashTicks += 1;
}

}  // namespace machine
