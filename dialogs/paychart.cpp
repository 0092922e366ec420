#include "dialogs/paychart.h"

#include <memory>

#include "platform/bitmap.h"
#include "platform/dialog.h"
#include "dialogs/dialog_pictures.h"
#include "platform/bmp.h"

namespace dialogs {

namespace {

class TPaychart {
 public:
  explicit TPaychart(machine::Machine& m);
  void ShowModal();

 private:
  void FormCreate();
  void FormPaint();
  void ShowUnreadable(const std::string& path);

  machine::Machine& m_;
  platform::Bitmap Image1;
  std::unique_ptr<platform::Dialog> dialog_;
};

}  // namespace

void ShowPayChart(machine::Machine& m) {
  TPaychart chart(m);
  chart.ShowModal();
}

TPaychart::TPaychart(machine::Machine& m) : m_(m) {}

void TPaychart::ShowModal() {
  FormCreate();
  dialog_->ShowModal();
}

void TPaychart::FormCreate() {
  const std::string path = m_.ProgramFolder + "Paychart.bmp";
  if (!platform::LoadBmp(path, Image1) || Image1.Empty()) {
    ShowUnreadable(path);
    return;
  }
  // The window takes the chart's own size; the chart is all it shows.
  dialog_ = m_.dialogs.NewDialog("Payoff Chart", Image1.Width(), Image1.Height(), platform::kBlack);
  AttachTwin(Image1, m_.ProgramFolder, "Paychart", dialog_->Surface().ComposeScale());
  dialog_->SetHelpTopic(kPayChartHelpTopic);
  dialog_->OnPaint([this] { FormPaint(); });
}

void TPaychart::FormPaint() {
  platform::Canvas& c = dialog_->Surface();
  c.Hold();
  c.Blit(Image1, 0, 0, Image1.Width(), Image1.Height(), 0, 0);
  c.Release();
}

// Without its picture the window says why, rather than opening blank.
void TPaychart::ShowUnreadable(const std::string& path) {
  dialog_ = m_.dialogs.NewDialog("Payoff Chart", 440, 130, kButtonFace);
  dialog_->SetHelpTopic(kPayChartHelpTopic);
  platform::LabelStyle text;
  text.points = 10;
  text.wrap = true;
  dialog_->AddLabel(16, 14, 408, 60, "The payoff chart \"" + path + "\" could not be read.", text);
  dialog_->AddButton(176, 84, 88, 32, "OK", platform::ButtonKind::Ok, nullptr);
}

}  // namespace dialogs
