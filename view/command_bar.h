// The command bar: a button for each command, in two columns above the Spin button,
// each a copy of the button face with its caption painted on it and a tool tip.
#pragma once
#include <array>
#include <string>

#include "machine/machine.h"
#include "view/layout.h"
#include "view/pictures.h"

namespace view {

enum Command {
  CmdHelp, CmdPayMode, CmdPayChart, CmdBorrow, CmdNewGame, CmdSummary, CmdAutoSpin,
  CmdExit, CmdSound, CmdWebSite, CmdDouble, CmdSaveGame, CmdLoadGame, CmdStats,
  CmdCount,  // not a command: how many there are
};

constexpr int kCommandCount = CmdCount;
// The bar's two columns: the first takes the odd one.
constexpr int kCommandRows = (kCommandCount + 1) / 2;

struct CommandButton {
  int x = 0, y = 0, w = 0, h = 0;
  std::string caption;
  std::string tooltip;
};

// The buttons placed from the Spin button and the face picture, with their start tips.
std::array<CommandButton, kCommandCount> BuildCommandBar(const Layout& layout, const platform::Bitmap& face);

// Command i as the popup menu names it: its caption, with the option's state for the
// options and "..." for the commands that open a window.
std::string MenuCaption(const rules::GameState& g, int i);

// The caption colour of button i for the current options.
platform::Color CaptionColour(const rules::GameState& g, int i);

void DrawCommandCaptions(machine::Machine& m, const platform::Bitmap& face,
                         const std::array<CommandButton, kCommandCount>& bar);

}  // namespace view
