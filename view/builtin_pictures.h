// The pictures that belong to the main window itself (bet keys, digit strips, logo,
// button faces, bonus icons), compiled into the game as BMP images.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace view {

// The BMP bytes of the built-in picture `name` ("SpinBtn", "StopBtn", "Logo", "Options",
// "DigitsSmall", "GreenSmall", "DigitsLarge", "GreenLarge", "PlusMinus", "PlusSmall",
// "Bonus", "Bar"), or nullptr for a name the window does not have.
const std::vector<uint8_t>* BuiltinPicture(std::string_view name);

}  // namespace view
