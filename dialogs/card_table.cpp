#include "dialogs/card_table.h"

#include <memory>

#include "platform/bitmap.h"
#include "platform/dialog.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "rules/money.h"
#include "machine/sounds.h"
#include "dialogs/card_pictures.h"
#include "dialogs/dialog_pictures.h"
#include "platform/bmp.h"
#include "platform/picture_fit.h"
#include "rules/width_class.h"

namespace dialogs {

namespace {

class TCardForm {
 public:
  explicit TCardForm(machine::Machine& m);
  // Shows the table and returns when it has closed, however it was closed.
  void ShowModal();

 private:
  void FormCreate();
  void FormPaint();
  void FormMouseUp(int x, int y);
  void FormClose();
  void BitBtn2Click();
  void DrawSlot(int slot);
  std::string WinningsText() const;

  machine::Machine& m_;
  std::unique_ptr<platform::Dialog> dialog_;
  CardArt art_;
  rules::CardGame game_;
  int Label1_ = -1;
  int Label2_ = -1;
  bool closed_ = false;
};

}  // namespace

namespace {

constexpr int kHelpTopic = 41006;
const char kCaption[] = "Double or Nothing Card Game";
const char kRules[] =
    "A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; "
    "a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings.";

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

TCardForm::TCardForm(machine::Machine& m) : m_(m) {
  dialog_ = m_.dialogs.NewDialog(kCaption, 640, 440, platform::kGreen);
  FormCreate();
}

void TCardForm::FormCreate() {
  rules::GameState& g = m_.g;
  art_ = LoadCardArt();
  AttachCardTwins(art_, m_.ProgramFolder, dialog_->Surface().ComposeScale());
  game_.StartWinnings = g.SpinWin;
  game_.GameOver = false;

  using platform::Align;
  using platform::LabelStyle;
  // 18 and 8 points are the 24- and 11-pixel fonts of the table's 96-dpi layout.
  Label1_ = dialog_->AddLabel(12, 374, 397, 35, WinningsText(),
                              LabelStyle{.points = 18, .color = platform::kYellow, .align = Align::Center});
  Label2_ = dialog_->AddLabel(12, 336, 605, 33, kRules,
                              LabelStyle{.points = 8, .color = platform::kWhite, .wrap = true});
  dialog_->AddButton(528, 374, 89, 33, "OK", platform::ButtonKind::Ok, nullptr);
  dialog_->AddButton(424, 374, 89, 33, "Help", platform::ButtonKind::Plain, [this] { BitBtn2Click(); });
  dialog_->SetHelpTopic(kHelpTopic);
  dialog_->OnPaint([this] { FormPaint(); });
  dialog_->OnMouseUp([this](int x, int y) { FormMouseUp(x, y); });
  dialog_->OnClose([this] { FormClose(); });

  m_.rng.Seed(m_.clock.TimeOfDayMs());
  game_.deck = rules::DealDeck(m_.rng);

  // A small screen has no room for the table below the machine's top edge.
  if (rules::WidthClassOf(g.ScreenWidth) == rules::WidthClass::Small) dialog_->MoveTo((g.ScreenWidth - 640) / 2, 0);
}

void TCardForm::ShowModal() {
  // Closing the main window closes the table too, keeping what it stands at.
  m_.CloseOpenDialog = [this] { dialog_->Close(); };
  dialog_->ShowModal();
  m_.CloseOpenDialog = nullptr;
}

void TCardForm::FormPaint() {
  platform::Canvas& surface = dialog_->Surface();
  surface.Hold();
  surface.Fill(0, 0, surface.Width(), surface.Height(), platform::kGreen);
  for (int slot = 0; slot < rules::kCardSlots; ++slot) DrawSlot(slot);
  surface.Release();
}

void TCardForm::DrawSlot(int slot) {
  const rules::Card& card = game_.deck[slot];
  platform::Bitmap face;
  const platform::Bitmap* picture = &art_.back;
  if (card.turned && card.card == rules::kJokerCard) {
    picture = &art_.Joker;
  } else if (card.turned) {
    face = CardFace(art_, card.value, card.suit);
    picture = &face;
  }
  // The mask blacks out the card's shape, the picture fills it: the corners stay table.
  platform::Canvas& surface = dialog_->Surface();
  int x = rules::SlotLeft(slot), y = rules::SlotTop(slot);
  surface.Hold();
  surface.Blit(art_.Neg, 0, 0, rules::kCardWidth, rules::kCardHeight, x, y, platform::RasterOp::And);
  surface.Blit(*picture, 0, 0, rules::kCardWidth, rules::kCardHeight, x, y, platform::RasterOp::Or);
  surface.Release();
}

void TCardForm::FormMouseUp(int x, int y) {
  int slot = rules::CardSlotAt(x, y);
  if (slot < 0) return;
  rules::GameState& g = m_.g;
  if (std::optional<rules::CardOutcome> outcome = rules::TurnCard(game_, slot, g.SpinWin)) {
    g.SpinWin = outcome->win;
    DrawSlot(slot);
    // Let the turned card show before its sound holds everything up.
    m_.clock.PumpMessages();
    machine::PlayWave(m_, outcome->sound, outcome->wait);
  }
  dialog_->SetText(Label1_, WinningsText());
}

void TCardForm::FormClose() {
  if (closed_) return;
  closed_ = true;
  rules::GameState& g = m_.g;
  g.DoubleOrNothingWon = rules::SatAdd(g.DoubleOrNothingWon, int64_t{g.SpinWin} - game_.StartWinnings);
}

void TCardForm::BitBtn2Click() {
  m_.help.ShowHelp(m_.HelpFile, std::to_string(kHelpTopic));
}

std::string TCardForm::WinningsText() const { return "Winnings: " + std::to_string(m_.g.SpinWin); }

void PlayDoubleOrNothing(machine::Machine& m) {
  if (m.Closing) return;
  TCardForm form(m);
  form.ShowModal();
}

}  // namespace dialogs
