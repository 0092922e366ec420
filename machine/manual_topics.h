// Where the manual opens for each window: the topics F1 and the Help buttons show.
#pragma once

namespace machine {

constexpr int kMachineHelpTopic = 41004;
constexpr int kBorrowHelpTopic = 41005;
constexpr int kCardTableHelpTopic = 41006;
constexpr int kSlotDialogHelpTopic = 41008;
constexpr int kPayChartHelpTopic = 41010;
constexpr int kGameRecallHelpTopic = 41012;
constexpr int kStatsHelpTopic = 41013;
constexpr int kMessagesHelpTopic = 41014;
constexpr int kSettingsHelpTopic = 41015;
// Every topic a window opens, for the manual's own check.
constexpr int kWindowHelpTopics[] = {kMachineHelpTopic,  kBorrowHelpTopic,    kCardTableHelpTopic,
                                     kSlotDialogHelpTopic, kPayChartHelpTopic, kGameRecallHelpTopic,
                                     kStatsHelpTopic,     kMessagesHelpTopic, kSettingsHelpTopic};

}  // namespace machine
