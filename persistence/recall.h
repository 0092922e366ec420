// The recall file: the last games played, beside the saved games in a file of their own
// ("Vantello-recall.ini"), oldest first. Written whole after every game, in one
// replacement like the saved games, so a game ends either in it or not at all; read
// with every value checked, so a damaged or hostile file is refused, never half believed.
#pragma once
#include <string>
#include <vector>

#include "platform/profile_file.h"
#include "rules/game_record.h"
#include "rules/meters.h"

namespace persistence {

constexpr const char* kRecallName = "Vantello-recall.ini";
// A recall file that could not be read is kept aside under this name (numbered when taken).
constexpr const char* kDamagedRecallName = "Vantello-recall-damaged.ini";
// What one game may hold: more turns or cards than this are left out of its record.
constexpr int kMaxTurnsPerGame = 100;
constexpr int kMaxGambleSteps = 100;
constexpr int kMaxBetweenGames = 100;

std::string RecallPathFor(const std::string& saved_game_path);

// The file's text for these games (oldest first), at most `keep` of the newest, and the
// machine's lifetime meters.
platform::ProfileText RecallText(const std::vector<rules::GameRecord>& games, int keep, const rules::Meters& meters);

enum class RecallRead { Ok, Missing, Damaged };
// Reads the games, oldest first. Damaged: the file is there but unreadable, or some value
// in it is missing or out of range; `games` is then left empty.
RecallRead ReadRecall(const platform::ProfileFile& file, std::vector<rules::GameRecord>& games,
                      rules::Meters& meters);
RecallRead ParseRecall(const platform::ProfileText& text, std::vector<rules::GameRecord>& games,
                       rules::Meters& meters);

// Moves a damaged recall file aside; its new path, or "" when it could not be moved.
std::string PutRecallAside(const std::string& path);

// The recall of one data folder as the running game keeps it: read at the start, one game
// added after every game, the whole file written each time.
class Recall {
 public:
  explicit Recall(const std::string& saved_game_path, platform::FileOps* ops = nullptr,
                  int keep = rules::kRecallGames);
  // Reads the file. A damaged one is kept aside and the recall starts empty; what the
  // player is to be told of it, or "" when there is nothing to tell.
  std::string Open();
  // Whether the file held the machine's meters, and they (Open()).
  bool HasMeters() const { return has_meters_; }
  const rules::Meters& MetersRead() const { return meters_; }
  // Adds a finished game, stamped with the time now, and writes the file with the meters;
  // false when the write failed (File().Failure() says why), though the game stays
  // recalled until the end.
  bool Keep(const rules::GameRecord& game, const rules::Meters& meters);
  const std::vector<rules::GameRecord>& Games() const { return games_; }
  // How many games are kept from the next one on (the player's setting).
  void SetKeep(int keep) { keep_ = keep; }
  const platform::ProfileFile& File() const { return file_; }

 private:
  platform::ProfileFile file_;
  int keep_;
  std::vector<rules::GameRecord> games_;
  rules::Meters meters_;
  bool has_meters_ = false;
};

}  // namespace persistence
