#include "dialogs/web_site.h"

#include <memory>
#include <string>

#include "machine/manual_topics.h"
#include "platform/dialog.h"
#include "platform/words.h"

namespace dialogs {

void ShowWebSiteDialog(const platform::Services& desk) {
  auto d = desk.dialogs.NewDialog(_("Vantello on the Web"), 360, 150, platform::kSilver);
  d->SetHelpTopic(machine::kMachineHelpTopic);
  platform::LabelStyle text;
  text.points = 10;
  text.wrap = true;
  d->AddLabel(16, 14, 328, 70,
              _("News, tips and new versions of Vantello are on our web site. Open it in your web browser?"),
              text);
  // Wide enough for the caption beside the Enter arrow of the default button.
  // TRANSLATORS: the button that opens the web site; & marks the letter that presses it
  // with Alt. It must fit 160 pixels less the Enter arrow beside it.
  d->AddButton(100, 100, 160, 34, _("&Visit the Site"), platform::ButtonKind::Ok, [&desk] {
    if (!desk.web.OpenUrl(kWebSite))
      // TRANSLATORS: %1 is the web site's address.
      desk.boxes.Information(platform::FillIn(_("No web browser could be started. The address is %1"), {kWebSite}));
  });
  d->AddButton(270, 100, 74, 34, _("&Cancel"), platform::ButtonKind::Cancel, nullptr);
  d->ShowModal();
}

}  // namespace dialogs
