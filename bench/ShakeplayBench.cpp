// shakeplay's three hot paths, each beside its limit on this machine:
//   load of a result file        vs reading the same file to /dev/null as cat does, and vs one
//                                   read of it into fresh memory (the floor of any load that
//                                   keeps its own copy); its first-frame part alone beside it
//   one sub-frame tick            vs a bandwidth probe over the same bytes (a[i] += b[i])
//   EvaluateStep                  in integer multiply-adds per second
// The result files live in a temporary folder that is removed at the end.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "results/SampleModels.h"
#include "shakeplay/core/Records.h"
#include "shakeplay/core/Services.h"
#include "shakeplay/core/ShakeplayDoc.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLoadPoints = 300000, kLoadModes = 32, kLoadSteps = 100;
constexpr int kTickPoints = 1000000;

class QuietServices : public shakeplay::Services {
 public:
  void messageBox(const std::string&, const std::string&, shakeplay::MessageIcon) override {}
  void printOut(const std::string&) override {}
};

class BenchFiles {
 public:
  BenchFiles() : folder_(fs::temp_directory_path() / ("shakeplay-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(folder_);
  }
  ~BenchFiles() { fs::remove_all(folder_); }
  // The file for a synthetic model of this size, written on first use.
  const std::string& file(int points, int modes, int steps) {
    const std::string name =
        std::to_string(points) + "-" + std::to_string(modes) + "-" + std::to_string(steps);
    auto& path = paths_[name];
    if (path.empty()) {
      path = (folder_ / (name + ".res")).string();
      host::results::writeResultFile(
          host::results::encodeResultModel(host::results::makeSyntheticModel(points, modes, steps)), path);
    }
    return path;
  }

 private:
  fs::path folder_;
  std::map<std::string, std::string> paths_;
};

BenchFiles& files() {
  static BenchFiles instance;
  return instance;
}

std::unique_ptr<shakeplay::CShakeplayDoc> loadDoc(const std::string& path, QuietServices& services) {
  auto doc = std::make_unique<shakeplay::CShakeplayDoc>(services);
  doc->setRequest({.resultPath = path});
  if (doc->ReadModel("") != 0) return nullptr;
  return doc;
}

// cat's read size: the raw side reads the whole file in these pieces into one buffer.
constexpr std::size_t kCatReadSize = 128 * 1024;

// Reads the whole file to /dev/null in cat's read size; the bytes read.
std::int64_t readToDevNull(const std::string& path, std::vector<char>& buffer, int sink) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  std::int64_t total = 0;
  ssize_t got;
  while ((got = ::read(fd, buffer.data(), buffer.size())) > 0) {
    total += got;
    if (::write(sink, buffer.data(), static_cast<std::size_t>(got)) != got) total = -1;
  }
  ::close(fd);
  return total;
}

// The load file, written if need be and read once so that every timed pass finds it in the
// page cache (all load benchmarks measure a warm cache, as the raw read does).
const std::string& warmLoadFile() {
  const std::string& path = files().file(kLoadPoints, kLoadModes, kLoadSteps);
  std::vector<char> buffer(kCatReadSize);
  const int sink = ::open("/dev/null", O_WRONLY);
  readToDevNull(path, buffer, sink);
  ::close(sink);
  return path;
}

