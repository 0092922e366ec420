#include "dialogs/card_faces.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "dialogs/card_pictures.h"
#include "dialogs/dialog_pictures.h"
#include "platform/bmp.h"
#include "platform/picture_fit.h"
#include "rules/card_game.h"

namespace dialogs {

namespace {

platform::Bitmap Picture(std::string_view name) {
  platform::Bitmap b;
  if (const std::vector<uint8_t>* bytes = CardPicture(name))
    platform::DecodeBmp(bytes->data(), bytes->size(), b);
  return b;
}

struct Pip {
  int x, y;
};

// The pips of the number cards, Ace to 10, by their top-left corners.
const std::vector<Pip>& PipsOf(int rank) {
  static const std::array<std::vector<Pip>, 11> pips = [] {
    const std::vector<Pip> four = {{14, 10}, {14, 72}, {42, 10}, {42, 72}};
    auto with = [](std::vector<Pip> base, std::initializer_list<Pip> more) {
      base.insert(base.end(), more);
      return base;
    };
    std::array<std::vector<Pip>, 11> p;
    p[1] = {{28, 42}};
    p[2] = {{28, 10}, {28, 72}};
    p[3] = with(p[2], {{28, 41}});
    p[4] = four;
    p[5] = with(four, {{28, 41}});
    p[6] = with(four, {{14, 41}, {42, 41}});
    p[7] = with(p[6], {{28, 27}});
    p[8] = with(four, {{14, 31}, {14, 51}, {42, 31}, {42, 51}});
    p[9] = with(p[8], {{28, 20}});
    p[10] = with(p[8], {{28, 20}, {28, 62}});
    return p;
  }();
  return pips[rank];
}

// The art's pictures and the names they are compiled in under.
struct ArtPicture {
  platform::Bitmap CardArt::*picture;
  const char* name;
};
constexpr ArtPicture kArtPictures[] = {
    {&CardArt::Pos, "Pos"},     {&CardArt::Neg, "Neg"},       {&CardArt::back, "back"},
    {&CardArt::Joker, "Joker"}, {&CardArt::Royal, "Royal"},   {&CardArt::Suits, "Suits"},
    {&CardArt::SuitSm, "SuitSm"}, {&CardArt::Black, "Black"}, {&CardArt::Red, "Red"}};

// The twins at `scale` of the pictures a face is built from, as art of their own;
// nothing unless each of them has one.
std::optional<CardArt> FaceTwinArt(const CardArt& art, int scale) {
  CardArt twins;
  for (platform::Bitmap CardArt::*picture :
       {&CardArt::Pos, &CardArt::Royal, &CardArt::Suits, &CardArt::SuitSm, &CardArt::Black, &CardArt::Red}) {
    const platform::Bitmap* twin = (art.*picture).Twin(scale);
    if (!twin) return std::nullopt;
    twins.*picture = *twin;
  }
  return twins;
}

// The face drawn at `k` times the size from art of that size: every place times k.
platform::Bitmap FaceAt(const CardArt& art, int32_t value, int32_t suit, int k) {
  platform::Bitmap face((rules::kCardWidth + 1) * k, (rules::kCardHeight + 1) * k);
  auto blit = [&](int dx, int dy, const platform::Bitmap& src, int sx, int sy, int w, int h) {
    platform::Blit(face, dx * k, dy * k, src, sx * k, sy * k, w * k, h * k);
  };
  blit(0, 0, art.Pos, 0, 0, rules::kCardWidth, rules::kCardHeight);
  int r = value + 1, s = suit;
  bool black = suit == 0 || suit == 3;
  const platform::Bitmap& ranks = black ? art.Black : art.Red;
  blit(3, 3, ranks, 9 * r - 9, 0, 9, 13);
  blit(61, 82, ranks, 9 * r - 9, 14, 8, 13);
  blit(2, 18, art.SuitSm, 11 * s, 0, 11, 11);
  blit(60, 70, art.SuitSm, 11 * s, 11, 11, 11);

  if (r <= 10) {
    for (Pip p : PipsOf(r)) {
      // The right column is one pixel wider, to sit as far from the edge as the left
      // one; only the middle pip of the 6 and 7 keeps its width.
      if (p.x == 42 && p.y != 41)
        platform::StretchBlit(face, p.x * k, p.y * k, 16 * k, 15 * k, art.Suits, 15 * s * k, 0, 15 * k,
                              15 * k);
      else blit(p.x, p.y, art.Suits, 15 * s, 0, 15, 15);
    }
    return face;
  }
  int column = r == 13 ? 0 : r == 12 ? 47 : 94;  // King, Queen, Jack
  blit(13, 13, art.Royal, column, black ? 0 : 74, 47, 74);
  bool king = r == 13;
  blit(king ? 15 : 43, 15, art.Suits, 15 * s, 0, 15, 15);
  blit(king ? 43 : 15, 70, art.Suits, 15 * s, 15, 15, 15);
  return face;
}

}  // namespace

CardArt LoadCardArt() {
  CardArt art;
  for (const ArtPicture& p : kArtPictures) art.*p.picture = Picture(p.name);
  return art;
}

void AttachCardTwins(CardArt& art, const std::string& program_folder, int scale) {
  for (const ArtPicture& p : kArtPictures) AttachTwin(art.*p.picture, program_folder, p.name, scale);
}

platform::Bitmap CardFace(const CardArt& art, int32_t value, int32_t suit) {
  platform::Bitmap face = FaceAt(art, value, suit, 1);
  // A table shown larger draws the face from the art's twins, where it has them all.
  for (int scale = 2; scale <= platform::kLargestComposeScale; ++scale)
    if (std::optional<CardArt> twins = FaceTwinArt(art, scale))
      face.SetTwin(scale, FaceAt(*twins, value, suit, scale));
  return face;
}

}  // namespace dialogs
