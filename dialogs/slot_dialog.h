// TLoadSave: the game slot dialog, through which the player saves the game into one of
// the eight named slots or opens a game from one. While it lists the slots, the
// player's own game waits in "CurrentGame" and comes back from there when it closes.
#pragma once
#include <memory>
#include <string>

#include "rules/game_state.h"
#include "machine/machine.h"
#include "platform/dialog.h"
#include "platform/profile_file.h"

namespace dialogs {

constexpr int kSlotDialogHelpTopic = 41008;

// SlotDialogMode 1 saves the game into a slot; any other value opens one.
void ShowSlotDialog(machine::Machine& m, platform::ProfileFile& file, int SlotDialogMode);

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

}  // namespace dialogs
