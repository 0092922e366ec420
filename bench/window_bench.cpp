// What the machine's window costs to draw: one spinning frame (nine motion windows and
// a chaser lamp) and a full paint, on the 1024 x 768 layout with the real artwork, in
// memory. Showing the changed parts on the screen is measured by scripts/bench-startup.
#include <benchmark/benchmark.h>

#include "machine/lamps.h"
#include "machine/wheels.h"
#include "platform/null/null_desktop.h"
#include "platform/testing/fake_platform.h"
#include "view/builtin_pictures.h"
#include "view/main_view.h"
#include "view/pictures.h"

namespace {

// The real drawing on a canvas of the window's size; everything else is the silent face.
struct Window {
  Window() : canvas(1014, 768, &text), m(Face(), view), view(m, pictures, 96) {
    m.ProgramFolder = VANTELLO_PROGRAM_DIR;
    m.g.ScreenWidth = 1024;
    view::LoadBuiltinPictures(pictures, view::BuiltinPicture);
    view::LoadArtwork(m, pictures, 24);
    rules::ApplyStartupValues(m.g);
    view.logo = view::ComputeLayout(m.g, m.art, pictures);
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

void SpinningFrame(benchmark::State& state) {
  Window w;
  int offset = 0;
  for (auto _ : state) {
    for (int wheel = 0; wheel < 9; ++wheel) machine::DrawMotion(w.m, wheel, (offset + 61 * wheel) % 576);
    machine::DrawChaserLamp(w.m, offset % 6, offset & 1);
    offset = (offset + 61) % 576;
    benchmark::DoNotOptimize(w.canvas.Pixels().Pixel(0, 0));
  }
}
BENCHMARK(SpinningFrame)->Unit(benchmark::kMicrosecond);

void PaintHandler(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    w.view.FormPaint();
    benchmark::DoNotOptimize(w.canvas.Pixels().Pixel(0, 0));
  }
}
BENCHMARK(PaintHandler)->Unit(benchmark::kMicrosecond);

}  // namespace
