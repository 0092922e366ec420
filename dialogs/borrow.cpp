#include "dialogs/borrow.h"

#include <cstdint>
#include <memory>
#include <string>

#include "dialogs/dialog_pictures.h"
#include "dialogs/locale_numbers.h"
#include "machine/game_recording.h"
#include "machine/manual_topics.h"
#include "platform/bitmap.h"
#include "platform/dialog.h"
#include "platform/words.h"
#include "rules/money.h"
#include "view/main_view.h"

namespace dialogs {

namespace {

constexpr int kAmountCount = 4;
constexpr int32_t kAmounts[kAmountCount] = {1000, 100, 10, 1};
constexpr const char* kAmountPictures[kAmountCount] = {"Borrow1000", "Borrow100", "Borrow10", "Borrow1"};
// What a button shows should its picture be missing.
constexpr const char* kAmountCaptions[kAmountCount] = {
    // TRANSLATORS: the captions of the borrow dialog's amount buttons, 80 pixels wide,
    // shown only when their pictures are missing.
    N_("$1,000"), N_("$100"), N_("$10"), N_("$1")};

// The help box's two paragraphs, a message each.
std::string HelpText() {
  return std::string(_("Use this screen to borrow credits or pay back credits that you borrowed previously.  "
                       "Click on the button representing the amount to borrow (or pay back).")) +
         "\r\n\r\n" + _("To switch between \"borrow\" and \"pay back\" select the mode.");
}

class BorrowDialog {
 public:
  BorrowDialog(machine::Machine& m, const view::Pictures& digits, bool large_digits)
      : m_(m), digits_(digits), large_digits_(large_digits) {}
  void ShowModal();

 private:
  void Build();
  void PaintMeters();
  // The amount buttons, by their index in kAmounts.
  void PressAmount(int index);
  void Borrow(int32_t amount);
  void PayBack(int32_t amount);

