#include "dialogs/slot_dialog.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "machine/manual_topics.h"
#include "persistence/saved_game.h"
#include "platform/dialog.h"
#include "platform/words.h"

namespace dialogs {

namespace {

// The game's name, shown in every slot's panel: a name, the same in every language.
constexpr char kGameTitle[] = "Vantello";
constexpr char kCurrentGameName[] = "CurrentGame";

// Where the panel of slot index i stands: the first half of the slots down the left
// column, the rest down the right one.
constexpr int kPanelsPerColumn = (persistence::kSlotCount + 1) / 2;
int PanelLeft(int i) { return i < kPanelsPerColumn ? 16 : 312; }
int PanelTop(int i) { return 16 + 72 * (i % kPanelsPerColumn); }

// The number a count's wording follows; a debt of one credit reads as one credit does.
unsigned long CountForm(int64_t n) { return static_cast<unsigned long>(n < 0 ? -n : n); }

class SlotDialog {
 public:
  SlotDialog(machine::Machine& m, platform::ProfileFile& file, SlotDialogMode mode)
      : m_(m), file_(file), mode_(mode), today_(persistence::TodayDate()) {}

  // Parks the game and lists the slots; false (with the error shown) when the game
  // could not be parked, and then nothing else has happened.
  bool Open();
  void ShowModal();

 private:
  // The controls of one slot's panel, by id.
  struct Panel {
    int name = -1, title = -1, date = -1, credits = -1, borrowed = -1;
  };

  void AddPanel(int slot);
  void FillPanel(int slot);
  // The OK button of a slot: the game saved into it, or opened from it.
  void PressSlot(int slot);
  // Loads "CurrentGame" into the live game; where it does not hold what the dialog last
  // put there (the file was changed or could not be read), the game in memory is kept.
  void BringBackCurrentGame();
  bool ParkCurrentGame();

