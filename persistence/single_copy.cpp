#include "persistence/single_copy.h"

#include <filesystem>

#include "persistence/rescue.h"
#include "platform/profile_file.h"

namespace persistence {

std::string LockPathFor(const std::string& saved_game_path) {
  return (std::filesystem::path(saved_game_path).parent_path() / "Vantello.lock").string();
}

void RemoveStaleTemps(const std::string& saved_game_path) {
  platform::RemoveStaleTemps(saved_game_path);
  platform::RemoveStaleTemps((std::filesystem::path(saved_game_path).parent_path() / kRescueName).string());
}

}  // namespace persistence
