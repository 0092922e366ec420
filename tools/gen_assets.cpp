// Builds the game's artwork and sounds into the program folder, and the pictures that
// are compiled into the main window as a C++ source.
//
//   vantello_gen_assets <program folder> <builtin_pictures.cpp>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/bmp.h"
#include "tools/art/art.h"
#include "tools/art/embed.h"

namespace {

using platform::Bitmap;

bool ok = true;
std::string folder;

void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
  if (!platform::SaveFile(folder + name, bytes)) {
    std::fprintf(stderr, "vantello_gen_assets: cannot write %s%s\n", folder.c_str(), name.c_str());
    ok = false;
  }
}

void Write24(const std::string& name, const Bitmap& picture) {
  Write(name, platform::EncodeBmp24(picture));
}

// The 256-colour files carry their own palette, chosen for the picture.
void Write8(const std::string& name, const Bitmap& picture) {
  Write(name, platform::EncodeBmp8(art::Reduce(picture, 256)));
}

void WriteArtwork() {
  Bitmap front64 = art::MachineFront(64), front96 = art::MachineFront(96);
  Write24("Backsm.bmp", front64);
  Write8("Backs256.bmp", front64);
  Write24("Backlg.bmp", front96);
  // Backlg2 serves the 256-colour set as well, so it is the palettised picture.
  Write8("Backlg2.bmp", front96);

  Bitmap sheet64 = art::SymbolSheet(64), sheet96 = art::SymbolSheet(96);
  Write24("Cherry64.bmp", sheet64);
  Write8("Che64256.bmp", sheet64);
  Write24("Cherry96.bmp", sheet96);
  Write8("Che96256.bmp", sheet96);

  Bitmap motion64 = art::MotionStrip(64), motion96 = art::MotionStrip(96);
  Write24("Motion2.bmp", motion64);
  Write8("Moti2256.bmp", motion64);
  Write24("Motion.bmp", motion96);
  Write8("Motio256.bmp", motion96);

  const std::pair<const char*, const char*> lamps[2][2] = {
      {{"Cher64of.bmp", "C64of256.bmp"}, {"Cher64on.bmp", "C64on256.bmp"}},
      {{"Cher96of.bmp", "C96of256.bmp"}, {"Cher96on.bmp", "C96on256.bmp"}}};
  for (int size = 0; size < 2; ++size)
    for (int lit = 0; lit < 2; ++lit) {
      Bitmap row = art::ChaserLamps(size ? 96 : 64, lit);
      Write24(lamps[size][lit].first, row);
      Write8(lamps[size][lit].second, row);
    }

  Bitmap side40 = art::SideLamps(40), side60 = art::SideLamps(60);
  Write24("Cherbut0.bmp", side40);
  Write8("Cbut0256.bmp", side40);
  Write24("Cherbut1.bmp", side60);
  Write8("Cbut1256.bmp", side60);

  Write24("Box.bmp", art::ButtonFace(62, 20));
  Write24("Spin.bmp", art::ArcadeButton("SPIN", true));
  Write24("Stop.bmp", art::ArcadeButton("STOP", false));
  Write24("Paychart.bmp", art::PayChart());
}

void WriteSounds() {
  for (const art::Sound& sound : art::Sounds()) Write(sound.file, art::EncodeWav(sound.samples));
}

// The main window's own pictures, as 8-bit BMP images in a C++ table.
bool WriteBuiltinPictures(const std::string& path) {
  const std::pair<const char*, Bitmap> pictures[] = {
      {"SpinBtn", art::ArcadeButton("SPIN", true)},
      {"StopBtn", art::ArcadeButton("STOP", false)},
      {"Logo", art::Logo()},
      {"Options", art::ButtonFace(62, 20)},
      {"DigitsSmall", art::DigitStrip(1, false)},
      {"GreenSmall", art::DigitStrip(1, true)},
      {"DigitsLarge", art::DigitStrip(2, false)},
      {"GreenLarge", art::DigitStrip(2, true)},
      {"PlusMinus", art::PlusMinusKeys(31)},
      {"PlusSmall", art::PlusMinusKeys(15)},
      {"Bonus", art::BonusIcons()},
      {"Bar", art::BigBar()},
  };
  art::EmbeddedPictures embedded{"vantello_gen_assets: the main window's built-in pictures",
                                 "view/builtin_pictures.h", "view", "BuiltinPicture", {}};
  for (const auto& [name, picture] : pictures)
    embedded.bmps.emplace_back(name, platform::EncodeBmp8(art::Reduce(picture, 256)));
  std::string out = art::EmbeddedPicturesSource(embedded);
  return platform::SaveFile(path, std::vector<uint8_t>(out.begin(), out.end()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <program folder> <builtin_pictures.cpp>\n", argv[0]);
    return 2;
  }
  folder = argv[1];
  if (!folder.empty() && folder.back() != '/') folder += '/';
  WriteArtwork();
  WriteSounds();
  if (!WriteBuiltinPictures(argv[2])) {
    std::fprintf(stderr, "vantello_gen_assets: cannot write %s\n", argv[2]);
    ok = false;
  }
  return ok ? 0 : 1;
}
