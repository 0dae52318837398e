// One animation frame of shakeplay's model view (a timer tick: AdvanceFrame, which renders the
// state at once, until OpenGL has finished) on a Mesa EGL pbuffer of the model view's size,
// beside its floor measured in the same run: the same vertex and index arrays drawn with one
// glDrawElements and nothing else. Synthetic models of 100,000 and 1,000,000 points (twice as
// many triangles), deformed, playing their own loop (18 sub-frames per step), so that the
// state drawn stays the one the animation shows.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "results/ResultData.h"
#include "results/ResultModel.h"
#include "results/SampleModels.h"
#include "results/frd/FrdOptions.h"
#include "shakeplay/core/ByteSource.h"
#include "shakeplay/core/Services.h"
#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/export/ShakeplayViewPbuffer.h"
#include "shakeplay/reduction/ReducedLevels.h"

namespace {

constexpr int kWidth = 685, kHeight = 550;

// A loaded result shown in a model view on its own pbuffer, past the start-up renders.
struct Scene {
  explicit Scene(const std::vector<unsigned char>& bytes) {
    if (bytes.empty()) return;
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

// A real solver model: a steel slab 2 m square and 20 mm thick, clamped along one side, of
// 224 x 224 x 1 eight-node bricks (101,250 nodes, all on its surface), its first mode swinging;
// ccx solves it once into a folder kept between runs. Empty when ccx is not installed.
std::vector<unsigned char> calculixSlab() {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "korvena-bench-slab";
  const fs::path frd = folder / "slab.frd";
  if (!fs::exists(frd)) {
    if (std::system("command -v ccx > /dev/null 2>&1") != 0) return {};
    fs::create_directories(folder);
    constexpr int n = 224;
    constexpr double side = 2.0, thickness = 0.02;
    std::ofstream deck(folder / "slab.inp");
    const auto node = [](int i, int j, int k) { return 1 + i + (n + 1) * (j + (n + 1) * k); };
    deck << "*HEADING\nslab\n*NODE\n";
    for (int k = 0; k < 2; ++k)
      for (int j = 0; j <= n; ++j)
        for (int i = 0; i <= n; ++i)
          deck << node(i, j, k) << ',' << i * side / n << ',' << j * side / n << ',' << k * thickness << '\n';
    deck << "*ELEMENT,TYPE=C3D8,ELSET=EALL\n";
    for (int j = 0, e = 1; j < n; ++j)
      for (int i = 0; i < n; ++i, ++e)
        deck << e << ',' << node(i, j, 0) << ',' << node(i + 1, j, 0) << ',' << node(i + 1, j + 1, 0) << ','
             << node(i, j + 1, 0) << ',' << node(i, j, 1) << ',' << node(i + 1, j, 1) << ','
             << node(i + 1, j + 1, 1) << ',' << node(i, j + 1, 1) << '\n';
    deck << "*NSET,NSET=FIX\n";
    for (int k = 0; k < 2; ++k)
      for (int j = 0; j <= n; ++j) deck << node(0, j, k) << '\n';
    deck << "*BOUNDARY\nFIX,1,3\n*MATERIAL,NAME=STEEL\n*ELASTIC\n210000e6,0.3\n*DENSITY\n7850\n"
            "*SOLID SECTION,ELSET=EALL,MATERIAL=STEEL\n*STEP\n*FREQUENCY\n4\n*NODE FILE\nU\n*END STEP\n";
    deck.close();
    const std::string run = "cd '" + folder.string() + "' && ccx -i slab > ccx.log 2>&1";
    if (std::system(run.c_str()) != 0 || !fs::exists(frd)) return {};
  }
  host::results::FrdRequest request{frd.string(), {}};
  std::vector<std::string> notes;
  return host::results::encodeResultFile(host::results::frdResultData(request, notes));
}

// 0 stands for the CalculiX slab; any other number for a synthetic plate of that many points.
constexpr int kCalculixSlab = 0;

Scene& sceneOf(int points) {
  static std::map<int, std::unique_ptr<Scene>> scenes;
  auto& scene = scenes[points];
  if (!scene) {
    scene = std::make_unique<Scene>(points == kCalculixSlab
                                        ? calculixSlab()
                                        : host::results::encodeResultFile(host::results::encodeResultModel(
                                              host::results::makeSyntheticModel(points, 2, 3))));
  }
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

// The state on show drawn again, full (stopped) or reduced (playing), and read back.
shakeplay::exporting::FrameImage drawState(Scene& scene, bool playing) {
  scene.doc.setPlaying(playing);
  scene.model->view().RenderScene();
  glFinish();
  shakeplay::exporting::FrameImage image{kWidth, kHeight, {}};
  image.rgb.resize(static_cast<std::size_t>(kWidth) * kHeight * 3);
  scene.model->readInto(image);
  return image;
}

// The share of the model's pixels (those not of the background in either drawing) whose colour
// differs by more than 8 levels in any channel between the reduced and the full drawing of the
// same state, in percent; the drawings' model pixels in `modelPixels`.
double differingPercent(Scene& scene, double& modelPixels) {
  const shakeplay::exporting::FrameImage full = drawState(scene, false);
  const shakeplay::exporting::FrameImage reduced = drawState(scene, true);
  const auto& back = scene.doc.result().backColour;
  std::size_t model = 0, differing = 0;
  for (std::size_t i = 0; i < full.rgb.size(); i += 3) {
    bool background = true, differs = false;
    for (std::size_t c = 0; c < 3; ++c) {
      const int backLevel = static_cast<int>(std::lround(back[c] * 255.0f));
      background = background && std::abs(full.rgb[i + c] - backLevel) <= 1 &&
                   std::abs(reduced.rgb[i + c] - backLevel) <= 1;
      differs = differs || std::abs(full.rgb[i + c] - reduced.rgb[i + c]) > 8;
    }
    if (background) continue;
    ++model;
    if (differs) ++differing;
  }
  modelPixels = static_cast<double>(model);
  return model == 0 ? 0.0 : 100.0 * static_cast<double>(differing) / static_cast<double>(model);
}

void BM_Frame(benchmark::State& state) {
  Scene& scene = sceneOf(static_cast<int>(state.range(0)));
  if (!scene.ready()) return state.SkipWithError("no pbuffer or no model");
  for (auto _ : state) drawFrame(scene);
  countFrames(state, scene);
}

// A frame while the animation plays: the model view may draw the reduced mesh. The fidelity
// counter compares the reduced drawing of the last state with its full drawing.
void BM_PlayingFrame(benchmark::State& state) {
  Scene& scene = sceneOf(static_cast<int>(state.range(0)));
  if (!scene.ready()) return state.SkipWithError("no pbuffer, no model, or no ccx for the slab");
  scene.doc.setPlaying(true);
  drawFrame(scene);  // the reduced mesh for this view is built before the timing starts
  for (auto _ : state) drawFrame(scene);
  countFrames(state, scene);
  const auto reduced = static_cast<double>(scene.model->view().reducedTriangles());
  state.counters["reduced triangles"] = reduced;
  double modelPixels = 0.0;
  state.counters["fidelity: % differing"] = differingPercent(scene, modelPixels);
  state.counters["model pixels"] = modelPixels;
  state.counters["model pixels a triangle"] = reduced > 0 ? modelPixels / reduced : 0.0;
  scene.doc.setPlaying(false);
}

// Playing while the middle button turns the model a pixel a frame: the turn reuses the reduced
// mesh (a turn does not change the size of a pixel), so the frame costs what a playing one does.
void BM_PlayingMiddleDrag(benchmark::State& state) {
  Scene& scene = sceneOf(static_cast<int>(state.range(0)));
  if (!scene.ready()) return state.SkipWithError("no pbuffer or no model");
  shakeplay::CShakeplayView& view = scene.model->view();
  scene.doc.setPlaying(true);
  view.Apply(view.navigation.buttonDown(shakeplay::MouseButton::Middle, 300, 200));
  drawFrame(scene);
  int x = 300;
  for (auto _ : state) {
    view.Apply(view.navigation.mouseMove(++x, 200));
    drawFrame(scene);
  }
  countFrames(state, scene);
  state.counters["reduced triangles"] = static_cast<double>(view.reducedTriangles());
  view.Apply(view.navigation.buttonUp(shakeplay::MouseButton::Middle));
  scene.doc.setPlaying(false);
}

// What a zoom costs once it has gone a step of √2 further: the reduced mesh built anew, for the
// pixel of the view as it is (the first one also finds the border of the surface).
void BM_PlayingMeshBuild(benchmark::State& state) {
  Scene& scene = sceneOf(static_cast<int>(state.range(0)));
  if (!scene.ready()) return state.SkipWithError("no pbuffer or no model");
  const float pixel = scene.model->view().pixelInModelUnits();
  for (auto _ : state) {
    shakeplay::ReducedLevels levels(scene.doc.result());
    benchmark::DoNotOptimize(levels.forPixel(pixel));
  }
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
BENCHMARK(BM_PlayingFrame)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(kCalculixSlab)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_PlayingMiddleDrag)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlayingMeshBuild)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DrawElementsFloor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FrameOverFloor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
