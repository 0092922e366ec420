// The rescue of a game the desktop closed while it could not be saved (a full disk, a
// read-only or broken Vantello.ini): the "CurrentGame" section goes to a file of its
// own wherever one can be written, and the next start offers it back.
#pragma once
#include <string>
#include <vector>

#include "rules/game_state.h"
#include "persistence/saved_game.h"
#include "platform/profile_file.h"

namespace persistence {

// The first rescue in a folder; later ones, made before it was offered, are numbered
// ("Vantello-rescue-2.ini" ...), so that a rescue never writes over another.
constexpr const char* kRescueName = "Vantello-rescue.ini";
constexpr int kMaxRescuesPerFolder = 20;
// The name of the n-th rescue (from 1) or file kept aside in a folder: `name` itself first,
// then "-2", "-3" ... before its ".ini".
std::string NumberedName(const std::string& folder, const std::string& name, int n);
// Moves `from` to the first of `name`'s numbered names in `folder` that nothing holds;
// the new path, or "" when it could not be moved.
std::string MoveToFreeName(const std::string& from, const std::string& folder, const std::string& name);
// A rescue the player turned down: kept, but never offered again.
constexpr const char* kDeclinedRescueName = "Vantello-rescue-declined.ini";
// A file in a rescue's place that holds no game a start could carry on with: kept aside
// under this name, and never offered.
constexpr const char* kUnreadableRescueName = "Vantello-rescue-unreadable.ini";
// The game an accepted rescue replaced, kept beside the saved games.
constexpr const char* kBeforeRescueName = "Vantello-before-rescue.ini";
// The key under which a rescue names the saved games it belongs to: it is offered there
// alone, however many data folders share the state and /tmp folders.
constexpr const char* kRescuedFromKey = "RescuedFrom";

// The folders a rescue may go to, in the order they are tried: the saved game's own,
// $XDG_STATE_HOME/vantello (~/.local/state/vantello), then a folder of the user's own
// in $TMPDIR or /tmp, which other users cannot put a file or link into.
std::vector<std::string> RescueFolders(const std::string& saved_game_path);

// Writes the game as the "CurrentGame" section, with the keys a normal save writes and
// the saved games' file it belongs to, to the first folder that takes it, under a rescue
// name no other rescue holds. The rescue file's path, or "" when none did.
std::string WriteRescue(const rules::GameState& g, const std::string& saved_game_path,
                        const std::vector<std::string>& folders, platform::FileOps* ops = nullptr,
                        const std::string& today = TodayDate());

// The lines for standard error after the save to `file` failed: what failed and where
// the game went instead (`rescue`, or "" when it went nowhere).
std::string RescueReport(const platform::ProfileFile& file, const std::string& rescue,
                         const std::vector<std::string>& folders);

// What a start finds of rescues: those of these saved games that are newer than they
// are, to offer, newest first; and the files in a rescue's place that held no game
// (empty, damaged, too large, a link), each now kept aside under kUnreadableRescueName.
// A rescue of other saved games is left where it is, for them.
struct RescueSearch {
  std::vector<std::string> offers;
  std::vector<std::string> set_aside;
};
RescueSearch FindRescue(const std::string& saved_game_path, const std::vector<std::string>& folders);

// Keeps the saved game an accepted rescue is about to replace, under kBeforeRescueName
// (numbered when that is taken) beside the saved games. Its path, or "" when there was no
// saved game or it could not be kept.
std::string KeepGameBeforeRescue(const rules::GameState& g, const std::string& saved_game_path);

// Renames a turned-down rescue to kDeclinedRescueName beside it (numbered when that is
// taken). The new name, or "" when it could not be renamed.
std::string PutRescueAside(const std::string& rescue);

}  // namespace persistence
