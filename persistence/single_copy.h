// One running copy of the game per data folder. Two copies on one Vantello.ini would
// each save over the other's game at close, the last one silently winning.
#pragma once
#include <string>

namespace persistence {

// The lock the running copy holds: Vantello.lock beside the saved game.
std::string LockPathFor(const std::string& saved_game_path);

// Removes the temporary files that writes of the saved game or of a rescue beside it
// left when the game was killed mid-write. Only while holding the folder's lock, when
// no write of ours can be under way.
void RemoveStaleTemps(const std::string& saved_game_path);

}  // namespace persistence
