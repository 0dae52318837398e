// Common ground of the runtime's ipc tests: a warm allocation table (so that no test meets its
// 512-slot growth by accident), no injected failure left behind, and a check that every
// tracked block (registry, record list, records) is released again.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/Mapping.h"
#include "runtime/array/InjectedFailures.h"
#include "runtime/array/TrackedMemory.h"

// What the runtime tells when an allocation fails.
constexpr const char* kNoResources = "lyrIpc: Can not allocate memory. Not sufficient resources.";

// A tool's words: its program path, then the given words.
inline std::vector<const char*> argvOf(const std::vector<std::string>& words) {
  std::vector<const char*> argv{"/usr/bin/korvena-tool"};
  for (const std::string& word : words) argv.push_back(word.c_str());
  return argv;
}
// The pointers would outlive temporary words.
std::vector<const char*> argvOf(std::vector<std::string>&& words) = delete;

class IpcTest : public testing::Test {
 protected:
  void SetUp() override {
    lyrMemFree(lyrMemAlloc(2, 1, 1));
    startId = lyrMemLastId();
  }
  void TearDown() override {
    lyrTesting::clearInjectedFailures();
    platform::clearFailures();
    EXPECT_EQ(lyrMemLastId(), startId) << "the runtime released everything it had";
  }

  // What the call wrote on standard error.
  template <typename Call>
  static std::string stderrOf(Call&& call) {
    testing::internal::CaptureStderr();
    std::forward<Call>(call)();
    return testing::internal::GetCapturedStderr();
  }

  int startId = 0;
};
