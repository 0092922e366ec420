#include "machine/bets.h"

#include "machine/sounds.h"
#include "machine/spin_cycle.h"
#include "platform/words.h"
#include "rules/sounds.h"

namespace machine {

namespace {

// A refusal while a waited sound still plays is silent: a held key or a burst of
// presses would otherwise queue a refusal sound each.
void Refuse(Machine& m) {
  if (!m.WaitingForSound) PlayWave(m, rules::kRefusalSound, true);
}

// Spins when the bet can be paid; otherwise says why and ends auto spin.
void CheckBetAndSpin(Machine& m) {
  rules::GameState& g = m.g;
  int32_t bet = g.CoinsPerLine * g.LinesPlayed;
  const char* refusal = nullptr;
  if (bet <= 0) refusal = _("You must place a bet first.");
  // TRANSLATORS: said when the bet is more than the credits; end it as a sentence of your language ends.
  else if (bet > g.Credits) refusal = _("You do not have enough credits for that bet,");
  if (refusal) {
    m.boxes.Information(refusal);
    g.AutoSpin = false;
    m.view->DrawCommandCaptions();
    return;
  }
  SpinCycle(m);
}

}  // namespace

void LinesUp(Machine& m) {
  rules::GameState& g = m.g;
  if (g.LinesPlayed < rules::kMaxLines && (g.LinesPlayed + 1) * g.CoinsPerLine <= g.Credits && !g.SpinInProgress) {
    PlayClick(m);
    g.LinesPlayed += 1;
    m.view->DrawLinesMeter();
    m.view->DrawCoinsPlayedMeter();
  } else {
    Refuse(m);
  }
}

void LinesDown(Machine& m) {
  rules::GameState& g = m.g;
  if (g.LinesPlayed > 0 && !g.SpinInProgress) {
    PlayClick(m);
    g.LinesPlayed -= 1;
    m.view->DrawLinesMeter();
    m.view->DrawCoinsPlayedMeter();
  } else {
    Refuse(m);
  }
}

void CoinsUp(Machine& m) {
  rules::GameState& g = m.g;
  if (g.CoinsPerLine < rules::kMaxCoinsPerLine && (g.CoinsPerLine + 1) * g.LinesPlayed <= g.Credits && !g.SpinInProgress) {
    PlayClick(m);
    g.CoinsPerLine += 1;
    m.view->DrawCoinsMeter();
    m.view->DrawCoinsPlayedMeter();
  } else {
    Refuse(m);
  }
}

void CoinsDown(Machine& m) {
  rules::GameState& g = m.g;
  if (g.CoinsPerLine > 0 && !g.SpinInProgress) {
    PlayClick(m);
    g.CoinsPerLine -= 1;
    m.view->DrawCoinsPlayedMeter();
    m.view->DrawCoinsMeter();
  } else {
    Refuse(m);
  }
}

void RequestSpin(Machine& m) {
  rules::GameState& g = m.g;
  // A request that arrives while another one's loop runs (Enter in the auto-spin
  // pause) would nest a second loop: the running loop already answers AutoSpin.
  if (m.RequestRunning || g.SpinInProgress || m.Closing) return;
  m.RequestRunning = true;
  CheckBetAndSpin(m);
  while (g.AutoSpin && !m.Closing) {
    if (g.Spins % 25 == 0 && g.AutoSave && m.SaveCurrentGame && !m.SaveCurrentGame()) {
      g.AutoSpin = false;
      m.view->DrawCommandCaptions();
      break;
    }
    Pause(m, 0.5);
    // Switched off during the pause: no further spin.
    if (!g.AutoSpin || m.Closing) break;
    CheckBetAndSpin(m);
  }
  m.RequestRunning = false;
}

void PressKey(Machine& m, int key) {
  switch (key) {
    case KeyEnter:
      if (!m.g.SpinInProgress) RequestSpin(m);
      break;
    case KeySpace: m.g.StopRequested = true; break;
    case KeyC: CoinsUp(m); break;
    case KeyX: CoinsDown(m); break;
    case KeyL: LinesUp(m); break;
    case KeyK: LinesDown(m); break;
    default: break;
  }
}

void PressButton(Machine& m, Button button) {
  switch (button) {
    case Button::Spin:
      if (!m.g.SpinInProgress) RequestSpin(m);
      break;
    case Button::Stop: m.g.StopRequested = true; break;
    case Button::LinesUp: LinesUp(m); break;
    case Button::LinesDown: LinesDown(m); break;
    case Button::CoinsUp: CoinsUp(m); break;
    case Button::CoinsDown: CoinsDown(m); break;
  }
}

}  // namespace machine
