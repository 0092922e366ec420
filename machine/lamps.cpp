#include "machine/lamps.h"

#include <array>

#include "rules/pay_rules.h"
#include "rules/strips.h"
#include "rules/width_class.h"
#include "machine/wheels.h"

namespace machine {

namespace {

int LampTop(const Machine& m) {
  int top = m.art.BackgroundImage.Height() + m.g.OriginY;
  if (rules::WidthClassOf(m.g.ScreenWidth) == rules::WidthClass::Medium) top += 40;
  return top;
}

int SideLampTop(const Machine& m) {
  bool small = rules::WidthClassOf(m.g.ScreenWidth) == rules::WidthClass::Small;
  return m.art.BackgroundImage.Height() + m.g.OriginY + (small ? 5 : 15);
}

void DrawSideLamp(Machine& m, int x, int frame) {
  const platform::Bitmap& pic = m.art.SideLampImage;
  int h = pic.Height() / 4;
  m.canvas.Blit(pic, 0, frame * h, pic.Width(), h, x, SideLampTop(m));
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
void CountBlink(Machine& m, LampTimer self, LampTimer other) {
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
  m.canvas.Blit(pic, w * i, 0, w, h, m.g.OriginX + w * i, LampTop(m));
}

void DrawChaserLamps(Machine& m) {
  int w = m.art.LampsOffImage.Width() / 6;
  int h = m.art.LampsOffImage.Height();
  m.canvas.Hold();
  for (int i = 0; i < 6; ++i) {
    const platform::Bitmap& pic = m.g.ChaserLamps[i] ? m.art.LampsOnImage : m.art.LampsOffImage;
    m.canvas.Blit(pic, w * i, 0, w, h, m.g.OriginX + w * i, LampTop(m));
  }
  m.canvas.Release();
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
  m.canvas.Hold();
  for (int w : rules::kPaylines[line]) {
    if (on) {
      Box b = WheelWindow(m.g, w);
      m.canvas.Hatch(b.x, b.y, b.w, b.h, LineColour(line));
    } else {
      RestoreCell(m, w);
    }
  }
  m.canvas.Release();
}

void HighlightScreenBonus(Machine& m, bool on) {
  m.canvas.Hold();
  for (int w = 0; w < 9; ++w) {
    if (!on) {
      RestoreCell(m, w);
      continue;
    }
    int code = rules::CellSymbol(m.g, w);
    if (m.g.ScreenBonusKind == rules::kScreenBonusAllFruit || code == rules::Seven || code == rules::RollSeven) {
      Box b = WheelWindow(m.g, w);
      m.canvas.Hatch(b.x, b.y, b.w, b.h, platform::kBlack);
    }
  }
  m.canvas.Release();
}

void CelebrateAllTick(Machine& m) {
  if (m.g.WheelsTurning) return;
  auto& lamps = m.g.ChaserLamps;
  lamps[0] = !lamps[0];
  for (int i = 1; i < 6; ++i) lamps[i] = lamps[0];
  DrawLampsAndSides(m);
  CountBlink(m, LampTimer::CelebrateAll, LampTimer::CelebrateAlternate);
}

void CelebrateAlternateTick(Machine& m) {
  if (m.g.WheelsTurning) return;
  auto& lamps = m.g.ChaserLamps;
  lamps[0] = !lamps[0];
  lamps[2] = lamps[4] = lamps[0];
  lamps[1] = lamps[3] = lamps[5] = !lamps[0];
  DrawLampsAndSides(m);
  CountBlink(m, LampTimer::CelebrateAlternate, LampTimer::CelebrateAll);
}

void StartupCelebrationTick(Machine& m) {
  StopTimer(m, LampTimer::StartupCelebration);
  if (!m.g.WheelsTurning) StartTimer(m, LampTimer::CelebrateAll);
}

void WinFlashTick(Machine& m) {
  rules::GameState& g = m.g;
  if (g.WheelsTurning) return;
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
        StopTimer(m, LampTimer::WinFlash);
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
