// The host's writer and the document's reader agree: what the host meant is what is shown.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "results/MakeResultCommand.h"
#include "results/SampleModels.h"
#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

namespace fs = std::filesystem;
using host::results::ResultData;
using host::results::ResultModel;

class TempFile {
 public:
  TempFile()
      : path_(fs::temp_directory_path() /
              ("shakeplay-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++) + ".res")) {}
  ~TempFile() { fs::remove(path_); }
  std::string path() const { return path_.string(); }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

TEST(ResultRoundTrip, ThePlateReadsBackAndPlaysItsPhysicalMotion) {
  const ResultModel model = host::results::makePlateModel();
  const ResultData data = host::results::encodeResultModel(model);
  TempFile file;
  host::results::writeResultFile(data, file.path());

  test::RecordingServices services;
  CShakeplayDoc doc(services);
  doc.setRequest({.resultPath = file.path(), .component = 2});
  ASSERT_EQ(doc.ReadModel(""), 0);
  EXPECT_EQ(doc.result().pointCount, 81 * 31);
  EXPECT_EQ(doc.result().triangleCount, 2 * 80 * 30);
  EXPECT_EQ(doc.result().chainCount, 1);
  EXPECT_EQ(doc.result().edgePointCount, 2 * 81 + 2 * 31 - 3);
  EXPECT_EQ(doc.result().modeCount, 3);
  EXPECT_EQ(doc.result().stepCount, 400);
  EXPECT_EQ(doc.result().firstStep, 0);
  EXPECT_EQ(doc.result().lastStep, 399);
  EXPECT_EQ(doc.animation().smooth(), 1);
  EXPECT_EQ(doc.result().title,
            "****** KORVENA 3.52 : DISPLACEMENT ZCLAMPED PLATE, IMPACT AT FREE CORNER *******");

  // The free corner's Z displacement at every step, against the model's own sum of modes.
  const int corner = 81 * 31 - 1;
  const double range = doc.result().rangeMax - doc.result().rangeMin;
  ASSERT_GT(range, 0.05);
  doc.applyChoice({.deformed = true});
  for (int step = 1; step < 200; ++step) {
    doc.AdvanceFrame();
    double expected = 0.0;
    for (int k = 0; k < 3; ++k) {
      expected += static_cast<double>(model.modeShapes[2][corner * 3 + k]) * model.modalCoords[step * 3 + k];
    }
    EXPECT_NEAR(doc.animation().points()[corner].z - doc.result().restPoints[corner].z, expected,
                2e-4 * range)
        << step;
    EXPECT_GE(doc.animation().points()[corner].value, -0.01f);  // float targets round
    EXPECT_LE(doc.animation().points()[corner].value, 250.01f);
  }
}

TEST(ResultRoundTrip, TheWritersScalesKeepEveryModalSumWithin32Bits) {
  const ResultData d = host::results::encodeResultModel(host::results::makeSyntheticModel(400, 100, 50));
  std::int64_t largest = 0;
  for (int s = 0; s < d.stepCount; ++s) {
    for (int c = 0; c < 3; ++c) {
      for (int p = 0; p < d.pointCount; ++p) {
        std::int64_t sum = 0;
        for (int k = 0; k < d.modeCount; ++k) {
          sum +=
              static_cast<std::int64_t>(d.modalCoord[s * d.modeCount + k]) * d.shapes[c][p * d.modeCount + k];
        }
        largest = std::max(largest, std::abs(sum));
      }
    }
  }
  EXPECT_LT(largest, std::int64_t{1} << 31);
  EXPECT_GT(largest, std::int64_t{1} << 28);  // and use most of the range
  // The colour scale maps each direction's range of sums onto 0..250.
  for (int c = 0; c < 3; ++c) {
    EXPECT_NEAR(d.ranges[2 * c], d.colourOffset[c] * d.dispScale[c],
                1e-6 * std::fabs(d.ranges[2 * c]) + 1e-9);
    const double top = (d.ranges[2 * c + 1] / d.dispScale[c] - d.colourOffset[c]) * d.colourScale[c];
    EXPECT_NEAR(top, 250.0, 0.01);
  }
}

TEST(ResultRoundTrip, MakeResultWritesASyntheticModelOfTheAskedSize) {
  TempFile file;
  CLI::App app;
  host::results::addMakeResultCommand(app);
  const std::string out = file.path();
  const char* argv[] = {"korvena-host", "make-result", "--model", "synthetic", "--points", "1000",
                        "--modes",      "7",           "--steps", "12",        "--out",    out.c_str()};
  app.parse(static_cast<int>(std::size(argv)), argv);

  test::RecordingServices services;
  CShakeplayDoc doc(services);
  doc.setRequest({.resultPath = out});
  ASSERT_EQ(doc.ReadModel(""), 0);
  EXPECT_EQ(doc.result().pointCount, 1000);
  EXPECT_EQ(doc.result().modeCount, 7);
  EXPECT_EQ(doc.result().stepCount, 12);
  EXPECT_EQ(doc.animation().smooth(), 20 - 11);
}

}  // namespace
}  // namespace shakeplay
