// The pictures built into the main window, and the six artwork files of the machine.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "machine/machine.h"
#include "platform/bitmap.h"

namespace view {

// The six artwork pictures of the machine, read from its program folder.
struct Artwork {
  platform::Bitmap BackgroundImage;
  platform::Bitmap SymbolSheet;
  platform::Bitmap MotionStrip;
  platform::Bitmap LampsOnImage;
  platform::Bitmap LampsOffImage;
  platform::Bitmap SideLampImage;
  // The background's twin, the largest picture of all (11 MB at 3x), is read from this
  // file for each full paint instead of being held; empty when there is none.
  std::string BackgroundTwinFile;
};

struct Pictures {
  platform::Bitmap SpinBtn, StopBtn, Logo, Options;
  platform::Bitmap DigitsSmall, DigitsLarge, GreenSmall, GreenLarge;
  platform::Bitmap PlusMinus, PlusSmall, Bonus, Bar;
};

// Where the built-in pictures come from: BMP bytes by name, nullptr when unknown.
using PictureSource = std::function<const std::vector<uint8_t>*(std::string_view)>;

void LoadBuiltinPictures(Pictures& p, const PictureSource& source);

// The artwork file each of the six pictures is read from, for a screen.
struct ArtworkFiles {
  std::string BackgroundImage, BackgroundFallback, SymbolSheet, MotionStrip, LampsOnImage,
      LampsOffImage, SideLampImage;
};
ArtworkFiles ChooseArtworkFiles(int screen_width, int depth);

// The size an artwork file's picture has; 0 x 0 for a file that is not artwork. A file
// more than twice as wide or as high is refused as broken, before its pixels are read.
struct PictureSize {
  int width = 0, height = 0;
};
PictureSize ArtworkSize(std::string_view file);

// Loads the six pictures for a machine laid out `layout_width` wide from the program
// folder; with 16 bits or more also the true-colour button pictures (keeping the built-in
// ones where a file is missing). False when any of the six was missing.
bool LoadArtwork(Artwork& art, Pictures& p, const std::string& folder, int layout_width, int depth);

// Gives the machine's pictures their twins drawn at `scale` (2 or 3) times the size, from
// the program folder's "2x/" or "3x/"; a picture without a twin of the right size is
// enlarged as it is. Only the large layout is ever shown larger.
void LoadTwins(Artwork& art, Pictures& p, const std::string& folder, int layout_width, int scale, int depth);

// Reads the background's twin for a full paint; DropTwins() lets it go again.
void AttachBackgroundTwin(Artwork& art, int scale);

// Reads "Cherry0.wav" into memory; a missing or broken file leaves the game without a click.
void LoadClickSound(machine::Machine& m);

}  // namespace view
