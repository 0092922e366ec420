#include "dialogs/slot_dialog.h"

#include <memory>

#include "platform/bitmap.h"
#include "platform/dialog.h"

#include <optional>
#include <utility>

#include "persistence/saved_game.h"

namespace dialogs {

namespace {

class TLoadSave {
 public:
  TLoadSave(machine::Machine& m, platform::ProfileFile& file, int SlotDialogMode);

  // Parks the game and lists the slots; false (with the error shown) when the game
  // could not be parked, and then nothing else has happened.
  bool FormCreate();
  void ShowModal();

 private:
  // The controls of one slot's panel, by id.
  struct Panel {
    int name = -1, title = -1, date = -1, credits = -1, borrowed = -1;
  };

  void AddPanel(int slot);
  void FillPanel(int slot);
  void BitBtn7Click(int tag);
  void FormClose();
  void HelpBtnClick();
  // Loads "CurrentGame" into the live game; where it does not hold what the dialog last
  // put there (the file was changed or could not be read), the game in memory is kept.
  void BringBackCurrentGame();
  bool SaveCurrentGame();

  machine::Machine& m_;
  platform::ProfileFile& file_;
  int mode_;
  std::string today_;
  std::unique_ptr<platform::Dialog> dialog_;
  Panel panels_[8];
  // The game that "CurrentGame" holds: what the dialog last wrote there.
  rules::GameState parked_;
};

}  // namespace
namespace {

using rules::GameState;

constexpr char kGameTitle[] = "Vantello";
constexpr char kCurrentGameName[] = "CurrentGame";

// Where the panel of slot index i (0..7) stands: slots 1 to 4 down the left column,
// 5 to 8 down the right one.
int PanelLeft(int i) { return i < 4 ? 16 : 312; }
int PanelTop(int i) { return 16 + 72 * (i % 4); }

}  // namespace

void ShowSlotDialog(machine::Machine& m, platform::ProfileFile& file, int SlotDialogMode) {
  TLoadSave dialog(m, file, SlotDialogMode);
  if (dialog.FormCreate()) dialog.ShowModal();
}

TLoadSave::TLoadSave(machine::Machine& m, platform::ProfileFile& file, int SlotDialogMode)
    : m_(m), file_(file), mode_(SlotDialogMode), today_(persistence::TodayDate()) {}

bool TLoadSave::FormCreate() {
  // Listing a slot means loading it over the live game, so the game is parked first.
  // If it cannot be parked, no slot is loaded and the game stays as it is.
  if (!SaveCurrentGame()) return false;

  const char* caption =
      mode_ == 1 ? "Save a Game -- Select Game Slot" : "Open a Game -- Select Game Slot";
  dialog_ = m_.dialogs.NewDialog(caption, 616, 360, platform::kSilver);
  dialog_->SetHelpTopic(kSlotDialogHelpTopic);
  dialog_->AddFrame(0, 8, 617, 297);
  for (int i = 0; i < 8; ++i) AddPanel(i);
  dialog_->AddButton(8, 316, 97, 37, "&Help", platform::ButtonKind::Plain, [this] { HelpBtnClick(); });
  dialog_->AddButton(508, 316, 97, 37, "&Cancel", platform::ButtonKind::Cancel, nullptr);
  dialog_->OnClose([this] { FormClose(); });

  for (int i = 0; i < 8; ++i) {
    persistence::LoadGameSection(m_.g, file_, i, today_);
    FillPanel(i);
  }
  return true;
}

void TLoadSave::AddPanel(int i) {
  const int x = PanelLeft(i), y = PanelTop(i);
  platform::LabelStyle left;
  platform::LabelStyle right;
  right.align = platform::Align::Right;
  Panel& p = panels_[i];
  dialog_->AddFrame(x, y, 289, 65);
  p.name = dialog_->AddEdit(x + 8, y + 8, 233, 20, "", true);
  p.title = dialog_->AddLabel(x + 8, y + 28, 129, 13, "", left);
  p.date = dialog_->AddLabel(x + 168, y + 28, 57, 13, "", right);
  p.credits = dialog_->AddLabel(x + 8, y + 48, 105, 13, "", left);
  p.borrowed = dialog_->AddLabel(x + 112, y + 48, 113, 13, "", right);
  // Every slot button is an OK button: it closes the dialog once its work is done.
  // It is not the dialog's default button, so Enter in a name field presses no slot.
  const int tag = i + 1;
  dialog_->AddButton(x + 232, y + 16, 49, 37, "OK", platform::ButtonKind::Plain, [this, tag] {
    BitBtn7Click(tag);
    dialog_->Close();
  });
}

void TLoadSave::FillPanel(int i) {
  const GameState& g = m_.g;
  const Panel& p = panels_[i];
  dialog_->SetText(p.name, g.GameName);
  dialog_->SetText(p.title, kGameTitle);
  dialog_->SetText(p.date, g.GameDate);
  dialog_->SetText(p.credits, std::to_string(g.Credits) + " Credits");
  dialog_->SetText(p.borrowed, std::to_string(g.Borrowed) + " Borrowed");
}

void TLoadSave::ShowModal() {
  // Should the machine's window close meanwhile, the dialog closes first, so that the
  // player's game is back in place before the window saves it.
  auto outer = std::exchange(m_.CloseOpenDialog, [this] { dialog_->Close(); });
  dialog_->ShowModal();
  m_.CloseOpenDialog = std::move(outer);
}

void TLoadSave::BitBtn7Click(int tag) {
  const int slot = tag - 1;
  if (slot < 0 || slot >= 8) return;
  if (mode_ == 1) {
    std::string typed = dialog_->Text(panels_[slot].name);
    std::optional<std::string> name = m_.boxes.Input("Name for this saved game?", "", typed);
    if (!name) return;
    BringBackCurrentGame();
    persistence::SaveGameSection(m_.g, file_, slot, *name, &m_.boxes, today_);
  } else {
    // If the opened game cannot be made the current one, "CurrentGame" still holds the
    // player's game and the close brings that back.
    persistence::LoadGameSection(m_.g, file_, slot, today_);
    SaveCurrentGame();
  }
}

void TLoadSave::FormClose() { BringBackCurrentGame(); }

void TLoadSave::HelpBtnClick() {
  m_.help.ShowHelp(m_.HelpFile, std::to_string(kSlotDialogHelpTopic));
}

bool TLoadSave::SaveCurrentGame() {
  if (!persistence::SaveGameSection(m_.g, file_, persistence::kCurrentGameSlot, kCurrentGameName, &m_.boxes, today_))
    return false;
  persistence::CopySavedFields(m_.g, parked_);
  parked_.GameName = kCurrentGameName;
  parked_.GameDate = today_;
  return true;
}

void TLoadSave::BringBackCurrentGame() {
  persistence::LoadGameSection(m_.g, file_, persistence::kCurrentGameSlot, today_);
  if (!persistence::SameSavedFields(m_.g, parked_)) persistence::CopySavedFields(parked_, m_.g);
}

}  // namespace dialogs
