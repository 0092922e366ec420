#include "view/pictures.h"

#include <filesystem>
#include <initializer_list>

#include "platform/bmp.h"
#include "rules/width_class.h"
#include "platform/wav.h"
#include "rules/sounds.h"

namespace view {

namespace {

void FromBytes(platform::Bitmap& b, const PictureSource& source, std::string_view name) {
  const std::vector<uint8_t>* bytes = source ? source(name) : nullptr;
  if (bytes) platform::DecodeBmp(bytes->data(), bytes->size(), b);
}

// Each artwork file's size, as the generators in tools/ draw it.
struct SizedFile {
  std::string_view file;
  PictureSize size;
};

constexpr SizedFile kArtworkSizes[] = {
    {"Backsm.bmp", {324, 416}},   {"Backs256.bmp", {324, 416}}, {"Backlg.bmp", {498, 610}},
    {"Backlg2.bmp", {498, 610}},  {"Cherry64.bmp", {256, 192}}, {"Che64256.bmp", {256, 192}},
    {"Cherry96.bmp", {384, 288}}, {"Che96256.bmp", {384, 288}}, {"Motion2.bmp", {64, 576}},
    {"Moti2256.bmp", {64, 576}},  {"Motion.bmp", {96, 576}},    {"Motio256.bmp", {96, 576}},
    {"Cher64on.bmp", {318, 30}},  {"Cher64of.bmp", {318, 30}},  {"C64on256.bmp", {318, 30}},
    {"C64of256.bmp", {318, 30}},  {"Cher96on.bmp", {498, 100}}, {"Cher96of.bmp", {498, 100}},
    {"C96on256.bmp", {498, 100}}, {"C96of256.bmp", {498, 100}}, {"Cherbut0.bmp", {40, 160}},
    {"Cherbut1.bmp", {60, 240}},  {"Cbut0256.bmp", {40, 160}},  {"Cbut1256.bmp", {60, 240}},
    {"Box.bmp", {62, 20}},        {"Spin.bmp", {124, 72}},      {"Stop.bmp", {124, 72}},
};

// A picture file that may be missing; the bitmap keeps what it had then. One far larger
// than its picture should be is no artwork of ours and would only take memory.
bool TryLoad(const std::string& dir, const std::string& file, platform::Bitmap& b) {
  const PictureSize size = ArtworkSize(file);
  platform::BmpLimit limit;
  if (size.width > 0) limit = {2 * size.width, 2 * size.height};
  platform::Bitmap loaded;
  if (!platform::LoadBmp(dir + file, loaded, nullptr, limit)) return false;
  b = std::move(loaded);
  return true;
}

}  // namespace

void LoadBuiltinPictures(Pictures& p, const PictureSource& source) {
  FromBytes(p.SpinBtn, source, "SpinBtn");
  FromBytes(p.StopBtn, source, "StopBtn");
  FromBytes(p.Logo, source, "Logo");
  FromBytes(p.Options, source, "Options");
  FromBytes(p.DigitsSmall, source, "DigitsSmall");
  FromBytes(p.DigitsLarge, source, "DigitsLarge");
  FromBytes(p.GreenSmall, source, "GreenSmall");
  FromBytes(p.GreenLarge, source, "GreenLarge");
  FromBytes(p.PlusMinus, source, "PlusMinus");
  FromBytes(p.PlusSmall, source, "PlusSmall");
  FromBytes(p.Bonus, source, "Bonus");
  FromBytes(p.Bar, source, "Bar");
}

PictureSize ArtworkSize(std::string_view file) {
  for (const SizedFile& sized : kArtworkSizes)
    if (sized.file == file) return sized.size;
  return {};
}

ArtworkFiles ChooseArtworkFiles(int screen_width, int depth) {
  int band = screen_width < rules::kMediumArtworkWidth ? 0 : (screen_width < rules::kLargeScreenWidth ? 1 : 2);
  if (depth >= 16) {
    if (band == 2) return {"Backlg.bmp", "Backlg2.bmp", "Cherry96.bmp", "Motion.bmp", "Cher96on.bmp", "Cher96of.bmp", "Cherbut1.bmp"};
    return {"Backsm.bmp", "", "Cherry64.bmp", "Motion2.bmp", "Cher64on.bmp", "Cher64of.bmp",
            band == 0 ? "Cherbut0.bmp" : "Cherbut1.bmp"};
  }
  if (band == 2) return {"Backlg2.bmp", "", "Che96256.bmp", "Motio256.bmp", "C96on256.bmp", "C96of256.bmp", "Cbut1256.bmp"};
  return {"Backs256.bmp", "", "Che64256.bmp", "Moti2256.bmp", "C64on256.bmp", "C64of256.bmp",
          band == 0 ? "Cbut0256.bmp" : "Cbut1256.bmp"};
}

bool LoadArtwork(Artwork& art, Pictures& p, const std::string& dir, int layout_width, int depth) {
  ArtworkFiles files = ChooseArtworkFiles(layout_width, depth);
  bool all = true;
  auto load = [&](const std::string& name, platform::Bitmap& b) {
    b = platform::Bitmap();
    if (!TryLoad(dir, name, b)) all = false;
  };
  art.BackgroundImage = platform::Bitmap();
  if (!TryLoad(dir, files.BackgroundImage, art.BackgroundImage) &&
      (files.BackgroundFallback.empty() || !TryLoad(dir, files.BackgroundFallback, art.BackgroundImage)))
    all = false;
  load(files.SymbolSheet, art.SymbolSheet);
  load(files.MotionStrip, art.MotionStrip);
  load(files.LampsOnImage, art.LampsOnImage);
  load(files.LampsOffImage, art.LampsOffImage);
  load(files.SideLampImage, art.SideLampImage);

  if (depth >= 16) {
    TryLoad(dir, "Box.bmp", p.Options);
    TryLoad(dir, "Spin.bmp", p.SpinBtn);
    TryLoad(dir, "Stop.bmp", p.StopBtn);
  }
  return all;
}

void LoadTwins(Artwork& art, Pictures& p, const std::string& folder, int layout_width, int scale, int depth) {
  if (scale < 2 || scale > 3) return;
  const std::string dir = folder + std::to_string(scale) + "x/";
  // The first name whose twin has the right size; a twin of another size is refused.
  auto twin = [&](platform::Bitmap& b, std::initializer_list<std::string> names) {
    for (const std::string& name : names) {
      platform::Bitmap t;
      if (!name.empty() && platform::LoadBmp(dir + name, t) && b.SetTwin(scale, std::move(t))) return;
    }
  };
  ArtworkFiles files = ChooseArtworkFiles(layout_width, depth);
  // Each full paint reads it (AttachBackgroundTwin); here only the file is picked.
  art.BackgroundTwinFile.clear();
  for (const std::string& name : {files.BackgroundImage, files.BackgroundFallback, std::string("Backlg.bmp")}) {
    if (!name.empty() && std::filesystem::is_regular_file(dir + name)) {
      art.BackgroundTwinFile = dir + name;
      break;
    }
  }
  twin(art.SymbolSheet, {files.SymbolSheet});
  twin(art.MotionStrip, {files.MotionStrip});
  twin(art.LampsOnImage, {files.LampsOnImage});
  twin(art.LampsOffImage, {files.LampsOffImage});
  twin(art.SideLampImage, {files.SideLampImage});
  // The button pictures come from their files where those were read, else built in.
  auto file_or_builtin = [&](const char* file, const char* builtin) {
    bool read = depth >= 16 && std::filesystem::is_regular_file(folder + file);
    return std::string(read ? file : builtin) + (read ? "" : ".bmp");
  };
  twin(p.Options, {file_or_builtin("Box.bmp", "Options")});
  twin(p.SpinBtn, {file_or_builtin("Spin.bmp", "SpinBtn")});
  twin(p.StopBtn, {file_or_builtin("Stop.bmp", "StopBtn")});
  twin(p.Logo, {"Logo.bmp"});
  twin(p.DigitsSmall, {"DigitsSmall.bmp"});
  twin(p.DigitsLarge, {"DigitsLarge.bmp"});
  twin(p.GreenSmall, {"GreenSmall.bmp"});
  twin(p.GreenLarge, {"GreenLarge.bmp"});
  twin(p.PlusMinus, {"PlusMinus.bmp"});
  twin(p.PlusSmall, {"PlusSmall.bmp"});
  twin(p.Bonus, {"Bonus.bmp"});
  twin(p.Bar, {"Bar.bmp"});
}

void AttachBackgroundTwin(Artwork& art, int scale) {
  platform::Bitmap t;
  const platform::Bitmap& b = art.BackgroundImage;
  // A twin of the wrong size is refused: a larger one from its header alone.
  if (!art.BackgroundTwinFile.empty() &&
      platform::LoadBmp(art.BackgroundTwinFile, t, nullptr, {b.Width() * scale, b.Height() * scale}))
    art.BackgroundImage.SetTwin(scale, std::move(t));
}

void LoadClickSound(machine::Machine& m) {
  std::vector<uint8_t> bytes;
  platform::Pcm check;
  m.ClickSoundData.clear();
  if (platform::ReadFile(m.ProgramFolder + rules::kClickSound, bytes, 1u << 20) &&
      platform::DecodeWav(bytes.data(), bytes.size(), check))
    m.ClickSoundData = std::move(bytes);
}

}  // namespace view