  machine::Machine& m_;
  const view::Pictures& digits_;
  bool large_digits_;
  // The buttons show these; they live as long as the dialog.
  platform::Bitmap amount_pictures_[kAmountCount], tick_, question_;
  std::unique_ptr<platform::Dialog> dialog_;
  int borrow_mode_ = -1;  // the "Borrow Credits" choice; the other one pays back
};

void BorrowDialog::ShowModal() {
  Build();
  dialog_->ShowModal();
}

void BorrowDialog::Build() {
  using platform::ButtonKind;
  dialog_ = m_.dialogs.NewDialog(_("Use this form to borrow or pay back credits"), 582, 300, kButtonFace);
  dialog_->SetHelpTopic(machine::kBorrowHelpTopic);
  dialog_->OnPaint([this] { PaintMeters(); });

  const int scale = dialog_->Surface().ComposeScale();
  for (int i = 0; i < kAmountCount; ++i) {
    amount_pictures_[i] = DialogBitmap(kAmountPictures[i], m_.ProgramFolder, scale);
    const bool pictured = !amount_pictures_[i].Empty();
    dialog_->AddButton(89 + 112 * i, 104, 80, 57, pictured ? "" : _(kAmountCaptions[i]),
                       ButtonKind::Plain, [this, i] { PressAmount(i); }, &amount_pictures_[i]);
  }

  platform::LabelStyle mode;
  mode.points = 14;
  mode.color = platform::kRed;
  platform::Canvas& c = dialog_->Surface();
  // A label keeps a few pixels clear at its sides.
  // TRANSLATORS: the borrow dialog's label before its two choices, Borrow Credits and Pay
  // Back Credits.
  const std::string mode_caption = _("Mode:");
  dialog_->AddLabel(56, 192, c.TextWidth(mode_caption, 14) + 8, c.TextHeight(14), mode_caption, mode);
  // TRANSLATORS: a choice of the borrow dialog's mode; it must fit 190 pixels.
  borrow_mode_ = dialog_->AddRadio(147, 192, 190, 33, _("Borrow Credits"), 12, true);
  // TRANSLATORS: a choice of the borrow dialog's mode; it must fit 190 pixels.
  dialog_->AddRadio(355, 192, 190, 33, _("Pay Back Credits"), 12, false);

  tick_ = DialogBitmap("OkTick", m_.ProgramFolder, scale);
  question_ = DialogBitmap("HelpMark", m_.ProgramFolder, scale);
  // TRANSLATORS: a button beside its picture; & marks the letter that presses it with Alt.
  dialog_->AddButton(442, 246, 127, 46, _("&OK"), ButtonKind::Ok, nullptr, &tick_);
  // TRANSLATORS: a button beside its picture; & marks the letter that presses it with Alt.
  dialog_->AddButton(10, 246, 127, 46, _("&Help"), ButtonKind::Plain, [this] { m_.boxes.Information(HelpText()); },
                     &question_);
}

void BorrowDialog::PaintMeters() {
  platform::Canvas& c = dialog_->Surface();
  const rules::GameState& g = m_.g;
  c.Hold();
  // The whole face is painted anew, so a shorter amount leaves no digits behind.
  c.Fill(0, 0, c.Width(), c.Height(), kButtonFace);
  // "Credits:" ends where the credit amount below it ends.
  const int right = c.Width() - 30;
  // TRANSLATORS: the heading over the credit meter in the borrow dialog.
  const std::string credits = _("Credits:");
  c.Text(right - c.TextWidth(credits, 10), 20, credits, 10, platform::kBlack);
  // TRANSLATORS: the heading over the borrowed meter in the borrow dialog.
  c.Text(20, 20, _("Borrowed:"), 10, platform::kBlack);
  view::DrawNumber(c, digits_, large_digits_, g.Credits, right, 40, false, true, false);
  view::DrawNumber(c, digits_, large_digits_, g.Borrowed, 20, 40, true, false, false);
  c.Release();
}

void BorrowDialog::PressAmount(int index) {
  if (index < 0 || index >= kAmountCount) return;
  if (dialog_->Checked(borrow_mode_)) Borrow(kAmounts[index]);
  else PayBack(kAmounts[index]);
}

void BorrowDialog::Borrow(int32_t amount) {
  rules::GameState& g = m_.g;
  // Both meters are 32-bit: a loan that would carry either past its top is refused
  // rather than wrapping round to a negative balance.
  if (int64_t{g.Credits} + amount > rules::kMaxCredits ||
      int64_t{g.Borrowed} + amount > rules::kMaxCredits) {
    m_.boxes.Information(_("You cannot borrow that much: the credit meter would overflow."));
    return;
  }
  const int64_t before = g.Credits;
  g.Credits += amount;
  g.Borrowed += amount;
  machine::RecordBetween(m_, rules::BetweenKind::Borrow, before);
  dialog_->Repaint();
}

void BorrowDialog::PayBack(int32_t amount) {
  rules::GameState& g = m_.g;
  if (amount > g.Credits) {
    // TRANSLATORS: %1 is the amount the player tried to pay back, such as "  10.00".
    m_.boxes.Information(platform::FillIn(_("You do not have %1 credits!"),
                                          {FormatFixed(amount, 7, 2, UserSeparators())}));
    return;
  }
  if (amount > g.Borrowed) {
    m_.boxes.Information(_("You cannot pay back more credits than you have borrowed!"));
    return;
  }
  const int64_t before = g.Credits;
  g.Credits -= amount;
  g.Borrowed -= amount;
  machine::RecordBetween(m_, rules::BetweenKind::PayBack, before);
  dialog_->Repaint();
}

}  // namespace

void ShowBorrowDialog(machine::Machine& m, const view::Pictures& digits, bool large_digits) {
  BorrowDialog dialog(m, digits, large_digits);
  dialog.ShowModal();
}

}  // namespace dialogs
