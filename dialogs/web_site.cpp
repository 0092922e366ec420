#include "dialogs/web_site.h"

#include <memory>
#include <string>

#include "machine/manual_topics.h"
#include "platform/dialog.h"

namespace dialogs {

void ShowWebSiteDialog(const platform::Services& desk) {
  auto d = desk.dialogs.NewDialog("Vantello on the Web", 360, 150, platform::kSilver);
  d->SetHelpTopic(machine::kMachineHelpTopic);
  platform::LabelStyle text;
  text.points = 10;
  text.wrap = true;
  d->AddLabel(16, 14, 328, 70,
              "News, tips and new versions of Vantello are on our web site. Open it in your web browser?",
              text);
  // Wide enough for the caption beside the Enter arrow of the default button.
  d->AddButton(100, 100, 160, 34, "&Visit the Site", platform::ButtonKind::Ok, [&desk] {
    if (!desk.web.OpenUrl(kWebSite))
      desk.boxes.Information(std::string("No web browser could be started. The address is ") + kWebSite);
  });
  d->AddButton(270, 100, 74, 34, "&Cancel", platform::ButtonKind::Cancel, nullptr);
  d->ShowModal();
}

}  // namespace dialogs
