#include "dialogs/borrow.h"

#include <memory>

#include "platform/bitmap.h"
#include "platform/dialog.h"

#include <cstdint>
#include <string>

#include "rules/money.h"
#include "dialogs/dialog_pictures.h"
#include "dialogs/locale_numbers.h"
#include "rules/width_class.h"
#include "view/main_view.h"

namespace dialogs {

namespace {

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

}  // namespace
namespace {

constexpr int32_t kAmounts[4] = {1000, 100, 10, 1};
constexpr const char* kAmountPictures[4] = {"Borrow1000", "Borrow100", "Borrow10", "Borrow1"};
// What a button shows should its picture be missing.
constexpr const char* kAmountCaptions[4] = {"$1,000", "$100", "$10", "$1"};

constexpr char kHelpText[] =
    "Use this screen to borrow credits or pay back credits that you borrowed previously.  "
    "Click on the button representing the amount to borrow (or pay back).\r\n\r\n"
    "To switch between \"borrow\" and \"pay back\" select the mode.";

}  // namespace

void ShowBorrowDialog(machine::Machine& m, const view::Pictures& digits) {
  TBorrowC dialog(m, digits);
  dialog.ShowModal();
}

TBorrowC::TBorrowC(machine::Machine& m, const view::Pictures& digits) : m_(m), digits_(digits) {}

void TBorrowC::ShowModal() {
  FormCreate();
  dialog_->ShowModal();
}

void TBorrowC::FormCreate() {
  using platform::ButtonKind;
  dialog_ = m_.dialogs.NewDialog("Use this form to borrow or pay back credits", 582, 300, kButtonFace);
  dialog_->SetHelpTopic(kBorrowHelpTopic);
  dialog_->OnPaint([this] { FormPaint(); });

  const int scale = dialog_->Surface().ComposeScale();
  for (int tag = 0; tag < 4; ++tag) {
    amount_pictures_[tag] = DialogBitmap(kAmountPictures[tag], m_.ProgramFolder, scale);
    const bool pictured = !amount_pictures_[tag].Empty();
    dialog_->AddButton(89 + 112 * tag, 104, 80, 57, pictured ? "" : kAmountCaptions[tag],
                       ButtonKind::Plain, [this, tag] { BitBtn1Click(tag); }, &amount_pictures_[tag]);
  }

  platform::LabelStyle mode;
  mode.points = 14;
  mode.color = platform::kRed;
  platform::Canvas& c = dialog_->Surface();
  // A label keeps a few pixels clear at its sides.
  dialog_->AddLabel(56, 192, c.TextWidth("Mode:", 14) + 8, c.TextHeight(14), "Mode:", mode);
  RadioButton1 = dialog_->AddRadio(147, 192, 190, 33, "Borrow Credits", 12, true);
  RadioButton2 = dialog_->AddRadio(355, 192, 190, 33, "Pay Back Credits", 12, false);

  tick_ = DialogBitmap("OkTick", m_.ProgramFolder, scale);
  question_ = DialogBitmap("HelpMark", m_.ProgramFolder, scale);
  dialog_->AddButton(442, 246, 127, 46, "&OK", ButtonKind::Ok, nullptr, &tick_);
  dialog_->AddButton(10, 246, 127, 46, "&Help", ButtonKind::Plain, [this] { BitBtn7Click(); },
                     &question_);
}

void TBorrowC::FormPaint() {
  platform::Canvas& c = dialog_->Surface();
  const rules::GameState& g = m_.g;
  c.Hold();
  // The whole face is painted anew, so a shorter amount leaves no digits behind.
  c.Fill(0, 0, c.Width(), c.Height(), kButtonFace);
  // "Credits:" ends where the credit amount below it ends.
  const int right = c.Width() - 30;
  c.Text(right - c.TextWidth("Credits:", 10), 20, "Credits:", 10, platform::kBlack);
  c.Text(20, 20, "Borrowed:", 10, platform::kBlack);
  const bool large = rules::WidthClassOf(g.ScreenWidth) == rules::WidthClass::Large;
  view::DrawNumber(c, digits_, large, g.Credits, right, 40, false, true, false);
  view::DrawNumber(c, digits_, large, g.Borrowed, 20, 40, true, false, false);
  c.Release();
}

void TBorrowC::BitBtn1Click(int tag) {
  if (tag < 0 || tag >= 4) return;
  if (dialog_->Checked(RadioButton1)) Borrow(kAmounts[tag]);
  else PayBack(kAmounts[tag]);
}

void TBorrowC::Borrow(int32_t amount) {
  rules::GameState& g = m_.g;
  // Both meters are 32-bit: a loan that would carry either past its top is refused
  // rather than wrapping round to a negative balance.
  if (int64_t{g.Credits} + amount > rules::kMaxCredits ||
      int64_t{g.Borrowed} + amount > rules::kMaxCredits) {
    m_.boxes.Information("You cannot borrow that much: the credit meter would overflow.");
    return;
  }
  g.Credits += amount;
  g.Borrowed += amount;
  dialog_->Repaint();
}

void TBorrowC::PayBack(int32_t amount) {
  rules::GameState& g = m_.g;
  if (amount > g.Credits) {
    m_.boxes.Information("You do not have " + FormatFixed(amount, 7, 2, UserSeparators()) +
                          " credits!");
    return;
  }
  if (amount > g.Borrowed) {
    m_.boxes.Information("You cannot pay back more credits than you have borrowed!");
    return;
  }
  g.Credits -= amount;
  g.Borrowed -= amount;
  dialog_->Repaint();
}

void TBorrowC::BitBtn7Click() { m_.boxes.Information(kHelpText); }

}  // namespace dialogs
