#include "view/layout.h"

namespace view {

Point ComputeLayout(rules::GameState& g, const machine::Artwork& art, const Pictures& p) {
  int right = g.OriginX + art.BackgroundImage.Width();
  int bottom = g.OriginY + art.BackgroundImage.Height();
  int middle = right + (g.ScreenWidth - right) / 2;

  int bw = p.SpinBtn.Width(), bh = p.SpinBtn.Height();
  g.StopRect.left = middle - bw / 2;
  g.StopRect.right = g.StopRect.left + bw;
  g.StopRect.top = bottom - bh;
  g.StopRect.bottom = bottom;
  g.SpinRect.left = g.StopRect.left;
  g.SpinRect.right = g.StopRect.right;
  g.SpinRect.bottom = g.StopRect.top - 10;
  g.SpinRect.top = g.SpinRect.bottom - p.StopBtn.Height();

  WidthClass wc = WidthClassOf(g.ScreenWidth);
  int half = wc == WidthClass::Large ? 31 : 15;
  int lines_left = right + (wc == WidthClass::Small ? 36 : wc == WidthClass::Medium ? 48 : 39);
  int top = wc == WidthClass::Large ? 36 : 32;
  g.LinesRect = {lines_left, top, lines_left + half, top + half};
  int coins_left = lines_left + (wc == WidthClass::Small ? 75 : wc == WidthClass::Medium ? 121 : 125);
  g.CoinsRect = {coins_left, top, coins_left + half, top + half};

  return {(g.OriginX - p.Logo.Width()) / 2, g.StopRect.bottom - p.Logo.Height()};
}

}  // namespace view