  machine::Machine& m_;
  platform::ProfileFile& file_;
  SlotDialogMode mode_;
  std::string today_;
  std::unique_ptr<platform::Dialog> dialog_;
  Panel panels_[persistence::kSlotCount];
  // The game that "CurrentGame" holds: what the dialog last wrote there.
  rules::GameState parked_;
};

bool SlotDialog::Open() {
  // Listing a slot means loading it over the live game, so the game is parked first.
  // If it cannot be parked, no slot is loaded and the game stays as it is.
  if (!ParkCurrentGame()) return false;

  const char* caption = mode_ == SlotDialogMode::Save ? _("Save a Game -- Select Game Slot")
                                                      : _("Open a Game -- Select Game Slot");
  dialog_ = m_.dialogs.NewDialog(caption, 616, 360, platform::kSilver);
  dialog_->SetHelpTopic(machine::kSlotDialogHelpTopic);
  dialog_->AddFrame(0, 8, 617, 297);
  for (int i = 0; i < persistence::kSlotCount; ++i) AddPanel(i);
  dialog_->AddButton(8, 316, 97, 37, _("&Help"), platform::ButtonKind::Plain, [this] {
    m_.help.ShowHelp(m_.HelpFile, std::to_string(machine::kSlotDialogHelpTopic));
  });
  dialog_->AddButton(508, 316, 97, 37, _("&Cancel"), platform::ButtonKind::Cancel, nullptr);
  dialog_->OnClose([this] { BringBackCurrentGame(); });

  for (int i = 0; i < persistence::kSlotCount; ++i) {
    persistence::LoadGameSection(m_.g, file_, i, today_);
    FillPanel(i);
  }
  return true;
}

void SlotDialog::AddPanel(int i) {
  const int x = PanelLeft(i), y = PanelTop(i);
  platform::LabelStyle left;
  platform::LabelStyle right;
  right.align = platform::Align::Right;
  Panel& p = panels_[i];
  dialog_->AddFrame(x, y, 289, 65);
  p.name = dialog_->AddEdit(x + 8, y + 8, 233, 20, "", true, persistence::kGameNameChars);
  p.title = dialog_->AddLabel(x + 8, y + 28, 129, 13, "", left);
  // Room for a date of ten characters, as a locale that writes the year in full has it.
  p.date = dialog_->AddLabel(x + 138, y + 28, 87, 13, "", right);
  p.credits = dialog_->AddLabel(x + 8, y + 48, 105, 13, "", left);
  p.borrowed = dialog_->AddLabel(x + 112, y + 48, 113, 13, "", right);
  // Every slot button is an OK button: it closes the dialog once its work is done.
  // It is not the dialog's default button, so Enter in a name field presses no slot.
  // TRANSLATORS: the button of each game slot that saves or opens it; it is 49 pixels wide.
  dialog_->AddButton(x + 232, y + 16, 49, 37, _("OK"), platform::ButtonKind::Plain, [this, i] {
    PressSlot(i);
    dialog_->Close();
  });
}

void SlotDialog::FillPanel(int i) {
  const rules::GameState& g = m_.g;
  const Panel& p = panels_[i];
  dialog_->SetText(p.name, g.GameName);
  dialog_->SetText(p.title, kGameTitle);
  dialog_->SetText(p.date, g.GameDate);
  // TRANSLATORS: a saved game's credits in its slot; it must fit 105 pixels.
  dialog_->SetText(p.credits, platform::FillIn(P_("%1 Credits", "%1 Credits", CountForm(g.Credits)),
                                               {std::to_string(g.Credits)}));
  // TRANSLATORS: a saved game's borrowed credits in its slot; it must fit 113 pixels.
  dialog_->SetText(p.borrowed, platform::FillIn(P_("%1 Borrowed", "%1 Borrowed", CountForm(g.Borrowed)),
                                                {std::to_string(g.Borrowed)}));
}

void SlotDialog::ShowModal() {
  // Should the machine's window close meanwhile, the dialog closes first, so that the
  // player's game is back in place before the window saves it.
  auto outer = std::exchange(m_.CloseOpenDialog, [this] { dialog_->Close(); });
  dialog_->ShowModal();
  m_.CloseOpenDialog = std::move(outer);
}

void SlotDialog::PressSlot(int slot) {
  if (slot < 0 || slot >= persistence::kSlotCount) return;
  if (mode_ == SlotDialogMode::Save) {
    std::string typed = dialog_->Text(panels_[slot].name);
    std::optional<std::string> name =
        m_.boxes.Input(_("Name for this saved game?"), "", persistence::kGameNameChars, typed);
    if (!name) return;
    BringBackCurrentGame();
    persistence::SaveGameSection(m_.g, file_, slot, *name, &m_.boxes, today_);
  } else {
    // If the opened game cannot be made the current one, "CurrentGame" still holds the
    // player's game and the close brings that back.
    persistence::LoadGameSection(m_.g, file_, slot, today_);
    ParkCurrentGame();
  }
}

bool SlotDialog::ParkCurrentGame() {
  if (!persistence::SaveGameSection(m_.g, file_, persistence::kCurrentGameSlot, kCurrentGameName, &m_.boxes, today_))
    return false;
  persistence::CopySavedFields(m_.g, parked_);
  parked_.GameName = kCurrentGameName;
  parked_.GameDate = today_;
  return true;
}

void SlotDialog::BringBackCurrentGame() {
  persistence::LoadGameSection(m_.g, file_, persistence::kCurrentGameSlot, today_);
  if (!persistence::SameSavedFields(m_.g, parked_)) persistence::CopySavedFields(parked_, m_.g);
}

}  // namespace

void ShowSlotDialog(machine::Machine& m, platform::ProfileFile& file, SlotDialogMode mode) {
  SlotDialog dialog(m, file, mode);
  if (dialog.Open()) dialog.ShowModal();
}

}  // namespace dialogs
