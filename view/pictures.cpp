#include "view/pictures.h"

#include <filesystem>
#include <initializer_list>

#include "platform/bmp.h"
#include "rules/width_class.h"
#include "platform/wav.h"

namespace view {

namespace {

void FromBytes(platform::Bitmap& b, const PictureSource& source, std::string_view name) {
  const std::vector<uint8_t>* bytes = source ? source(name) : nullptr;
  if (bytes) platform::DecodeBmp(bytes->data(), bytes->size(), b);
}

// A picture file that may be missing; the bitmap keeps what it had then.
bool TryLoad(const std::string& path, platform::Bitmap& b) {
  platform::Bitmap loaded;
  if (!platform::LoadBmp(path, loaded)) return false;
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

bool LoadArtwork(machine::Machine& m, Pictures& p, int depth) {
  rules::GameState& g = m.g;
  const std::string& dir = m.ProgramFolder;
  ArtworkFiles files = ChooseArtworkFiles(g.ScreenWidth, depth);
  bool all = true;
  auto load = [&](const std::string& name, platform::Bitmap& b) {
    b = platform::Bitmap();
    if (!TryLoad(dir + name, b)) all = false;
  };
  m.art.BackgroundImage = platform::Bitmap();
  if (!TryLoad(dir + files.BackgroundImage, m.art.BackgroundImage) &&
      (files.BackgroundFallback.empty() || !TryLoad(dir + files.BackgroundFallback, m.art.BackgroundImage)))
    all = false;
  load(files.SymbolSheet, m.art.SymbolSheet);
  load(files.MotionStrip, m.art.MotionStrip);
  load(files.LampsOnImage, m.art.LampsOnImage);
  load(files.LampsOffImage, m.art.LampsOffImage);
  load(files.SideLampImage, m.art.SideLampImage);

  bool large = rules::WidthClassOf(g.ScreenWidth) == rules::WidthClass::Large;
  g.CellSize = large ? 96 : 64;
  g.OriginX = (g.ScreenWidth - m.art.BackgroundImage.Width()) / 2;
  g.OriginY = g.ScreenWidth < rules::kMediumArtworkWidth ? 0 : (large ? 2 : 50);
  if (depth >= 16) {
    TryLoad(dir + "Box.bmp", p.Options);
    TryLoad(dir + "Spin.bmp", p.SpinBtn);
    TryLoad(dir + "Stop.bmp", p.StopBtn);
  }
  return all;
}

void LoadTwins(machine::Machine& m, Pictures& p, int scale, int depth) {
  if (scale < 2 || scale > 3) return;
  const std::string dir = m.ProgramFolder + std::to_string(scale) + "x/";
  // The first name whose twin has the right size; a twin of another size is refused.
  auto twin = [&](platform::Bitmap& b, std::initializer_list<std::string> names) {
    for (const std::string& name : names) {
      platform::Bitmap t;
      if (!name.empty() && platform::LoadBmp(dir + name, t) && b.SetTwin(scale, std::move(t))) return;
    }
  };
  ArtworkFiles files = ChooseArtworkFiles(m.g.ScreenWidth, depth);
  twin(m.art.BackgroundImage, {files.BackgroundImage, files.BackgroundFallback});
  twin(m.art.SymbolSheet, {files.SymbolSheet});
  twin(m.art.MotionStrip, {files.MotionStrip});
  twin(m.art.LampsOnImage, {files.LampsOnImage});
  twin(m.art.LampsOffImage, {files.LampsOffImage});
  twin(m.art.SideLampImage, {files.SideLampImage});
  // The button pictures come from their files where those were read, else built in.
  auto file_or_builtin = [&](const char* file, const char* builtin) {
    bool read = depth >= 16 && std::filesystem::is_regular_file(m.ProgramFolder + file);
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

void LoadClickSound(machine::Machine& m) {
  std::vector<uint8_t> bytes;
  platform::Pcm check;
  m.ClickSoundData.clear();
  if (platform::ReadFile(m.ProgramFolder + "Cherry0.wav", bytes, 1u << 20) &&
      platform::DecodeWav(bytes.data(), bytes.size(), check))
    m.ClickSoundData = std::move(bytes);
}

}  // namespace view
