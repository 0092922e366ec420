// TPaychart: the "Payoff Chart" window, which shows the pay table as one picture,
// "Paychart.bmp" from the program folder, read anew at every opening.
#pragma once
#include <memory>
#include <string>

#include "machine/machine.h"
#include "platform/bitmap.h"
#include "platform/dialog.h"

namespace dialogs {

constexpr int kPayChartHelpTopic = 41010;

void ShowPayChart(machine::Machine& m);

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

}  // namespace dialogs
