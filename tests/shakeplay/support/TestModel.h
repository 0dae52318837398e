// A small hand-made result and the doubles the document talks to in tests.
#pragma once

#include <string>
#include <vector>

#include "results/ResultData.h"
#include "shakeplay/core/SceneRenderer.h"
#include "shakeplay/core/Services.h"
#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay::test {

struct RecordedBox {
  std::string text, caption;
  MessageIcon icon;
};

class RecordingServices : public Services {
 public:
  void messageBox(const std::string& text, const std::string& caption, MessageIcon icon) override {
    boxes.push_back({text, caption, icon});
  }
  void printOut(const std::string& text) override { out += text; }
  std::vector<RecordedBox> boxes;
  std::string out;
};

class CountingView : public SceneRenderer {
 public:
  void RenderScene() override { ++renders; }
  int renders = 0;
};

// Five points (the fifth in no triangle), two triangles, one polyline of three edge points,
// two modes and `steps` steps at times 0.1 s apart. At step s the sums of point p are
// X = s (p + 1), Y = 2 s (p + 1), Z = 3 s; colour value X = X sum; displacement scales 0.5,
// 0.25, 1. The window runs from step `first` to step `last` exactly.
host::results::ResultData smallResult(int steps = 30, int first = 0, int last = 29);

// Reads `data` from memory into `doc`; the result of readModelFrom.
int load(CShakeplayDoc& doc, const host::results::ResultData& data);
// The result the reader returns for `data` (component X); throws when it refuses it.
LoadedResult readResult(const host::results::ResultData& data);

// smallResult over 40 steps with the window from step `first` to step `last` at the given times.
host::results::ResultData windowResult(int first, int last, float timeStart, float timeEnd);

// A document read from `data` (the read must succeed) whose model view counts its renders.
struct ViewedDoc {
  explicit ViewedDoc(const host::results::ResultData& data);
  RecordingServices services;
  CountingView view;
  CShakeplayDoc doc{services};
};

}  // namespace shakeplay::test
