// shakeplay-export as a user runs it: the plate sample out as a PNG series with the colour bar,
// as a GIF read back with giflib, through a stand-in ffmpeg, one frame as .vtu; a .frd file in
// one step; and every kind of bad input refused with a message and exit code 1.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "results/ResultData.h"
#include "results/ResultModel.h"
#include "results/SampleModels.h"
#include "shakeplay/export/GifFile.h"
#include "shakeplay/views/ColourBarView.h"
#include "tests/host/HostProcess.h"
#include "tests/shakeplay/support/TestModel.h"
#include "tests/support/Pictures.h"

namespace shakeplay::exporting {
namespace {

namespace fs = std::filesystem;
using host::test::HostRun;

void writeBytes(const fs::path& file, const std::vector<unsigned char>& bytes) {
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Channels within `tolerance`.
bool near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QRgb bandColour(int band) {
  const auto& c = kBandColours[static_cast<std::size_t>(band)];
  return qRgb(qRound(c[0] * 255.0f), qRound(c[1] * 255.0f), qRound(c[2] * 255.0f));
}

class ExportProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    plate = folder.file("plate.res").string();
    small = folder.file("small.res").string();
    writeBytes(plate, host::results::encodeResultFile(
                          host::results::encodeResultModel(host::results::makePlateModel())));
    writeBytes(small, host::results::encodeResultFile(test::smallResult()));
  }
  HostRun run(const std::vector<std::string>& arguments) {
    return host::test::runProgram(host::test::binFolder() / "shakeplay-export", arguments, folder);
  }
  std::string file(const std::string& name) const { return folder.file(name).string(); }