void BM_RawReadToDevNull(benchmark::State& state) {
  const std::string& path = warmLoadFile();
  std::vector<char> buffer(kCatReadSize);
  const int sink = ::open("/dev/null", O_WRONLY);
  std::int64_t total = 0;
  for (auto _ : state) {
    const std::int64_t got = readToDevNull(path, buffer, sink);
    if (got < 0) state.SkipWithError("write");
    total += got;
  }
  ::close(sink);
  state.SetBytesProcessed(total);
}
BENCHMARK(BM_RawReadToDevNull)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of any load that keeps the data in its own memory (not mapped from the file, which
// the host may truncate): the whole file in one read into fresh memory of the document's kind,
// so the kernel zeroes every page before it copies into it.
void BM_RawReadToFreshMemory(benchmark::State& state) {
  const std::string& path = warmLoadFile();
  const auto size = static_cast<std::size_t>(fs::file_size(path));
  for (auto _ : state) {
    shakeplay::Buffer<char> memory(size);
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (::read(fd, memory.data(), size) != static_cast<ssize_t>(size)) state.SkipWithError("short read");
    ::close(fd);
    benchmark::DoNotOptimize(memory.data());
    state.PauseTiming();
    memory = shakeplay::Buffer<char>();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}
BENCHMARK(BM_RawReadToFreshMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole load: every array read into fresh memory, then the first frame, as at start-up.
void BM_LoadResultFile(benchmark::State& state) {
  const std::string& path = warmLoadFile();
  QuietServices services;
  for (auto _ : state) {
    auto doc = loadDoc(path, services);
    if (!doc) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(doc.get());
    state.PauseTiming();  // the program never frees its document before it exits
    doc.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(path)));
}
BENCHMARK(BM_LoadResultFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The first-frame part of the load alone, on the loaded document in its state after loading;
// the reading part is the whole load less this. Bytes: the file's, to compare with the above.
void BM_LoadFirstFramePart(benchmark::State& state) {
  const std::string& path = warmLoadFile();
  QuietServices services;
  auto doc = loadDoc(path, services);
  if (!doc) return state.SkipWithError("load failed");
  shakeplay::Animation animation(doc->result());  // as the document's own after loading
  for (auto _ : state) {
    animation.ComputeFirstFrame();
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(path)));
}
BENCHMARK(BM_LoadFirstFramePart)->Unit(benchmark::kMillisecond)->UseRealTime();

// Bytes one sub-frame tick moves per point: state (read and written) and increment (read).
constexpr std::int64_t kTickBytesPerPoint = 3 * static_cast<std::int64_t>(sizeof(shakeplay::FramePoint));

void BM_SubFrameTick(benchmark::State& state) {
  QuietServices services;
  auto doc = loadDoc(files().file(kTickPoints, 2, 3), services);
  if (!doc) return state.SkipWithError("load failed");
  // The last SMOOTH entry on a result of 3 steps: 450 sub-frames per step, so step changes and
  // the rewind at the loop's end are a small share of the ticks.
  shakeplay::Animation animation(doc->result());
  animation.apply({.deformed = true, .smoothIndex = static_cast<int>(shakeplay::kSmoothTable.size()) - 1});
  animation.reset();
  for (auto _ : state) {
    animation.tick(nullptr);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kTickBytesPerPoint * doc->result().pointCount);
}
BENCHMARK(BM_SubFrameTick)->Unit(benchmark::kMicrosecond);

void BM_BandwidthProbe(benchmark::State& state) {
  const std::size_t floats = static_cast<std::size_t>(kTickPoints) * 7;
  std::vector<float> a(floats, 1.0f), b(floats, 0.5f);
  for (auto _ : state) {
    float* __restrict pa = a.data();
    const float* __restrict pb = b.data();
    for (std::size_t i = 0; i < floats; ++i) pa[i] += pb[i];
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kTickBytesPerPoint * kTickPoints);
}
BENCHMARK(BM_BandwidthProbe)->Unit(benchmark::kMicrosecond);

// range(0) points, range(1) modes; all three directions (deformed), every point used.
void BM_EvaluateStep(benchmark::State& state) {
  QuietServices services;
  auto doc =
      loadDoc(files().file(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 4), services);
  if (!doc) return state.SkipWithError("load failed");
  shakeplay::Animation animation(doc->result());
  animation.apply({.deformed = true});
  animation.ComputeFirstFrame();
  for (auto _ : state) {
    animation.EvaluateStep(1);
    benchmark::ClobberMemory();
  }
  const shakeplay::LoadedResult& result = doc->result();
  const std::int64_t madds = 3LL * (result.pointCount + result.edgePointCount) * result.modeCount;
  state.counters["madds/s"] =
      benchmark::Counter(static_cast<double>(madds), benchmark::Counter::kIsIterationInvariantRate);
  state.SetBytesProcessed(state.iterations() * madds * 4);
}
BENCHMARK(BM_EvaluateStep)->Args({20000, 100})->Args({300000, 32})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
