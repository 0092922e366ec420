// The machine's sound files, named by what each one means in the game. The files keep
// their names; the game finds them in its program folder.
#pragma once

namespace rules {

constexpr const char* kClickSound = "Cherry0.wav";        // a wheel stops, a bet key
constexpr const char* kRefusalSound = "Cherry1.wav";      // a key refused; a push or half lost at the cards
constexpr const char* kBonusLampSound = "Cherry2.wav";    // the bonus lamp lit
constexpr const char* kBellSound = "Cherry4.wav";         // the bells row moves
constexpr const char* kCherrySound = "Cherry5.wav";       // the cherries row moves
constexpr const char* kPayoutSound = "Cherry6.wav";       // a win paid at once; a card won
constexpr const char* kCardLostSound = "Cherry7.wav";     // the cards took everything
constexpr const char* kCountOffSound = "Cherry8.wav";     // one step of a count-off
constexpr const char* kWinSound = "Cherry9.wav";          // a spin that pays
constexpr const char* kAllFruitSound = "Cherry10.wav";    // the All Fruit bonus

}  // namespace rules
