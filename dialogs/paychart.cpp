#include "dialogs/paychart.h"

#include <memory>
#include <string>

#include "dialogs/dialog_pictures.h"
#include "machine/manual_topics.h"
#include "platform/bitmap.h"
#include "platform/bmp.h"
#include "platform/dialog.h"
#include "platform/words.h"

namespace dialogs {

namespace {

class PayChartWindow {
 public:
  explicit PayChartWindow(machine::Machine& m) : m_(m) {}
  void ShowModal();

 private:
  void Open();
  void Paint();
  void ShowUnreadable(const std::string& path);

  machine::Machine& m_;
  platform::Bitmap chart_;
  std::unique_ptr<platform::Dialog> dialog_;
};

void PayChartWindow::ShowModal() {
  Open();
  dialog_->ShowModal();
}

void PayChartWindow::Open() {
  const std::string path = m_.ProgramFolder + "Paychart.bmp";
  if (!platform::LoadBmp(path, chart_) || chart_.Empty()) {
    ShowUnreadable(path);
    return;
  }
  // The window takes the chart's own size; the chart is all it shows.
  dialog_ = m_.dialogs.NewDialog(_("Payoff Chart"), chart_.Width(), chart_.Height(), platform::kBlack);
  AttachTwin(chart_, m_.ProgramFolder, "Paychart", dialog_->Surface().ComposeScale());
  dialog_->SetHelpTopic(machine::kPayChartHelpTopic);
  dialog_->OnPaint([this] { Paint(); });
}

void PayChartWindow::Paint() {
  platform::Canvas& c = dialog_->Surface();
  c.Hold();
  c.Blit(chart_, 0, 0, chart_.Width(), chart_.Height(), 0, 0);
  c.Release();
}

// Without its picture the window says why, rather than opening blank.
void PayChartWindow::ShowUnreadable(const std::string& path) {
  dialog_ = m_.dialogs.NewDialog(_("Payoff Chart"), 440, 130, kButtonFace);
  dialog_->SetHelpTopic(machine::kPayChartHelpTopic);
  platform::LabelStyle text;
  text.points = 10;
  text.wrap = true;
  // TRANSLATORS: %1 is the path of the picture file.
  dialog_->AddLabel(16, 14, 408, 60, platform::FillIn(_("The payoff chart \"%1\" could not be read."), {path}), text);
  dialog_->AddButton(176, 84, 88, 32, _("OK"), platform::ButtonKind::Ok, nullptr);
}

}  // namespace

void ShowPayChart(machine::Machine& m) {
  PayChartWindow chart(m);
  chart.ShowModal();
}

}  // namespace dialogs
