// Damaged artwork and sound files: what the readers refuse, what the game then falls
// back to, and what a sound becomes when it is brought to the player's rate.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

#include "platform/bmp.h"
#include "platform/wav.h"
#include "tests/test_machine.h"
#include "view/layout.h"
#include "view/pictures.h"

namespace {

namespace fs = std::filesystem;

// An 8-bit mono file of `frames` samples of silence.
std::vector<uint8_t> QuietWav(uint32_t rate, uint32_t frames) {
  std::vector<uint8_t> b;
  auto put = [&](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> 8 * i));
  };
  auto text = [&](const char* t) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(t[i])); };
  text("RIFF"), put(36 + frames, 4), text("WAVE"), text("fmt "), put(16, 4), put(1, 2), put(1, 2);
  put(rate, 4), put(rate, 4), put(1, 2), put(8, 2), text("data"), put(frames, 4);
  b.resize(b.size() + frames, 128);
  return b;
}

TEST(MediaFiles, ResampledSoundNeverLeavesItsNeighbours) {
  for (int from : {1000, 11025, 44100}) {
    for (int16_t level : {int16_t(-32768), int16_t(-20000), int16_t(-100), int16_t(5), int16_t(32767)}) {
      platform::Pcm steady;
      steady.rate = from;
      steady.samples.assign(500, level);
      for (int16_t s : platform::Resample(steady, 22050).samples)
        ASSERT_EQ(s, level) << "from " << from << " Hz";
    }
    platform::Pcm ramp;
    ramp.rate = from;
    for (int i = 0; i < 400; ++i) ramp.samples.push_back(static_cast<int16_t>(i * 163 - 32768));
    platform::Pcm out = platform::Resample(ramp, 22050);
    EXPECT_NEAR(double(out.samples.size()), 400.0 * 22050 / from, 1.0);
    EXPECT_TRUE(std::is_sorted(out.samples.begin(), out.samples.end())) << from;
    EXPECT_EQ(out.samples.front(), -32768);
    EXPECT_LE(out.samples.back(), ramp.samples.back());
  }
}

TEST(MediaFiles, SoundLastingMinutesIsRefused) {
  platform::Pcm pcm;
  std::vector<uint8_t> two_seconds = QuietWav(1000, 2000);
  ASSERT_TRUE(platform::DecodeWav(two_seconds.data(), two_seconds.size(), pcm));
  EXPECT_EQ(pcm.samples.size(), 2000u);
  // Six hundred kilobytes at 1000 Hz would be ten minutes and 26 MB at the player's rate.
  std::vector<uint8_t> ten_minutes = QuietWav(1000, 600000);
  std::string error;
  EXPECT_FALSE(platform::DecodeWav(ten_minutes.data(), ten_minutes.size(), pcm, &error));
  EXPECT_EQ(error, "WAV sound too long");
  EXPECT_EQ(pcm.samples.size(), 2000u);
}

// A header claiming 8192 x 4096 pixels over a short body: refused as too large, from the
// header alone, before the rest of the file is read or any pixels are made.
TEST(MediaFiles, PictureOverItsLimitIsRefusedFromItsHeader) {
  std::vector<uint8_t> claim = platform::EncodeBmp24(platform::Bitmap(4, 4));
  claim[18] = 0, claim[19] = 0x20;  // width 8192
  claim[22] = 0, claim[23] = 0x10;  // height 4096
  const std::string path = (fs::temp_directory_path() / ("vantello-claim-" + std::to_string(::getpid()))).string();
  ASSERT_TRUE(platform::SaveFile(path, claim));
  platform::Bitmap pic;
  std::string decoded, loaded;
  EXPECT_FALSE(platform::DecodeBmp(claim.data(), claim.size(), pic, &decoded));
  EXPECT_FALSE(platform::LoadBmp(path, pic, &loaded));
  EXPECT_EQ(decoded, "BMP picture too large");
  EXPECT_EQ(loaded, "BMP picture too large");
  fs::remove(path);

  // A limit holds for each side alone.
  std::vector<uint8_t> ten = platform::EncodeBmp24(platform::Bitmap(10, 12));
  for (auto [limit, ok] : {std::pair{platform::BmpLimit{10, 12}, true}, std::pair{platform::BmpLimit{9, 12}, false},
                           std::pair{platform::BmpLimit{10, 11}, false}})
    EXPECT_EQ(platform::DecodeBmp(ten.data(), ten.size(), pic, nullptr, limit), ok) << limit.width << "x" << limit.height;
}

