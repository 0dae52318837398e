// One animation frame of shakeplay's model view (a timer tick: AdvanceFrame, which renders the
// state at once, until OpenGL has finished) on a Mesa EGL pbuffer of the model view's size,
// beside its floor measured in the same run: the same vertex and index arrays drawn with one
// glDrawElements and nothing else. Synthetic models of 100,000 and 1,000,000 points (twice as
// many triangles), deformed, playing their own loop (18 sub-frames per step), so that the
// state drawn stays the one the animation shows.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include <vector>

#include "results/ResultData.h"
#include "results/ResultModel.h"
#include "results/SampleModels.h"
#include "shakeplay/core/ByteSource.h"
#include "shakeplay/core/Services.h"
#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/export/ShakeplayViewPbuffer.h"

namespace {

constexpr int kWidth = 685, kHeight = 550;

// A loaded synthetic model shown in a model view on its own pbuffer, past the start-up renders.
struct Scene {
  explicit Scene(int points) {
    const std::vector<unsigned char> bytes = host::results::encodeResultFile(
        host::results::encodeResultModel(host::results::makeSyntheticModel(points, 2, 3)));
    shakeplay::MemorySource source(bytes.data(), bytes.size());
    if (doc.readModelFrom(source) != 0) return;
    std::string error;
    model = shakeplay::exporting::ShakeplayViewPbuffer::create(doc, kWidth, kHeight, error);
    if (!model) return;
    model->startUp({});
    doc.applyChoice({.deformed = true});
  }
  bool ready() const { return model != nullptr; }

  shakeplay::ConsoleServices services;
  shakeplay::CShakeplayDoc doc{services};
  std::unique_ptr<shakeplay::exporting::ShakeplayViewPbuffer> model;
};

Scene& sceneOf(int points) {
  static std::map<int, std::unique_ptr<Scene>> scenes;
  auto& scene = scenes[points];
  if (!scene) scene = std::make_unique<Scene>(points);
  if (scene->model) scene->model->pbuffer().makeCurrent();
  return *scene;
}

void countFrames(benchmark::State& state, const Scene& scene) {
  state.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["triangles"] = scene.doc.result().triangleCount;
}

// The floor: the state's vertex and colour arrays and the triangle indices, one glDrawElements,
// no depth test, no blending, no clear; until OpenGL has finished. The view's state is put back.
void drawFloor(Scene& scene) {
  const shakeplay::FramePoint* points = scene.doc.animation().points().data();
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(shakeplay::FramePoint), &points->x);
  glColorPointer(3, GL_FLOAT, sizeof(shakeplay::FramePoint), &points->red);
  glDrawElements(GL_TRIANGLES, 3 * scene.doc.result().triangleCount, GL_UNSIGNED_INT,
                 scene.doc.result().triangles.data());
  glFinish();
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  scene.model->view().InitGLState();
}

// One frame: the tick, which renders the state at once, until OpenGL has finished.
void drawFrame(Scene& scene) {
  scene.doc.AdvanceFrame();
  glFinish();
}

void BM_Frame(benchmark::State& state) {
  Scene& scene = sceneOf(static_cast<int>(state.range(0)));
  if (!scene.ready()) return state.SkipWithError("no pbuffer or no model");
  for (auto _ : state) drawFrame(scene);
  countFrames(state, scene);
}

void BM_DrawElementsFloor(benchmark::State& state) {
  Scene& scene = sceneOf(static_cast<int>(state.range(0)));
  if (!scene.ready()) return state.SkipWithError("no pbuffer or no model");
  for (auto _ : state) drawFloor(scene);
  countFrames(state, scene);
}

// A floor and a frame back to back in every iteration, so that a machine shared with others
// changes both alike: the time is the frame's; the counters give the floor and the ratio.
void BM_FrameOverFloor(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  Scene& scene = sceneOf(static_cast<int>(state.range(0)));
  if (!scene.ready()) return state.SkipWithError("no pbuffer or no model");
  double floorSeconds = 0.0, frameSeconds = 0.0;
  for (auto _ : state) {
    const auto start = Clock::now();
    drawFloor(scene);
    const auto floorDone = Clock::now();
    drawFrame(scene);
    const std::chrono::duration<double> floor = floorDone - start, frame = Clock::now() - floorDone;
    floorSeconds += floor.count();
    frameSeconds += frame.count();
    state.SetIterationTime(frame.count());
  }
  countFrames(state, scene);
  const auto n = static_cast<double>(state.iterations());
  state.counters["floor ms"] = 1000.0 * floorSeconds / n;
  state.counters["frame/floor"] = frameSeconds / floorSeconds;
}

BENCHMARK(BM_Frame)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DrawElementsFloor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FrameOverFloor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
