// TBorrowC: the dialog in which the player borrows credits from the house or pays them
// back, in steps of 1000, 100, 10 and 1. Credits and Borrowed always move together.
#pragma once
#include <memory>

#include "machine/machine.h"
#include "platform/bitmap.h"
#include "platform/dialog.h"
#include "view/pictures.h"

namespace dialogs {

constexpr int kBorrowHelpTopic = 41005;

// Shows the dialog until the player closes it; the caller repaints the machine after.
// `digits` holds the digit strips the two amounts are painted with.
void ShowBorrowDialog(machine::Machine& m, const view::Pictures& digits);

class TBorrowC {
 public:
  TBorrowC(machine::Machine& m, const view::Pictures& digits);
  void ShowModal();

 private:
  void FormCreate();
  void FormPaint();
  // The four amount buttons, told apart by their tag: 0 is 1000, 1 is 100, 2 is 10, 3 is 1.
  void BitBtn1Click(int tag);
  void Borrow(int32_t amount);
  void PayBack(int32_t amount);
  void BitBtn7Click();

  machine::Machine& m_;
  const view::Pictures& digits_;
  // The buttons show these; they live as long as the dialog.
  platform::Bitmap amount_pictures_[4], tick_, question_;
  std::unique_ptr<platform::Dialog> dialog_;
  int RadioButton1 = -1, RadioButton2 = -1;
};

}  // namespace dialogs
