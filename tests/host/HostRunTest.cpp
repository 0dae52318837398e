// End to end: korvena-host creates real blocks, starts a real child, reads the blocks back,
// and leaves no mapping behind whatever the child does.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <regex>
#include <thread>

#include "host/core/DescriptionJson.h"
#include "tests/host/HostProcess.h"

namespace host::test {
namespace {

constexpr char kProbeText[] = "korvena-ipc-probe was here";

std::string probe() { return (binFolder() / "korvena-ipc-probe").string(); }
std::string child() { return testChildProgram().string(); }

Json rawBlock(const char* tag, int dataSize) {
  return {{"tag", tag},
          {"dataSize", dataSize},
          {"fields", Json::array({{{"offset", 0}, {"type", "int32"}},
                                  {{"offset", 4}, {"type", "text"}, {"width", 27}},
                                  {{"offset", 40}, {"type", "double"}, {"value", 6.25}}})}};
}

// Writes the input, runs the host with `run TOOL --in ... [--out ...]`, checks no mapping stayed.
struct HostReport {
  HostRun host;
  Json report;
};
HostReport runWith(const std::string& tool, const Json& input, std::vector<std::string> extra = {}) {
  TempFolder folder;
  writeFile(folder.file("in.json"), input.dump());
  std::vector<std::string> arguments{
      "run", tool, "--in", folder.file("in.json").string(), "--out", folder.file("out.json").string()};
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  HostReport run{runHost(arguments, folder), {}};
  const std::string report = readFile(folder.file("out.json"));
  if (!report.empty()) run.report = Json::parse(report);
  EXPECT_TRUE(mappingsOf(run.host.pid).empty()) << "a mapping outlived the host";
  return run;
}

void expectProbed(const Json& block, int dataSize) {
  EXPECT_EQ(block["header"]["attachCount"], 0);
  EXPECT_EQ(block["header"]["dataSize"], dataSize);
  EXPECT_EQ(block["header"]["attachedMark"], 1);
  EXPECT_EQ(block["fields"][0]["value"], dataSize);
  EXPECT_EQ(block["fields"][1]["value"], kProbeText);
  EXPECT_EQ(block["fields"][2]["value"], 6.25);  // the host's own value is left alone
}

TEST(HostRunTest, ProbeAttachesEveryTaggedBlockAndTheHostReadsWhatItWrote) {
  const Json input = {{"launch", "tag"},
                      {"blocks", Json::array({rawBlock("INFO", 48), rawBlock("LINE", 64)})}};
  const HostReport run = runWith(probe(), input);
  ASSERT_EQ(run.host.exitCode, 0) << run.host.err;
  EXPECT_EQ(run.report["exitCode"], 0);
  // The keys: the host's pid, a random part of 8 hex digits, the block's index.
  const std::string argument = run.report["arguments"][0];
  EXPECT_TRUE(std::regex_match(
      argument, std::regex("/TAG:INFO:SM:KvHost" + std::to_string(run.host.pid) + "r[0-9a-f]{8}n0")))
      << argument;
  expectProbed(run.report["blocks"][0], 48);
  expectProbed(run.report["blocks"][1], 64);
}

TEST(HostRunTest, ProbeAttachesTheKeyedBlockWithTheExtraWords) {
  Json block = rawBlock("", 48);
  block.erase("tag");
  const Json input = {{"launch", "key"}, {"words", {"-stat"}}, {"blocks", Json::array({block})}};
  const HostReport run = runWith(probe(), input);
  ASSERT_EQ(run.host.exitCode, 0) << run.host.err;
  EXPECT_EQ(run.report["arguments"][1], "-stat");
  expectProbed(run.report["blocks"][0], 48);
}

TEST(HostRunTest, NamedLayoutTakesAndReportsFieldsByName) {
  const HostReport run = runWith(probe(), Json::parse(R"({"DATA": {"input": 42}})"));
  ASSERT_EQ(run.host.exitCode, 0) << run.host.err;
  const Json& fields = run.report["blocks"][0]["fields"];
  EXPECT_EQ(fields["sizeSeen"], 64);
  EXPECT_EQ(fields["text"], kProbeText);
  EXPECT_EQ(fields["input"], 42);
}

TEST(HostRunTest, DemoPrintsOnlyTheReportOnStandardOutput) {
  TempFolder folder;
  const HostRun run = runHost({"demo", "probe"}, folder);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  // The probe's own output goes to standard error, so standard output stays one JSON document.
  const Json report = Json::parse(run.out);
  EXPECT_EQ(report["blocks"][0]["fields"]["input"], 42);
  EXPECT_NE(run.err.find("DATA"), std::string::npos);
  EXPECT_TRUE(mappingsOf(run.pid).empty());
}

// A tool that is not there, or a file that is there but cannot be executed: the host says why
// and leaves nothing behind.
TEST(HostRunTest, ToolThatCannotStartIsReportedWithoutLeavingMappings) {
  TempFolder folder;
  const std::string notAProgram = folder.file("not-a-program").string();
  writeFile(notAProgram,
            "\x7f"
            "ELF but not really\n");
  std::filesystem::permissions(notAProgram, std::filesystem::perms::owner_all);
  const struct {
    std::string tool, message;
  } cases[] = {{"no-such-tool", "tool \"no-such-tool\" not found"},
               {notAProgram, "cannot start " + notAProgram + ": Exec format error"}};
  const Json input = {{"launch", "tag"}, {"blocks", Json::array({rawBlock("DATA", 48)})}};
  for (const auto& c : cases) {
    const HostReport run = runWith(c.tool, input);
    EXPECT_EQ(run.host.exitCode, 127) << c.tool;
    EXPECT_NE(run.host.err.find(c.message), std::string::npos) << run.host.err;
    EXPECT_TRUE(run.report.is_null()) << c.tool;
  }
}

TEST(HostRunTest, BadDescriptionIsRefusedBeforeAnythingRuns) {
  const Json input = {{"launch", "tag"}, {"blocks", Json::array({rawBlock("DATA", 40)})}};
  const HostReport run = runWith(probe(), input);
  EXPECT_EQ(run.host.exitCode, 2);
  EXPECT_NE(run.host.err.find("lie outside the data size 40"), std::string::npos) << run.host.err;
  EXPECT_TRUE(run.report.is_null());
}

// Input the host cannot use, and a report it could not write, are refused with exit code 2 before
// the tool starts: the probe, had it run, would have left its line on standard output.
TEST(HostRunTest, UnusableInputOrReportFileIsRefusedBeforeTheToolStarts) {
  TempFolder folder;
  const std::string in = folder.file("in.json").string();
  const std::string report = folder.file("report.json").string();
  struct Case {
    const char* what;
    std::string input;               // written to in.json
    std::vector<std::string> where;  // --in and --out
    const char* message;
  };
  const std::string good =
      R"({"launch": "tag", "blocks": [{"tag": "SEVENCH", "dataSize": 8, "fields": []}]})";
  const Case cases[] = {
      {"input is a folder",
       good,
       {"--in", folder.path().string(), "--out", report},
       "is a directory, not a JSON file"},
      {"key twice",
       R"({"launch": "tag", "blocks": [], "launch": "key"})",
       {"--in", in, "--out", report},
       "the key \"launch\" is given twice in one object"},
      {"key twice inside a block",
       R"({"launch": "tag", "blocks": [{"tag": "A", "dataSize": 8, "fields": [], "dataSize": 9}]})",
       {"--in", in, "--out", report},
       "the key \"dataSize\" is given twice"},
      {"tag of eight characters",
       R"({"launch": "tag", "blocks": [{"tag": "EIGHTCHR", "dataSize": 8, "fields": []}]})",
       {"--in", in, "--out", report},
       "the tag \"EIGHTCHR\" is longer than the 7 characters a tool keeps"},
      {"report in a missing folder",
       good,
       {"--in", in, "--out", folder.file("no/report.json").string()},
       "there is no folder"},
      {"report is a folder", good, {"--in", in, "--out", folder.path().string()}, "it is a folder"},
  };
  for (const Case& c : cases) {
    writeFile(in, c.input);
    std::vector<std::string> arguments{"run", probe()};
    arguments.insert(arguments.end(), c.where.begin(), c.where.end());
    const HostRun run = runHost(arguments, folder);
    EXPECT_EQ(run.exitCode, 2) << c.what;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << ": " << run.err;
    EXPECT_EQ(run.out, "") << c.what << ": the tool ran";
    EXPECT_TRUE(mappingsOf(run.pid).empty()) << c.what;
  }
  writeFile(in, good);  // seven characters are a tag
  EXPECT_EQ(runHost({"run", probe(), "--in", in, "--out", report}, folder).exitCode, 0);
  EXPECT_EQ(Json::parse(readFile(report))["blocks"][0]["tag"], "SEVENCH");
}

TEST(HostRunTest, CrashingOrFailingToolIsReportedAndItsMappingsUnlinked) {
  struct Case {
    const char* word;
    int hostExit;
    const char* key;
    Json value;
  };
  const Case cases[] = {{"-segv", 128 + SIGSEGV, "signal", "SIGSEGV"},
                        {"-abort", 128 + SIGABRT, "signal", "SIGABRT"},
                        {"-exit=3", 1, "exitCode", 3}};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.word);
    const Json input = {{"launch", "tag"},
                        {"words", {test.word}},
                        {"blocks", Json::array({rawBlock("INFO", 48), rawBlock("LINE", 48)})}};
    const HostReport run = runWith(child(), input);
    EXPECT_EQ(run.host.exitCode, test.hostExit);
    EXPECT_EQ(run.report[test.key], test.value);
    EXPECT_EQ(run.report["blocks"].size(), 2u);  // the blocks are still reported
  }
}

