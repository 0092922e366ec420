#include "dialogs/settings_window.h"

#include <algorithm>
#include <memory>
#include <string>

#include "dialogs/dialog_pictures.h"
#include "machine/manual_topics.h"
#include "platform/words.h"

namespace dialogs {

namespace {

constexpr int kPoints = 10;
constexpr int kLeft = 16, kRow = 24;
constexpr int kStepX = 230, kStepW = 28, kValueW = 56;

std::string Percent(int v) { return std::to_string(v) + "%"; }

// A value the player steps with a minus and a plus button, shown between them.
void AddStepper(platform::Dialog& d, int y, const std::string& caption, int& value, int step, int low, int high,
                std::string (*shown)(int)) {
  platform::LabelStyle label;
  label.points = kPoints;
  d.AddLabel(kLeft, y, kStepX - kLeft, kRow, caption, label);
  platform::LabelStyle centred = label;
  centred.align = platform::Align::Center;
  centred.bold = true;
  const int value_id = d.AddLabel(kStepX + kStepW, y, kValueW, kRow, shown(value), centred);
  platform::Dialog* dialog = &d;
  auto change = [dialog, value_id, &value, step, low, high, shown](int by) {
    value = std::clamp(value + by * step, low, high);
    dialog->SetText(value_id, shown(value));
  };
  d.AddButton(kStepX, y, kStepW, kRow, "-", platform::ButtonKind::Plain, [change] { change(-1); });
  d.AddButton(kStepX + kStepW + kValueW, y, kStepW, kRow, "+", platform::ButtonKind::Plain, [change] { change(1); });
}

}  // namespace

bool ShowSettingsWindow(platform::DialogFactory& dialogs, persistence::Settings& settings) {
  persistence::Settings edited = settings;
  auto d = dialogs.NewDialog(_("Settings"), kSettingsWidth, kSettingsHeight, kButtonFace);
  d->SetHelpTopic(machine::kSettingsHelpTopic);
  platform::LabelStyle label;
  label.points = kPoints;
  platform::LabelStyle heading = label;
  heading.bold = true;

  int y = 16;
  // TRANSLATORS: M is the key that mutes the sound in any language: keep the letter M. The
  // caption must fit 214 pixels.
  AddStepper(*d, y, _("Sound volume (M mutes):"), edited.volume, persistence::kVolumeStep, 0, 100, Percent);
  y += kRow + 12;
  const int steady = d->AddCheck(kLeft, y, kSettingsWidth - 2 * kLeft, kRow, _("Reduced flashing: steady lamps"),
                                 kPoints, edited.reduced_flashing);
  y += kRow + 12;
  d->AddLabel(kLeft, y, kSettingsWidth - 2 * kLeft, kRow, _("Remind me of the time played:"), heading);
  y += kRow;
  int reminders[std::size(persistence::kReminderChoices)];
  for (size_t i = 0; i < std::size(persistence::kReminderChoices); ++i) {
    const int minutes = persistence::kReminderChoices[i];
    std::string text;
    if (minutes == 0)
      // TRANSLATORS: a choice of how often the time played is told; it must fit 160 pixels.
      text = _("Never");
    else
      // TRANSLATORS: a choice of how often the time played is told; it must fit 160 pixels.
      text = platform::FillIn(P_("Every %1 minute", "Every %1 minutes", static_cast<unsigned long>(minutes)),
                              {std::to_string(minutes)});
    const int x = kLeft + 16 + static_cast<int>(i % 2) * 170;
    reminders[i] = d->AddRadio(x, y + static_cast<int>(i / 2) * kRow, 160, kRow, text, kPoints,
                               edited.reminder_minutes == minutes);
  }
  y += 2 * kRow + 12;
  // TRANSLATORS: the caption before the number of games the Game Recall keeps; it must fit
  // 214 pixels.
  AddStepper(*d, y, _("Games kept in the recall:"), edited.recall_games, persistence::kRecallGamesStep,
             rules::kRecallGames, rules::kMaxRecallGames, [](int v) { return std::to_string(v); });
  y += kRow + 24;

  bool ok = false;
  platform::Dialog* dialog = d.get();
  d->AddButton(kSettingsWidth - 2 * (96 + 10) - 6, y, 96, 30, _("OK"), platform::ButtonKind::Ok, [&] {
    ok = true;
    edited.reduced_flashing = dialog->Checked(steady);
    for (size_t i = 0; i < std::size(reminders); ++i)
      if (dialog->Checked(reminders[i])) edited.reminder_minutes = persistence::kReminderChoices[i];
  });
  d->AddButton(kSettingsWidth - 96 - 16, y, 96, 30, _("Cancel"), platform::ButtonKind::Cancel, nullptr);
  d->ShowModal();
  if (ok) settings = edited;
  return ok;
}

}  // namespace dialogs
