// What the machine's window costs to draw: one spinning frame (nine motion windows and
// a chaser lamp) and a full paint, on the 1024 x 768 layout with the real artwork, in
// memory; and the same frame on a full screen of 1920 x 1080 and 3840 x 2160, composed
// at 2x and 3x from the twins and brought down to the screen's size, as the window shows
// it; and below the machine's own size (a maximised window on 1366x768 or 1280x720 under a
// desktop's panel) the frame and the full paint composed at the window's size, as the
// window draws them again when it is resized. Handing the pixels to the X server is
// measured by scripts/bench-startup.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "rules/spin_rules.h"
#include "platform/null/null_desktop.h"
#include "platform/picture_fit.h"
#include "platform/testing/fake_platform.h"
#include "view/builtin_pictures.h"
#include "view/main_view.h"
#include "view/pictures.h"

namespace {

// The real drawing on a canvas of the window's size; everything else is the silent face.
struct Window {
  explicit Window(int compose_scale = 1) : canvas(1014, 768, &text), m(Face(), view), view(m, pictures, 96) {
    m.ProgramFolder = VANTELLO_PROGRAM_DIR;
    canvas.SetComposeScale(compose_scale);
    view::LoadBuiltinPictures(pictures, view::BuiltinPicture);
    view::LoadArtwork(view.art, pictures, m.ProgramFolder, 1024, 24);
    view::LoadTwins(view.art, pictures, m.ProgramFolder, 1024, compose_scale, 24);
    rules::ApplyStartupValues(m.g);
    view.layout = view::MakeLayout(1024, view.art, pictures);
  }
  platform::Services Face() {
    platform::Services face = desktop.Face();
    return {canvas, face.clock, face.timers, face.sound, face.boxes, face.dialogs, face.help, face.web};
  }
  platform::null::NullDesktop desktop;
  platform::testing::FakeText text;
  platform::Canvas canvas;
  machine::Machine m;
  view::Pictures pictures;
  view::MainView view;
};

// One step of a spin: the nine wheels moved on and a chaser lamp; the next step's offset.
int SpinStep(Window& w, int offset) {
  for (int wheel = 0; wheel < 9; ++wheel) w.view.DrawTurningWheel(wheel, (offset + 61 * wheel) % rules::kMotionStripRows);
  w.view.DrawChaserLamp(offset % 6, offset & 1);
  return (offset + 61) % rules::kMotionStripRows;
}

void SpinningFrame(benchmark::State& state) {
  Window w;
  int offset = 0;
  for (auto _ : state) {
    offset = SpinStep(w, offset);
    benchmark::DoNotOptimize(w.canvas.Pixels().Pixel(0, 0));
  }
}
BENCHMARK(SpinningFrame)->Unit(benchmark::kMicrosecond);

// A spinning frame on a full screen: drawn at the compose scale, then the block of the
// screen it changed brought down to the screen's size.
void ScaledSpinningFrame(benchmark::State& state) {
  const int screen_w = static_cast<int>(state.range(0)), screen_h = static_cast<int>(state.range(1));
  platform::PictureFit fit = platform::FitPicture(1014, 768, screen_w, screen_h);
  Window w(fit.ComposeScale());
  // Each changed block is brought down on its own, as the window does.
  platform::Bitmap shown;
  w.canvas.OnDamage([&](int x, int y, int cw, int ch) {
    int bx, by, bw, bh;
    platform::WindowBlockOf(fit, x, y, cw, ch, bx, by, bw, bh);
    platform::ShowComposed(fit, w.canvas.Composed(), w.canvas.ComposeScale(), bx, by, bw, bh, shown);
  });
  int offset = 0;
  for (auto _ : state) {
    offset = SpinStep(w, offset);
    benchmark::DoNotOptimize(shown.Pixel(0, 0));
  }
}
BENCHMARK(ScaledSpinningFrame)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

void PaintHandler(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    w.view.PaintAll();
    benchmark::DoNotOptimize(w.canvas.Pixels().Pixel(0, 0));
  }
}
BENCHMARK(PaintHandler)->Unit(benchmark::kMicrosecond);

// Below its own size: composed at the window's size, shown pixel for pixel.
void ReducedSpinningFrame(benchmark::State& state) {
  const platform::PictureFit fit =
      platform::FitPicture(1014, 768, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  Window w;
  w.canvas.ComposeReduced(fit.shown_w, fit.shown_h);
  int offset = 0;
  for (auto _ : state) {
    offset = SpinStep(w, offset);
    benchmark::DoNotOptimize(w.canvas.Composed().Pixel(0, 0));
  }
}
BENCHMARK(ReducedSpinningFrame)->Args({1366, 738})->Args({1280, 690})->Unit(benchmark::kMicrosecond);

void ReducedPaintHandler(benchmark::State& state) {
  const platform::PictureFit fit =
      platform::FitPicture(1014, 768, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  Window w;
  w.canvas.ComposeReduced(fit.shown_w, fit.shown_h);
  for (auto _ : state) {
    w.view.PaintAll();
    benchmark::DoNotOptimize(w.canvas.Composed().Pixel(0, 0));
  }
}
BENCHMARK(ReducedPaintHandler)->Args({1280, 690})->Unit(benchmark::kMicrosecond);

}  // namespace
