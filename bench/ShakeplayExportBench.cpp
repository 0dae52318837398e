// shakeplay-export's frame beside the interactive frame, at 800 x 600 on the synthetic model of
// 100,000 points (deformed, playing its own loop). The interactive frame is a tick (AdvanceFrame,
// which draws at once) until OpenGL has finished; the export frame is the same tick, the pixels
// read back and the frame handed to the encoder on its second thread, the file finished at the
// end of each batch. Batches of both alternate, so that a machine shared with others slows both
// alike; the time is the export's, the counters give both per frame and their ratio.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "results/ResultData.h"
#include "results/ResultModel.h"
#include "results/SampleModels.h"
#include "shakeplay/core/ByteSource.h"
#include "shakeplay/core/Services.h"
#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/export/EncodingThread.h"
#include "shakeplay/export/GifFile.h"
#include "shakeplay/export/PngSeries.h"
#include "shakeplay/export/ShakeplayViewPbuffer.h"

namespace {

using namespace shakeplay::exporting;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 800, kHeight = 600, kPoints = 100000, kBatch = 25;

struct Scene {
  Scene() {
    const std::vector<unsigned char> bytes = host::results::encodeResultFile(
        host::results::encodeResultModel(host::results::makeSyntheticModel(kPoints, 2, 3)));
    shakeplay::MemorySource source(bytes.data(), bytes.size());
    if (doc.readModelFrom(source) != 0) return;
    std::string error;
    model = ShakeplayViewPbuffer::create(doc, kWidth, kHeight, error);
    if (!model) return;
    model->startUp({{'x', -30.0f}, {'y', 20.0f}});
    doc.applyChoice({.deformed = true});
  }
  shakeplay::ConsoleServices services;
  shakeplay::CShakeplayDoc doc{services};
  std::unique_ptr<ShakeplayViewPbuffer> model;
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("shakeplay-export-bench-" + std::to_string(::getpid()));
};

Scene& scene() {
  static Scene shared;
  return shared;
}

double interactiveBatch(Scene& s) {
  const auto start = Clock::now();
  for (int i = 0; i < kBatch; ++i) {
    s.doc.AdvanceFrame();
    glFinish();
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double exportBatch(Scene& s, FrameWriter& writer) {
  const auto start = Clock::now();
  EncodingThread encoder(writer, 3);
  for (int i = 0; i < kBatch; ++i) {
    s.doc.AdvanceFrame();
    FrameImage frame = encoder.takeBuffer();
    frame.width = kWidth;
    frame.height = kHeight;
    frame.rgb.resize(static_cast<std::size_t>(kWidth * kHeight * 3));
    s.model->readInto(frame);
    encoder.push(std::move(frame));
  }
  encoder.finish();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

template <class MakeWriter>
void exportOverInteractive(benchmark::State& state, MakeWriter makeWriter) {
  Scene& s = scene();
  if (!s.model) return state.SkipWithError("no pbuffer or no model");
  std::filesystem::create_directories(s.folder);
  double interactive = 0.0, exported = 0.0;
  for (auto _ : state) {
    interactive += interactiveBatch(s);
    const std::unique_ptr<FrameWriter> writer = makeWriter(s.folder);
    const double seconds = exportBatch(s, *writer);
    exported += seconds;
    state.SetIterationTime(seconds / kBatch);
  }
  std::filesystem::remove_all(s.folder);
  const double frames = static_cast<double>(state.iterations()) * kBatch;
  state.counters["interactive ms"] = 1000.0 * interactive / frames;
  state.counters["export ms"] = 1000.0 * exported / frames;
  state.counters["export/interactive"] = exported / interactive;
  state.counters["export frames/s"] = frames / exported;
}

void BM_PngSeriesOverInteractive(benchmark::State& state) {
  exportOverInteractive(state, [](const std::filesystem::path& folder) {
    return std::make_unique<PngSeries>((folder / "frame.png").string(), kBatch);
  });
}

void BM_GifOverInteractive(benchmark::State& state) {
  exportOverInteractive(state, [](const std::filesystem::path& folder) {
    return std::make_unique<GifFile>((folder / "movie.gif").string(), kWidth, kHeight, 25);
  });
}

BENCHMARK(BM_PngSeriesOverInteractive)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);
BENCHMARK(BM_GifOverInteractive)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
