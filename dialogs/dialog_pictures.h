// The pictures on the borrow dialog's buttons (and the OK tick the other dialogs share),
// drawn at build time and compiled into the game as BMP images.
#pragma once
#include <cstdint>
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

}  // namespace dialogs
