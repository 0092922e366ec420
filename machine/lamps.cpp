#include "machine/lamps.h"

#include "rules/game_state.h"
#include "rules/pay_rules.h"

namespace machine {

namespace {

// A celebration pattern shows for this many ticks before the other one takes over.
constexpr int kBlinkTicksPerPattern = 7;
// The win flash hatches an item for this many ticks before it walks on.
constexpr int kFlashTicksPerItem = 6;

// A celebration pattern has shown its ticks: hand over to the other one.
void CountBlink(Machine& m, LampTimer self, LampTimer other) {
  m.animation.BlinkTicks += 1;
  if (m.animation.BlinkTicks >= kBlinkTicksPerPattern) {
    m.animation.BlinkTicks = 0;
    StopTimer(m, self);
    StartTimer(m, other);
  }
}

void ShowItem(Machine& m, int item, bool on) {
  if (item == rules::kResultItemScreen) m.view->HighlightScreenBonus(on);
  else m.view->HighlightLine(item, on);
}

// With reduced flashing a celebration is every lamp lit, steadily, until the next spin.
void LightAllSteadily(Machine& m, LampTimer self) {
  auto& lamps = m.animation.ChaserLamps;
  StopTimer(m, self);
  lamps.fill(true);
  DrawLampsAndSides(m);
}

// The next result item after `item`, the lines in order, then the screen bonus; the
// spin total in between is never flashed.
int NextItem(int item) {
  item += 1;
  if (item == rules::kResultItemSpinTotal) item = rules::kResultItemScreen;
  if (item >= rules::kResultItemCount) item = 0;
  return item;
}

}  // namespace

void DrawLampsAndSides(Machine& m) {
  const auto& lamps = m.animation.ChaserLamps;
  m.view->DrawChaserLamps(lamps);
  m.view->DrawSideLamps(lamps[0], !lamps[0]);
}

void CelebrateAllTick(Machine& m) {
  if (m.g.WheelsTurning) return;
  if (m.ReducedFlashing) return LightAllSteadily(m, LampTimer::CelebrateAll);
  auto& lamps = m.animation.ChaserLamps;
  lamps[0] = !lamps[0];
  for (int i = 1; i < 6; ++i) lamps[i] = lamps[0];
  DrawLampsAndSides(m);
  CountBlink(m, LampTimer::CelebrateAll, LampTimer::CelebrateAlternate);
}

void CelebrateAlternateTick(Machine& m) {
  if (m.g.WheelsTurning) return;
  if (m.ReducedFlashing) return LightAllSteadily(m, LampTimer::CelebrateAlternate);
  auto& lamps = m.animation.ChaserLamps;
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

// Each winning item in turn blinks for kFlashTicksPerItem ticks; with reduced flashing it
// is lit steadily for as long, and a lone winning item stays lit.
void WinFlashTick(Machine& m) {
  Animation& a = m.animation;
  if (m.g.WheelsTurning) return;
  if (a.FlashTicks >= kFlashTicksPerItem) {
    const int shown = a.FlashedItem;
    a.FlashTicks = 0;
    a.FlashedItem = NextItem(a.FlashedItem);
    // Walk on to the next item with a win; with none left there is nothing to flash.
    int looked = 0;
    while (rules::ResultItem(m.g, a.FlashedItem) == 0) {
      if (++looked > rules::kResultItemCount) {
        ShowItem(m, shown, false);
        StopTimer(m, LampTimer::WinFlash);
        return;
      }
      a.FlashedItem = NextItem(a.FlashedItem);
    }
    if (!m.ReducedFlashing || a.FlashedItem != shown) {
      ShowItem(m, shown, false);
      if (m.ReducedFlashing) a.FlashPhase = false;
    }
  }
  if (!m.ReducedFlashing || !a.FlashPhase) {
    a.FlashPhase = !a.FlashPhase;
    ShowItem(m, a.FlashedItem, a.FlashPhase);
  }
  a.FlashTicks += 1;
}

void FreeSpinsBlinkTick(Machine& m) {
  if (m.ReducedFlashing && m.animation.FreeSpinsLit) return;
  m.animation.FreeSpinsLit = !m.animation.FreeSpinsLit;
  m.view->DrawFreeSpinsCounter(m.animation.FreeSpinsLit);
}

}  // namespace machine
