// The runtime across a process boundary: this test plays the host, korvena-ipc-probe the tool.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/runtime/ipc/ProbePattern.h"
#include "tests/support/HostBlock.h"

extern char** environ;

namespace {

// Runs korvena-ipc-probe with the given words and returns its exit status (-1: did not run).
int runProbe(const std::vector<std::string>& words) {
  const char* binDir = std::getenv("KORVENA_BIN_DIR");
  if (binDir == nullptr) return -1;
  const std::string path = std::string(binDir) + "/korvena-ipc-probe";
  std::vector<char*> argv{const_cast<char*>(path.c_str())};
  for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST(TwoProcesses, ToolAttachesWritesAndDetachesBothKindsOfBlock) {
  ASSERT_NE(std::getenv("KORVENA_BIN_DIR"), nullptr);
  HostBlock tagged(64, 2);
  HostBlock keyed(40, 0, uniqueKey("kvrt/keyed:block"));
  ASSERT_EQ(runProbe({"/TAG:DATA:SM:" + tagged.key(), "-dyn", "/SHMKEY:" + keyed.key()}), 0);

  for (HostBlock* block : {&tagged, &keyed}) {
    SCOPED_TRACE(block->key());
    EXPECT_EQ(block->header().attachedMark, 1);
    EXPECT_TRUE(hasProbePattern(block->data(), block->header().dataSize));
  }
  EXPECT_EQ(tagged.header().attachCount, 2) << "back at the host's start value";
  EXPECT_EQ(keyed.header().attachCount, 0);
}

TEST(TwoProcesses, ToolThatCannotAttachEverythingEndsWithAFailureAndWritesNothing) {
  HostBlock present(16, 1);
  EXPECT_EQ(runProbe({"/TAG:INFO:SM:" + present.key(), "/TAG:DATA:SM:" + uniqueKey("kvnone")}), 1);
  EXPECT_EQ(runProbe({"/TAG:INFO:SM:" + present.key(), "/SHMKEY:" + uniqueKey("kvnone")}), 1);
  EXPECT_EQ(runProbe({"-stat"}), 1) << "nothing named";
  EXPECT_FALSE(hasProbePattern(present.data(), 16));
  EXPECT_EQ(present.header().attachCount, 1) << "what it had attached, it detached";
  EXPECT_EQ(present.header().attachedMark, 1);
}

}  // namespace
