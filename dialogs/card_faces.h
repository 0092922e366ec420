// The cards of the Double or Nothing table: the pictures they are built from and the
// face of each card.
#pragma once
#include <cstdint>
#include <string>

#include "platform/bitmap.h"

namespace dialogs {

// The table's pictures (see dialogs/card_pictures.h for their sizes and layout).
struct CardArt {
  platform::Bitmap Pos, Neg, back, Joker, Royal, Suits, SuitSm, Black, Red;
};

// The pictures compiled into the game; a picture that cannot be read stays empty.
CardArt LoadCardArt();
// Gives each picture its twin at `scale` from the program folder's "<scale>x/", for a
// table shown larger; nothing at scale 1.
void AttachCardTwins(CardArt& art, const std::string& program_folder, int scale);

// The face of a card of value 0 (Ace) to 12 (King) and suit 0 to 3, built on the blank
// face in a 74 x 99 picture: rank signs, small suit signs, and the pips or the court
// picture; with its twins drawn from the art's where the art has them.
platform::Bitmap CardFace(const CardArt& art, int32_t value, int32_t suit);

}  // namespace dialogs
