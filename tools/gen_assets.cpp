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

// The main window's own pictures, drawn at `scale` times their size.
std::vector<std::pair<const char*, Bitmap>> BuiltinPictures(int scale) {
  std::vector<std::pair<const char*, Bitmap>> pictures;
  pictures.emplace_back("SpinBtn", art::ArcadeButton("SPIN", true, scale));
  pictures.emplace_back("StopBtn", art::ArcadeButton("STOP", false, scale));
  pictures.emplace_back("Logo", art::Logo(scale));
  pictures.emplace_back("Options", art::ButtonFace(62, 20, scale));
  pictures.emplace_back("DigitsSmall", art::DigitStrip(1, false, scale));
  pictures.emplace_back("GreenSmall", art::DigitStrip(1, true, scale));
  pictures.emplace_back("DigitsLarge", art::DigitStrip(2, false, scale));
  pictures.emplace_back("GreenLarge", art::DigitStrip(2, true, scale));
  pictures.emplace_back("PlusMinus", art::PlusMinusKeys(31, scale));
  pictures.emplace_back("PlusSmall", art::PlusMinusKeys(15, scale));
  pictures.emplace_back("Bonus", art::BonusIcons(scale));
  pictures.emplace_back("Bar", art::BigBar(scale));
  return pictures;
}

// The built-in pictures at 1x, as 8-bit BMP images in a C++ table.
bool WriteBuiltinPictures(const std::string& path) {
  art::EmbeddedPictures embedded{"vantello_gen_assets: the main window's built-in pictures",
                                 "view/builtin_pictures.h", "view", "BuiltinPicture", {}};
  for (const auto& [name, picture] : BuiltinPictures(1))
    embedded.bmps.emplace_back(name, platform::EncodeBmp8(art::Reduce(picture, 256)));
  std::string out = art::EmbeddedPicturesSource(embedded);
  return platform::SaveFile(path, std::vector<uint8_t>(out.begin(), out.end()));
}

// Every picture the large true-colour layout shows, drawn again at 2x or 3x into the
// folder "2x/" or "3x/", for a window that composes the layout larger and brings it down
// to its size. Backlg2 is the same drawing as Backlg; its twin is true-colour too.
void WriteLargeTwins(int scale) {
  const std::string dir = std::to_string(scale) + "x/";
  Bitmap front = art::MachineFront(96, scale);
  // One twin serves both backgrounds: the 256-colour one is the same drawing.
  Write24(dir + "Backlg.bmp", front);
  Write24(dir + "Paychart.bmp", art::PayChart(scale));
  Write24(dir + "Cherry96.bmp", art::SymbolSheet(96, scale));
  Write24(dir + "Motion.bmp", art::MotionStrip(96, scale));
  Write24(dir + "Cher96on.bmp", art::ChaserLamps(96, true, scale));
  Write24(dir + "Cher96of.bmp", art::ChaserLamps(96, false, scale));
  Write24(dir + "Cherbut1.bmp", art::SideLamps(60, scale));
  Write24(dir + "Box.bmp", art::ButtonFace(62, 20, scale));
  Write24(dir + "Spin.bmp", art::ArcadeButton("SPIN", true, scale));
  Write24(dir + "Stop.bmp", art::ArcadeButton("STOP", false, scale));
  for (const auto& [name, picture] : BuiltinPictures(scale))
    Write24(dir + name + ".bmp", picture);
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
  WriteLargeTwins(2);
  WriteLargeTwins(3);
  WriteSounds();
  if (!WriteBuiltinPictures(argv[2])) {
    std::fprintf(stderr, "vantello_gen_assets: cannot write %s\n", argv[2]);
    ok = false;
  }
  return ok ? 0 : 1;
}
