// Writes pictures into a C++ source that compiles them into the game, with one lookup
// function by name: the built-in pictures of the windows are made this way.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace art {

struct EmbeddedPictures {
  std::string generator;  // named in the source's first line
  std::string header;     // the header declaring the lookup function
  std::string name_space;
  std::string function;   // const std::vector<uint8_t>* function(std::string_view name)
  std::vector<std::pair<std::string, std::vector<uint8_t>>> bmps;  // name, BMP bytes
};

std::string EmbeddedPicturesSource(const EmbeddedPictures& pictures);

}  // namespace art