// The large true-colour artwork in a folder of its own, where one file at a time is broken.
class BrokenArtwork : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("vantello-media-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    for (const char* name : {"Backlg.bmp", "Backlg2.bmp", "Cherry96.bmp", "Motion.bmp",
                             "Cher96on.bmp", "Cher96of.bmp", "Cherbut1.bmp", "Spin.bmp"})
      fs::copy_file(fs::path(VANTELLO_PROGRAM_DIR) / name, folder_ / name,
                    fs::copy_options::overwrite_existing);
    folder_name_ = folder_.string() + "/";
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Cut to half its length, emptied, or overwritten with bytes that are no picture.
  void Break(const std::string& name, int how) {
    fs::path file = folder_ / name;
    if (how == 0) fs::resize_file(file, fs::file_size(file) / 2);
    if (how == 1) fs::resize_file(file, 0);
    if (how == 2) {
      std::vector<uint8_t> junk(5000);
      for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<uint8_t>(i * 131 + 7);
      junk[0] = 'B';  // starts like a picture, all the same
      ASSERT_TRUE(platform::SaveFile(file.string(), junk));
    }
  }

  fs::path folder_;
  // Loads the large layout's pictures from the folder; false when any was missing.
  bool Load() { return view::LoadArtwork(art_, p_, folder_name_, 1024, 24); }

  std::string folder_name_;
  view::Artwork art_;
  view::Pictures p_;
};

TEST_F(BrokenArtwork, UnreadablePictureCountsAsMissing) {
  const char* files[] = {"Cherry96.bmp", "Motion.bmp", "Cher96on.bmp", "Cher96of.bmp", "Cherbut1.bmp"};
  const platform::Bitmap view::Artwork::*pictures[] = {
      &view::Artwork::SymbolSheet, &view::Artwork::MotionStrip, &view::Artwork::LampsOnImage,
      &view::Artwork::LampsOffImage, &view::Artwork::SideLampImage};
  ASSERT_TRUE(Load());
  for (int i = 0; i < 5; ++i) {
    std::vector<uint8_t> whole;
    ASSERT_TRUE(platform::ReadFile((folder_ / files[i]).string(), whole, 16u << 20));
    for (int how = 0; how < 3; ++how) {
      Break(files[i], how);
      EXPECT_FALSE(Load()) << files[i] << " broken way " << how;
      EXPECT_TRUE((art_.*pictures[i]).Empty()) << files[i];
      EXPECT_FALSE(art_.BackgroundImage.Empty());
      ASSERT_TRUE(platform::SaveFile((folder_ / files[i]).string(), whole));
    }
  }
}

TEST_F(BrokenArtwork, PictureOverTwiceItsSizeCountsAsMissing) {
  const view::PictureSize sheet = view::ArtworkSize("Cherry96.bmp");
  ASSERT_EQ(sheet.width, 384);
  const std::string path = (folder_ / "Cherry96.bmp").string();
  for (auto [w, h, ok] : {std::tuple{2 * sheet.width, 2 * sheet.height, true},
                          std::tuple{2 * sheet.width + 1, sheet.height, false},
                          std::tuple{sheet.width, 2 * sheet.height + 1, false}}) {
    ASSERT_TRUE(platform::SaveFile(path, platform::EncodeBmp24(platform::Bitmap(w, h))));
    EXPECT_EQ(Load(), ok) << w << "x" << h;
    EXPECT_EQ(art_.SymbolSheet.Width(), ok ? w : 0);
  }
}

TEST_F(BrokenArtwork, SecondBackgroundStandsInForABrokenFirst) {
  Break("Backlg.bmp", 2);
  EXPECT_TRUE(Load());
  EXPECT_EQ(art_.BackgroundImage.Width(), 498);
  EXPECT_EQ(view::MakeLayout(1024, art_, p_).origin_x, (1024 - 498) / 2);
  Break("Backlg2.bmp", 0);
  EXPECT_FALSE(Load());
  EXPECT_TRUE(art_.BackgroundImage.Empty());
  EXPECT_EQ(view::MakeLayout(1024, art_, p_).origin_x, 1024 / 2);
}

TEST_F(BrokenArtwork, BrokenButtonPictureKeepsTheBuiltInOne) {
  const platform::Bitmap builtin(124, 72, 0x336699);
  p_.SpinBtn = builtin;
  Break("Spin.bmp", 0);
  Load();
  ASSERT_EQ(p_.SpinBtn.Width(), 124);
  EXPECT_EQ(p_.SpinBtn.Pixel(10, 10), builtin.Pixel(10, 10));
}

}  // namespace
