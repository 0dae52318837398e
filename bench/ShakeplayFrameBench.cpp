// One animation frame of shakeplay's model view (a timer tick: AdvanceFrame, which renders the
// state at once, until OpenGL has finished) on a Mesa EGL pbuffer of the model view's size,
// beside its floor measured in the same run: the same vertex and index arrays drawn with one
// glDrawElements and nothing else. Synthetic models of 100,000 and 1,000,000 points (twice as
// many triangles), deformed, on sub-frames.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <climits>
#include <map>
#include <memory>
#include <vector>

#include "host/results/ResultData.h"
#include "host/results/ResultModel.h"
#include "host/results/SampleModels.h"
#include "platform/gl/EglPbuffer.h"
#include "shakeplay/ByteSource.h"
#include "shakeplay/ShakeplayDoc.h"
#include "shakeplay/views/ShakeplayView.h"

namespace {

constexpr int kWidth = 685, kHeight = 550;

// The model view's window on the pbuffer: the pbuffer's context; nothing posted.
class PbufferViewWindow final : public shakeplay::ModelViewWindow {
 public:
  explicit PbufferViewWindow(gl::EglPbuffer& pbuffer) : pbuffer_(pbuffer) {}
  bool makeCurrent() override { return pbuffer_.makeCurrent(); }
  void swapBuffers() override { pbuffer_.swapBuffers(); }
  void invalidate() override {}
  void postSizeAndPaint() override {}
  void widenControlPanel() override {}
  void repaintOrientationBox() override {}

 private:
  gl::EglPbuffer& pbuffer_;
};

// A loaded synthetic model shown in a model view on its own pbuffer, past the start-up renders,
// ticking sub-frames only (no step boundary and no end within a run).
struct Scene {
  explicit Scene(int points) {
    std::string error;
    pbuffer = gl::EglPbuffer::create(kWidth, kHeight, error);
    if (!pbuffer) return;
    window = std::make_unique<PbufferViewWindow>(*pbuffer);
    const std::vector<unsigned char> bytes =
        host::results::encodeResultFile(host::results::encodeResultModel(host::results::makeSyntheticModel(points, 2, 3)));
    shakeplay::MemorySource source(bytes.data(), bytes.size());
    if (doc.ReadModelFrom(source) != 0) return;
    view = std::make_unique<shakeplay::CShakeplayView>(doc, *window);
    doc.modelView = view.get();
    view->CreateContext(true);
    view->OnSize(kWidth, kHeight);
    view->RenderScene();
    view->OnSize(kWidth, kHeight);
    view->RenderScene();
    doc.deformed = 1;
    doc.ResetAnimation();
    doc.AdvanceFrame();
    doc.smooth = INT_MAX;
    doc.endFrame = INT_MAX;
  }
  bool ready() const { return view != nullptr; }

  shakeplay::ConsoleServices services;
  shakeplay::CShakeplayDoc doc{services};
  std::unique_ptr<gl::EglPbuffer> pbuffer;
  std::unique_ptr<PbufferViewWindow> window;
  std::unique_ptr<shakeplay::CShakeplayView> view;
};

Scene& sceneOf(int points) {
  static std::map<int, std::unique_ptr<Scene>> scenes;
  auto& scene = scenes[points];
  if (!scene) scene = std::make_unique<Scene>(points);
  if (scene->pbuffer) scene->pbuffer->makeCurrent();
  return *scene;
}

void countFrames(benchmark::State& state, const Scene& scene) {
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["triangles"] = scene.doc.triangleCount;
}

void BM_Frame(benchmark::State& state) {
  Scene& scene = sceneOf(static_cast<int>(state.range(0)));
  if (!scene.ready()) return state.SkipWithError("no pbuffer or no model");
  for (auto _ : state) {
    scene.doc.AdvanceFrame();
    glFinish();
    if (scene.doc.currentFrame > INT_MAX - 2) scene.doc.currentFrame = 1;
  }
  countFrames(state, scene);
}

void BM_DrawElementsFloor(benchmark::State& state) {
  Scene& scene = sceneOf(static_cast<int>(state.range(0)));
  if (!scene.ready()) return state.SkipWithError("no pbuffer or no model");
  const shakeplay::FramePoint* points = scene.doc.framePoints.data();
  const GLsizei corners = 3 * scene.doc.triangleCount;
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(shakeplay::FramePoint), &points->x);
  glColorPointer(3, GL_FLOAT, sizeof(shakeplay::FramePoint), &points->red);
  for (auto _ : state) {
    glDrawElements(GL_TRIANGLES, corners, GL_UNSIGNED_INT, scene.doc.triangles.data());
    glFinish();
  }
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  scene.view->InitGLState();
  countFrames(state, scene);
}

BENCHMARK(BM_Frame)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DrawElementsFloor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
