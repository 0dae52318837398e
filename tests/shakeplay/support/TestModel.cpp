#include "tests/shakeplay/support/TestModel.h"

#include <optional>
#include <stdexcept>

#include "shakeplay/core/ByteSource.h"
#include "shakeplay/core/ResultReader.h"

namespace shakeplay::test {

host::results::ResultData smallResult(int steps, int first, int last) {
  host::results::ResultData d;
  d.title = "SMALL";
  d.points = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {2, 2, 2}};
  d.pointCount = 5;
  d.triangles = {0, 1, 2, 1, 3, 2};
  d.triangleCount = 2;
  d.edges = {{3, 0, 0, 0}, {0, 1, 0, 0}, {0, 1, 1, 0}};
  d.chainCount = 1;
  d.edgePointCount = 3;
  d.boxMin = {0, 0, 0};
  d.boxMax = {2, 2, 2};
  d.modeCount = 2;
  d.stepCount = steps;
  d.firstStep = first;
  d.lastStep = last;
  for (int s = 0; s < steps; ++s) {
    d.modalCoord.insert(d.modalCoord.end(), {s, 2 * s});
    d.stepTime.push_back(0.1f * static_cast<float>(s));
  }
  for (int p = 0; p < 5; ++p) {
    d.shapes[0].insert(d.shapes[0].end(), {p + 1, 0});
    d.shapes[1].insert(d.shapes[1].end(), {0, p + 1});
    d.shapes[2].insert(d.shapes[2].end(), {1, 1});
  }
  for (int e = 0; e < 3; ++e) {
    d.edgeShapes[0].insert(d.edgeShapes[0].end(), {1, 0});
    d.edgeShapes[1].insert(d.edgeShapes[1].end(), {0, 1});
    d.edgeShapes[2].insert(d.edgeShapes[2].end(), {0, 0});
  }
  d.dispScale = {0.5f, 0.25f, 1.0f};
  d.colourScale = {1.0f, 1.0f, 1.0f};
  d.colourOffset = {0, 0, 0};
  d.edgeDispScale = {1.0f, 1.0f, 1.0f};
  d.ranges = {0, 150, 0, 300, 0, 90, 0, 200, 1.0f};
  d.timeStart = d.stepTime[first];
  d.timeEnd = d.stepTime[last];
  return d;
}

int load(CShakeplayDoc& doc, const host::results::ResultData& data) {
  const std::vector<unsigned char> bytes = host::results::encodeResultFile(data);
  MemorySource source(bytes.data(), bytes.size());
  return doc.readModelFrom(source);
}

LoadedResult readResult(const host::results::ResultData& data) {
  const std::vector<unsigned char> bytes = host::results::encodeResultFile(data);
  MemorySource source(bytes.data(), bytes.size());
  RecordingServices services;
  std::optional<LoadedResult> result = ResultReader({}, source, services).read();
  if (!result) throw std::runtime_error("the test model could not be read: " + services.out);
  return std::move(*result);
}

host::results::ResultData windowResult(int first, int last, float timeStart, float timeEnd) {
  host::results::ResultData data = smallResult(40, first, last);
  data.timeStart = timeStart;
  data.timeEnd = timeEnd;
  return data;
}

ViewedDoc::ViewedDoc(const host::results::ResultData& data) {
  if (load(doc, data) != 0) throw std::runtime_error("the test model could not be read");
  doc.setRenderer(&view);
}

}  // namespace shakeplay::test
