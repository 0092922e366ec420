#include "dialogs/card_table.h"

#include <memory>
#include <optional>
#include <string>

#include "machine/game_recording.h"
#include "machine/manual_topics.h"
#include "machine/sounds.h"
#include "platform/dialog.h"
#include "platform/words.h"
#include "rules/card_game.h"
#include "rules/money.h"
#include "rules/width_class.h"

namespace dialogs {

namespace {

// TRANSLATORS: the title of the card table's window.
const char kCaption[] = N_("Double or Nothing Card Game");
// TRANSLATORS: the rules line under the cards; it must fit two short lines of small type.
const char kRules[] = N_(
    "A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; "
    "a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings.");

class CardTable {
 public:
  CardTable(machine::Machine& m, int layout_width);
  // Shows the table and returns when it has closed, however it was closed.
  void ShowModal();

 private:
  void PaintTable();
  void DrawSlot(int slot);
  void TurnCardAt(int x, int y);
  // Counts what the cards won or lost, once, however the table closes.
  void CountResult();
  std::string WinningsText() const;

  machine::Machine& m_;
  std::unique_ptr<platform::Dialog> dialog_;
  CardArt art_;
  rules::CardGame game_;
  int winnings_label_ = -1;
  bool counted_ = false;
};

CardTable::CardTable(machine::Machine& m, int layout_width) : m_(m) {
  dialog_ = m_.dialogs.NewDialog(_(kCaption), 640, 440, platform::kGreen);
  rules::GameState& g = m_.g;
  art_ = LoadCardArt();
  AttachCardTwins(art_, m_.ProgramFolder, dialog_->Surface().ComposeScale());
  game_.StartWinnings = g.SpinWin;
  game_.GameOver = false;

  using platform::Align;
  using platform::LabelStyle;
  // 18 and 8 points are the 24- and 11-pixel fonts of the table's 96-dpi layout.
  winnings_label_ = dialog_->AddLabel(12, 374, 397, 35, WinningsText(),
                                      LabelStyle{.points = 18, .color = platform::kYellow, .align = Align::Center});
  dialog_->AddLabel(12, 336, 605, 33, _(kRules), LabelStyle{.points = 8, .color = platform::kWhite, .wrap = true});
  // TRANSLATORS: a button 89 pixels wide.
  dialog_->AddButton(528, 374, 89, 33, _("OK"), platform::ButtonKind::Ok, nullptr);
  // TRANSLATORS: a button 89 pixels wide.
  dialog_->AddButton(424, 374, 89, 33, _("Help"), platform::ButtonKind::Plain, [this] {
    m_.help.ShowHelp(m_.HelpFile, std::to_string(machine::kCardTableHelpTopic));
  });
  dialog_->SetHelpTopic(machine::kCardTableHelpTopic);
  dialog_->OnPaint([this] { PaintTable(); });
  dialog_->OnMouseUp([this](int x, int y) { TurnCardAt(x, y); });
  dialog_->OnClose([this] { CountResult(); });

  m_.rng.Seed(m_.clock.TimeOfDayMs());
  game_.deck = rules::DealDeck(m_.rng);

  // A small screen has no room for the table below the machine's top edge.
  if (rules::WidthClassOf(layout_width) == rules::WidthClass::Small) dialog_->MoveTo((layout_width - 640) / 2, 0);
}

void CardTable::ShowModal() {
  // Closing the main window closes the table too, keeping what it stands at.
  m_.CloseOpenDialog = [this] { dialog_->Close(); };
  dialog_->ShowModal();
  m_.CloseOpenDialog = nullptr;
}

void CardTable::PaintTable() {
  platform::Canvas& surface = dialog_->Surface();
  surface.Hold();
  surface.Fill(0, 0, surface.Width(), surface.Height(), platform::kGreen);
  for (int slot = 0; slot < rules::kCardSlots; ++slot) DrawSlot(slot);
  surface.Release();
}

void CardTable::DrawSlot(int slot) {
  const rules::Card& card = game_.deck[slot];
  platform::Bitmap face;
  const platform::Bitmap* picture = &art_.back;
  if (card.turned && card.card == rules::kJokerCard) {
    picture = &art_.Joker;
  } else if (card.turned) {
    face = CardFace(art_, card.value, card.suit);
    picture = &face;
  }
  // The mask blacks out the card's shape, the picture fills it: the corners stay table.
  platform::Canvas& surface = dialog_->Surface();
  int x = rules::SlotLeft(slot), y = rules::SlotTop(slot);
  surface.Hold();
  surface.Blit(art_.Neg, 0, 0, rules::kCardWidth, rules::kCardHeight, x, y, platform::RasterOp::And);
  surface.Blit(*picture, 0, 0, rules::kCardWidth, rules::kCardHeight, x, y, platform::RasterOp::Or);
  surface.Release();
}

void CardTable::TurnCardAt(int x, int y) {
  int slot = rules::CardSlotAt(x, y);
  if (slot < 0) return;
  rules::GameState& g = m_.g;
  const int32_t stake = g.SpinWin;
  if (std::optional<rules::CardOutcome> outcome = rules::TurnCard(game_, slot, g.SpinWin)) {
    g.SpinWin = outcome->win;
    machine::RecordGamble(m_, stake, game_.deck[slot].card, outcome->win);
    DrawSlot(slot);
    // Let the turned card show before its sound holds everything up.
    m_.clock.PumpMessages();
    machine::PlayWave(m_, outcome->sound, outcome->wait);
  }
  dialog_->SetText(winnings_label_, WinningsText());
}

void CardTable::CountResult() {
  if (counted_) return;
  counted_ = true;
  rules::GameState& g = m_.g;
  g.DoubleOrNothingWon = rules::SatAdd(g.DoubleOrNothingWon, int64_t{g.SpinWin} - game_.StartWinnings);
}

std::string CardTable::WinningsText() const {
  // TRANSLATORS: under the cards; %1 is the winnings at stake.
  return platform::FillIn(_("Winnings: %1"), {std::to_string(m_.g.SpinWin)});
}

}  // namespace

void PlayDoubleOrNothing(machine::Machine& m, int layout_width) {
  if (m.Closing) return;
  CardTable table(m, layout_width);
  table.ShowModal();
}

}  // namespace dialogs