TEST(HostRunTest, InterruptedHostStopsTheToolAndUnlinksItsMappings) {
  TempFolder folder;
  const Json input = {
      {"launch", "tag"}, {"words", {"-wait"}}, {"blocks", Json::array({rawBlock("DATA", 48)})}};
  writeFile(folder.file("in.json"), input.dump());
  const pid_t host = startHost(
      {"run", child(), "--in", folder.file("in.json").string(), "--out", folder.file("out.json").string()},
      folder.file("host.out"), folder.file("host.err"));
  // The host installs its forwarding before it creates a block: once the block is there, a
  // SIGTERM is the host's to handle.
  for (int i = 0; i < 1000 && mappingsOf(host).empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_FALSE(mappingsOf(host).empty()) << readFile(folder.file("host.err"));
  kill(host, SIGTERM);
  EXPECT_EQ(waitForExit(host), 128 + SIGTERM);
  EXPECT_TRUE(mappingsOf(host).empty());
  const Json report = Json::parse(readFile(folder.file("out.json")));
  EXPECT_EQ(report["interruptedBy"], "SIGTERM");
  EXPECT_EQ(report["signal"], "SIGTERM");  // passed on to the tool, which ended by it
}

// Waits up to 20 s for a condition, looking every 10 ms; whether it came.
bool waitUntil(const std::function<bool()>& condition) {
  for (int i = 0; i < 2000; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

// A process that has ended, whether or not its new parent has reaped it yet.
bool hasEnded(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return true;
  const std::size_t state = line.rfind(')') + 2;
  return state >= line.size() || line[state] == 'Z' || line[state] == 'X';
}

// A host killed outright cannot clean up: its tool is ended with it, and the names of the
// blocks the tool had attached are gone already.
TEST(HostRunTest, KilledHostTakesItsToolAlongAndLeavesNoMapping) {
  TempFolder folder;
  const Json input = {{"launch", "tag"},
                      {"words", {"-attach"}},
                      {"blocks", Json::array({rawBlock("INFO", 48), rawBlock("LINE", 56)})}};
  writeFile(folder.file("in.json"), input.dump());
  const pid_t host = startHost(
      {"run", child(), "--in", folder.file("in.json").string(), "--out", folder.file("out.json").string()},
      folder.file("host.out"), folder.file("host.err"));
  pid_t tool = 0;
  ASSERT_TRUE(waitUntil([&] {
    return std::sscanf(readFile(folder.file("host.out")).c_str(), "attached %d", &tool) == 1;
  })) << readFile(folder.file("host.err"));
  EXPECT_TRUE(waitUntil([&] { return mappingsOf(host).empty(); })) << "names kept after the attach";
  kill(host, SIGKILL);
  EXPECT_EQ(waitForExit(host), 128 + SIGKILL);
  EXPECT_TRUE(waitUntil([&] { return hasEnded(tool); })) << "the tool outlived its host";
  if (!hasEnded(tool)) kill(tool, SIGKILL);
}

}  // namespace
}  // namespace host::test
