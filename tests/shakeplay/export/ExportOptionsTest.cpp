// shakeplay-export's command line: every setting taken, the defaults, and each kind of bad
// option refused with a message that names it.
#include <gtest/gtest.h>

#include "shakeplay/export/ExportOptions.h"

namespace shakeplay::exporting {
namespace {

ParsedOptions parse(std::vector<std::string> words) {
  words.insert(words.begin(), "shakeplay-export");
  return parseExportOptions(words);
}

TEST(ExportOptions, EverySettingIsTaken) {
  const ParsedOptions parsed =
      parse({"beam.frd",  "--component", "1",       "--deformed", "--coef",       "7",
             "--smooth",  "3",           "--size",  "801x599",    "--view",       "x30,Y-12.5,z+90",
             "--frames",  "48",          "--fps",   "12",         "--colour-bar", "--impulse",
             "--damping", "0.03",        "--title", "Beam, rung", "--out",        "clips/beam.GIF"});
  ASSERT_TRUE(parsed.options) << parsed.message;
  const ExportOptions& o = *parsed.options;
  EXPECT_EQ(o.resultPath, "beam.frd");
  EXPECT_TRUE(o.frd.impulse);
  EXPECT_EQ(o.frd.damping, 0.03);
  EXPECT_EQ(o.frd.title, "Beam, rung");
  EXPECT_EQ(o.frdOption, "--impulse");
  EXPECT_EQ(o.component, 1);
  EXPECT_TRUE(o.deformed);
  EXPECT_EQ(o.coefEntry, 7);
  EXPECT_EQ(o.smoothEntry, 3);
  EXPECT_EQ(o.width, 801);
  EXPECT_EQ(o.height, 599);
  ASSERT_EQ(o.turns.size(), 3u);
  EXPECT_EQ(o.turns[0].axis, 'x');
  EXPECT_EQ(o.turns[0].degrees, 30.0f);
  EXPECT_EQ(o.turns[1].axis, 'y');
  EXPECT_EQ(o.turns[1].degrees, -12.5f);
  EXPECT_EQ(o.turns[2].axis, 'z');
  EXPECT_EQ(o.turns[2].degrees, 90.0f);
  EXPECT_EQ(o.frames, 48);
  EXPECT_EQ(o.framesPerSecond, 12);
  EXPECT_TRUE(o.colourBar);
  EXPECT_EQ(o.kind, OutputKind::Gif);
  EXPECT_FALSE(o.vtkFrame);
}

TEST(ExportOptions, LeftOutSettingsStayAsTheWindowStarts) {
  const ParsedOptions parsed = parse({"plate.res", "--out", "plate.png"});
  ASSERT_TRUE(parsed.options) << parsed.message;
  const ExportOptions& o = *parsed.options;
  EXPECT_EQ(o.component, 3);
  EXPECT_FALSE(o.deformed);
  EXPECT_FALSE(o.coefEntry);
  EXPECT_FALSE(o.smoothEntry);
  EXPECT_EQ(o.width, 685);
  EXPECT_EQ(o.height, 550);
  EXPECT_TRUE(o.turns.empty());
  EXPECT_FALSE(o.frames);
  EXPECT_EQ(o.framesPerSecond, 25);
  EXPECT_FALSE(o.colourBar);
  EXPECT_EQ(o.kind, OutputKind::PngSeries);
  EXPECT_EQ(o.frdOption, "");
}

TEST(ExportOptions, OneFrameGoesToAVtuFile) {
  const ParsedOptions parsed = parse({"plate.res", "--vtk", "17", "--out", "f17.vtu"});
  ASSERT_TRUE(parsed.options) << parsed.message;
  EXPECT_EQ(parsed.options->vtkFrame, 17);
  EXPECT_EQ(parsed.options->kind, OutputKind::Vtu);
}

TEST(ExportOptions, HelpIsNoFailure) {
  const ParsedOptions parsed = parse({"--help"});
  EXPECT_FALSE(parsed.options);
  EXPECT_EQ(parsed.exitCode, 0);
  EXPECT_NE(parsed.message.find("--vtk"), std::string::npos);
}

struct Refusal {
  std::vector<std::string> words;
  const char* named;  // a part of the message
};

TEST(ExportOptions, BadOptionsAreRefusedWithExitCodeOne) {
  const std::vector<Refusal> refusals{
      {{"--out", "a.gif"}, "FILE"},
      {{"p.res"}, "--out"},
      {{"p.res", "--out", "a.avi"}, ".png, .gif, .mp4 or .vtu"},
      {{"p.res", "--out", "movie"}, "--out movie"},
      {{"p.res", "--out", "clips.d/movie"}, "--out clips.d/movie"},
      {{"p.res", "--component", "4", "--out", "a.gif"}, "--component"},
      {{"p.res", "--component", "-1", "--out", "a.gif"}, "--component"},
      {{"p.res", "--coef", "0", "--out", "a.gif"}, "--coef"},
      {{"p.res", "--coef", "11", "--out", "a.gif"}, "--coef"},
      {{"p.res", "--smooth", "7", "--out", "a.gif"}, "--smooth"},
      {{"p.res", "--frames", "0", "--out", "a.gif"}, "--frames"},
      {{"p.res", "--frames", "many", "--out", "a.gif"}, "--frames"},
      {{"p.res", "--fps", "0", "--out", "a.gif"}, "--fps"},
      {{"p.res", "--size", "800", "--out", "a.gif"}, "--size 800:"},
      {{"p.res", "--size", "800x15", "--out", "a.gif"}, "--size 800x15:"},
      {{"p.res", "--size", "8193x600", "--out", "a.gif"}, "--size 8193x600:"},
      {{"p.res", "--size", "800x600px", "--out", "a.gif"}, "--size 800x600px:"},
      {{"p.res", "--view", "x30,", "--out", "a.gif"}, "--view x30,:"},
      {{"p.res", "--view", "w30", "--out", "a.gif"}, "--view w30:"},
      {{"p.res", "--view", "x", "--out", "a.gif"}, "--view x:"},
      {{"p.res", "--view", "y1e40", "--out", "a.gif"}, "--view y1e40:"},
      {{"p.res", "--vtk", "3", "--out", "a.gif"}, "--vtk writes a .vtu file"},
      {{"p.res", "--vtk", "-3", "--out", "a.vtu"}, "--vtk"},
      {{"p.res", "--out", "a.vtu"}, "give --vtk FRAME"},
      {{"p.res", "--speed", "3", "--out", "a.gif"}, "--speed"},
      {{"b.frd", "--damping", "0.1", "--out", "a.gif"}, "--damping requires --impulse"},
  };
  for (const Refusal& refusal : refusals) {
    const ParsedOptions parsed = parse(refusal.words);
    std::string line;
    for (const std::string& word : refusal.words) line += word + " ";
    EXPECT_FALSE(parsed.options) << line;
    EXPECT_EQ(parsed.exitCode, 1) << line;
    EXPECT_EQ(parsed.message.rfind("shakeplay-export: ", 0), 0u) << parsed.message;
    EXPECT_NE(parsed.message.find(refusal.named), std::string::npos) << line << "-> " << parsed.message;
  }
}

TEST(ExportOptions, SidesFromSixteenToEightThousandOneHundredNinetyTwo) {
  EXPECT_EQ(parseSize("16x8192"), std::make_pair(16, 8192));
  EXPECT_EQ(parseSize("8192X16"), std::make_pair(8192, 16));
  EXPECT_FALSE(parseSize("15x600"));
  EXPECT_FALSE(parseSize("600x8193"));
  EXPECT_FALSE(parseSize("x600"));
  EXPECT_FALSE(parseSize("600x"));
  EXPECT_FALSE(parseSize("+600x600"));
}

TEST(ExportOptions, TheOutputsKindComesFromItsExtensionInAnyCase) {
  EXPECT_EQ(outputKindOf("a/b.PNG"), OutputKind::PngSeries);
  EXPECT_EQ(outputKindOf("b.Mp4"), OutputKind::Mp4);
  EXPECT_EQ(outputKindOf("frame.vtu"), OutputKind::Vtu);
  EXPECT_FALSE(outputKindOf("gif"));
  EXPECT_FALSE(outputKindOf("clips/.gif"));
  EXPECT_FALSE(outputKindOf("clips.gif/movie"));
}

}  // namespace
}  // namespace shakeplay::exporting
