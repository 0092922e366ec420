// The pictures on the borrow dialog's buttons (and the OK tick the other dialogs share),
// drawn at build time and compiled into the game as BMP images.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/bmp.h"
#include "platform/geometry.h"

namespace dialogs {

// The ground the pictures are drawn on: the colour of a button's face, so that they
// sit on their buttons without a seam.
constexpr platform::Color kButtonFace = platform::kSilver;

// The BMP bytes of "Borrow1000", "Borrow100", "Borrow10", "Borrow1" (66 x 42 each),
// "OkTick" or "HelpMark", or nullptr for any other name.
const std::vector<uint8_t>* DialogPicture(std::string_view name);

// The picture itself; an empty one when it is unknown or does not decode.
inline platform::Bitmap DialogBitmap(std::string_view name) {
  platform::Bitmap picture;
  if (const std::vector<uint8_t>* bytes = DialogPicture(name))
    platform::DecodeBmp(bytes->data(), bytes->size(), picture);
  return picture;
}

// Gives the picture its twin at `scale` (2 or 3) from the program folder's
// "<scale>x/<name>.bmp", for a window shown larger; nothing at scale 1 or without one.
inline void AttachTwin(platform::Bitmap& picture, const std::string& program_folder,
                       std::string_view name, int scale) {
  if (scale < 2 || picture.Empty()) return;
  platform::Bitmap twin;
  const std::string path = program_folder + std::to_string(scale) + "x/" + std::string(name) + ".bmp";
  if (platform::LoadBmp(path, twin)) picture.SetTwin(scale, std::move(twin));
}

// The picture with its twin at `scale`, for a dialog whose surface is composed at it.
inline platform::Bitmap DialogBitmap(std::string_view name, const std::string& program_folder, int scale) {
  platform::Bitmap picture = DialogBitmap(name);
  AttachTwin(picture, program_folder, name, scale);
  return picture;
}

}  // namespace dialogs