  host::test::TempFolder folder;
  std::string plate, small;
};

TEST_F(ExportProgram, APngSeriesHasOneFilePerFrameWithTheColourBarUnderTheModel) {
  const HostRun result =
      run({plate, "--size", "320x200", "--frames", "3", "--colour-bar", "--out", file("p.png")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, file("p-0000.png") + " .. " + file("p-0002.png") + ": 3 frames of 320 x 237\n");
  EXPECT_FALSE(fs::exists(file("p-0003.png")));
  std::vector<QImage> frames;
  for (int i = 0; i < 3; ++i) {
    frames.emplace_back(QString::fromStdString(file("p-000" + std::to_string(i) + ".png")));
    ASSERT_EQ(frames.back().size(), QSize(320, 237)) << i;
  }
  frames[0].save(QString::fromStdString(testsupport::picturePath("shakeplay-export-bar.png")));
  // Bands of 20 pixels from x = 0, from row 3 to row 19 of the 37 under the model.
  EXPECT_TRUE(near(frames[0].pixel(5, 200 + 10), bandColour(0), 1)) << std::hex << frames[0].pixel(5, 210);
  EXPECT_TRUE(near(frames[0].pixel(15 * 20 + 5, 200 + 10), bandColour(15), 1));
  EXPECT_TRUE(near(frames[2].pixel(7 * 20 + 9, 200 + 4), bandColour(7), 1));
  // The plate rings: its colours change from frame to frame, the bar does not.
  EXPECT_NE(frames[0].copy(0, 0, 320, 200), frames[2].copy(0, 0, 320, 200));
  EXPECT_EQ(frames[0].copy(0, 200, 320, 37), frames[2].copy(0, 200, 320, 37));
}

// The rows and columns where the picture is not the plate's background.
QRect modelBox(const QImage& picture) {
  const QRgb background = qRgb(0, 0, 89);
  QRect box;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST_F(ExportProgram, TurnsAreAboutTheScreensAxesInTheOrderGiven) {
  // The plate, 1.0 x 0.4 in the x-y plane, lies on columns 110 .. 574 and rows 182 .. 367 of
  // the 685 x 550 view. A quarter turn about the screen's z axis stands it upright on columns
  // 250 .. 434, rows 43 .. 506. Turned about the x axis first it is seen edge on, then stood up:
  // a line down the middle column, 342.
  struct Turned {
    const char* view;
    QRect box;
  };
  const std::vector<Turned> cases{{"z0.0", QRect(QPoint(110, 182), QPoint(574, 367))},
                                  {"z90", QRect(QPoint(250, 43), QPoint(434, 506))},
                                  {"z90,z-90", QRect(QPoint(110, 182), QPoint(574, 367))},
                                  {"x90,z90", QRect(QPoint(341, 43), QPoint(343, 506))}};
  for (const Turned& turned : cases) {
    const HostRun result = run({plate, "--view", turned.view, "--frames", "1", "--out", file("t.png")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QRect box = modelBox(QImage(QString::fromStdString(file("t-0000.png"))));
    EXPECT_NEAR(box.left(), turned.box.left(), 1) << turned.view;
    EXPECT_NEAR(box.top(), turned.box.top(), 1) << turned.view;
    EXPECT_NEAR(box.right(), turned.box.right(), 1) << turned.view;
    EXPECT_NEAR(box.bottom(), turned.box.bottom(), 1) << turned.view;
  }
}

TEST_F(ExportProgram, AGifReadBackHasEveryFrameAtItsSizeAndLoops) {
  const mode_t mask = ::umask(022);
  const HostRun gif =
      run({plate, "--size", "200x160", "--frames", "5", "--fps", "12", "--out", file("a.gif")});
  ::umask(mask);
  ASSERT_EQ(gif.exitCode, 0) << gif.err;
  EXPECT_EQ(gif.out, file("a.gif") + ": 5 frames of 200 x 160\n");
  int error = 0;
  GifFileType* read = DGifOpenFileName(file("a.gif").c_str(), &error);
  ASSERT_NE(read, nullptr) << GifErrorString(error);
  ASSERT_EQ(DGifSlurp(read), GIF_OK) << GifErrorString(read->Error);
  EXPECT_EQ(read->ImageCount, 5);
  EXPECT_EQ(read->SWidth, 200);
  EXPECT_EQ(read->SHeight, 160);
  GraphicsControlBlock control{};
  ASSERT_EQ(DGifSavedExtensionToGCB(read, 4, &control), GIF_OK);
  EXPECT_EQ(control.DelayTime, gifDelay(12));
  bool loops = false;
  for (int i = 0; i < read->SavedImages[0].ExtensionBlockCount; ++i) {
    const ExtensionBlock& block = read->SavedImages[0].ExtensionBlocks[i];
    loops = loops ||
            (block.ByteCount == 11 && std::string(reinterpret_cast<char*>(block.Bytes), 11) == "NETSCAPE2.0");
  }
  EXPECT_TRUE(loops);
  // Readable by others as far as the umask (022) lets them, as every other output.
  struct stat status {};
  ASSERT_EQ(::stat(file("a.gif").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0644u);

  // The first frame shows what the PNG series shows, within what 256 colours allow.
  ASSERT_EQ(run({plate, "--size", "200x160", "--frames", "1", "--out", file("b.png")}).exitCode, 0);
  const QImage png(QString::fromStdString(file("b-0000.png")));
  const SavedImage& first = read->SavedImages[0];
  const ColorMapObject* map =
      first.ImageDesc.ColorMap != nullptr ? first.ImageDesc.ColorMap : read->SColorMap;
  ASSERT_NE(map, nullptr);
  int far = 0;
  for (int y = 0; y < 160; ++y) {
    for (int x = 0; x < 200; ++x) {
      const GifColorType c = map->Colors[first.RasterBits[y * 200 + x]];
      far += near(qRgb(c.Red, c.Green, c.Blue), png.pixel(x, y), 12) ? 0 : 1;
    }
  }
  EXPECT_EQ(far, 0);
  DGifCloseFile(read, &error);
}

TEST_F(ExportProgram, OneFrameAsVtuNamesItsCounts) {
  const HostRun result = run({small, "--component", "0", "--vtk", "4", "--out", file("f.vtu")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, file("f.vtu") + ": frame 4, 4 points, 2 triangles\n");
  EXPECT_EQ(host::test::readFile(file("f.vtu"))
                .rfind("<?xml version=\"1.0\"?>\n<VTKFile type=\"UnstructuredGrid\"", 0),
            0u);
}

// The README's own results in one step: docs/beam.inp solved by ccx, and its .frd exported
// with the README's settings gives the GIF of the result make-result writes of it, byte for byte.
TEST_F(ExportProgram, AFrdFileInOneStepGivesTheGifOfItsResultFile) {
  if (!host::test::onPath("ccx")) GTEST_SKIP() << "ccx is not installed (Debian package calculix-ccx)";
  fs::copy_file(fs::path(std::getenv("KORVENA_SOURCE_DIR")) / "docs" / "beam.inp", file("beam.inp"));
  const std::string solve =
      "cd '" + folder.path().string() + "' && OMP_NUM_THREADS=1 ccx -i beam > ccx.log 2>&1";
  ASSERT_EQ(std::system(solve.c_str()), 0) << host::test::readFile(file("ccx.log"));
  const HostRun made = host::test::runHost(
      {"make-result", "--from-frd", file("beam.frd"), "--mode", "2", "--out", file("beam.res")}, folder);
  ASSERT_EQ(made.exitCode, 0) << made.err;

  const std::vector<std::string> settings{"--deformed", "--coef", "3",       "--view",
                                          "x-60,z-30",  "--size", "640x360", "--colour-bar"};
  auto exported = [&](std::vector<std::string> words, const std::string& gif) {
    words.insert(words.end(), settings.begin(), settings.end());
    words.insert(words.end(), {"--out", file(gif)});
    return run(words);
  };
  const HostRun twoSteps = exported({file("beam.res")}, "two.gif");
  ASSERT_EQ(twoSteps.exitCode, 0) << twoSteps.err;
  const HostRun oneStep = exported({file("beam.frd"), "--mode", "2"}, "one.gif");
  ASSERT_EQ(oneStep.exitCode, 0) << oneStep.err;
  EXPECT_EQ(oneStep.out, file("one.gif") + ": 32 frames of 640 x 397\n");
  const std::string one = host::test::readFile(file("one.gif")), two = host::test::readFile(file("two.gif"));
  EXPECT_GT(two.size(), 10000u);
  EXPECT_TRUE(one == two) << one.size() << " bytes in one step, " << two.size() << " in two";
}

// Through a pipe (a named one, fed by cat) the result is read whole: nothing takes its first
// bytes before the reader.
TEST_F(ExportProgram, AResultThroughAPipeIsReadWhole) {
  const std::string pipe = file("plate-pipe.res");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const pid_t feeder = host::test::startProgram("/bin/sh", {"-c", "cat \"$0\" > \"$1\"", plate, pipe},
                                                file("feeder.out"), file("feeder.err"));
  const HostRun result = run({pipe, "--size", "64x48", "--frames", "2", "--out", file("p.gif")});
  ::kill(feeder, SIGKILL);  // still waiting for a reader when the pipe was never opened
  host::test::waitForExit(feeder);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, file("p.gif") + ": 2 frames of 64 x 48\n");
}

// A stand-in for ffmpeg in a folder of its own: it keeps its words and what it was fed.
std::string fakeFfmpeg(const host::test::TempFolder& folder, const std::string& body) {
  const fs::path bin = folder.file("bin");
  fs::create_directory(bin);
  host::test::writeFile(bin / "ffmpeg", "#!/bin/sh\n" + body);
  fs::permissions(bin / "ffmpeg", fs::perms::owner_all);
  return bin.string();
}

// Runs with PATH set to `path` for the program only.
class PathFor {
 public:
  explicit PathFor(const std::string& path) : saved_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    ::setenv("PATH", path.c_str(), 1);
  }
  ~PathFor() { ::setenv("PATH", saved_.c_str(), 1); }

 private:
  std::string saved_;
};

TEST_F(ExportProgram, AnMp4IsEncodedByFfmpegFromRawFramesOnItsInput) {
  const std::string bin = fakeFfmpeg(folder,
                                     "printf '%s\\n' \"$@\" > \"$(dirname \"$0\")/words\"\n"
                                     "cat > \"$(dirname \"$0\")/frames.raw\"\n");
  HostRun result{};
  {
    const PathFor path(bin + ":/usr/bin:/bin");
    result = run({small, "--size", "64x48", "--frames", "4", "--fps", "12", "--out", file("m.mp4")});
  }
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(fs::file_size(fs::path(bin) / "frames.raw"), 64u * 48u * 3u * 4u);
  const std::string words = host::test::readFile(fs::path(bin) / "words");
  EXPECT_NE(words.find("-video_size\n64x48\n-framerate\n12\n-i\n-\n"), std::string::npos) << words;
  EXPECT_NE(words.find("-pix_fmt\nyuv420p\n"), std::string::npos) << words;
  EXPECT_EQ(words.substr(words.size() - file("m.mp4").size() - 4), "--\n" + file("m.mp4") + "\n");
}

TEST_F(ExportProgram, AnFfmpegThatGivesUpFailsTheExportAndLeavesNoFile) {
  const std::string bin =
      fakeFfmpeg(folder, "echo 'Unknown encoder' >&2\ntouch \"$(dirname \"$0\")/../m.mp4\"\nexit 3\n");
  HostRun result{};
  {
    const PathFor path(bin + ":/usr/bin:/bin");
    result = run({small, "--size", "640x480", "--frames", "30", "--out", file("m.mp4")});
  }
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("shakeplay-export: cannot write " + file("m.mp4") + ": ffmpeg"),
            std::string::npos)
      << result.err;
  EXPECT_FALSE(fs::exists(file("m.mp4")));
}

TEST_F(ExportProgram, WithoutFfmpegAnMp4IsRefusedBeforeAnythingIsRead) {
  fs::create_directory(folder.file("empty"));
  HostRun result{};
  {
    const PathFor path(folder.file("empty").string());
    result = run({file("nowhere.res"), "--out", file("m.mp4")});
  }
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(
      result.err.rfind("shakeplay-export: an MP4 is made by the ffmpeg program, which is not installed", 0),
      0u)
      << result.err;
}

TEST_F(ExportProgram, BadInputIsRefusedWithAMessageAndExitCodeOne) {
  writeBytes(file("broken.res"), {'K', 'O', 'R', 1, 2});
  host::test::writeFile(file("beam.res"), "    1C\n    1UDATE              08.december.2026\n");
  struct Case {
    std::vector<std::string> arguments;
    std::string said;
  };
  const std::vector<Case> cases{
      {{file("nowhere.res"), "--out", file("x.gif")},
       "Input File / " + file("nowhere.res") + " /was NOT FOUND !"},
      {{file("broken.res"), "--out", file("x.gif")}, "Cannot"},
      {{file("beam.res"), "--out", file("x.gif")},
       file("beam.res") + ": the file ends without its end record (9999): it may be cut short"},
      {{small, "--mode", "2", "--out", file("x.gif")},
       "shakeplay-export: --mode applies to a CalculiX .frd file, which " + small + " is not"},
      {{small, "--out", file("no-folder/x.gif")},
       "shakeplay-export: cannot write " + file("no-folder/x.gif")},
      {{small, "--out", file("no-folder/x.png")},
       "shakeplay-export: cannot write " + file("no-folder/x-0000.png")},
      {{small, "--vtk", "29", "--out", file("x.vtu")},
       "shakeplay-export: --vtk 29: the animation has frames 0 to 28"},
      {{small, "--size", "12x12", "--out", file("x.gif")}, "shakeplay-export: --size 12x12:"},
  };
  for (const Case& c : cases) {
    const HostRun result = run(c.arguments);
    EXPECT_EQ(result.exitCode, 1) << c.said;
    EXPECT_NE(result.err.find(c.said), std::string::npos) << c.said << " not in: " << result.err;
    EXPECT_TRUE(result.out.empty()) << result.out;
  }
  EXPECT_FALSE(fs::exists(file("x.gif")));
  EXPECT_FALSE(fs::exists(file("x.vtu")));
}

}  // namespace
}  // namespace shakeplay::exporting
