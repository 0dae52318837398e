#include "tests/curvedit/FunctionHost.h"

#include <cstddef>
#include <cstring>
#include <stdexcept>

#include "platform/CommandLine.h"

namespace curvedit::test {

PointList rampHoldRelease() { return {{0.0, 0.0}, {0.5, 1.0}, {2.0, 1.0}, {2.5, 0.0}}; }

FunctionHost::FunctionHost(int infoSize, int dataSize)
    : infoSize_(infoSize),
      dataSize_(dataSize),
      info_(infoSize, 0, uniqueKey("kvcurvei")),
      data_(dataSize, 0, uniqueKey("kvcurved")) {
  std::memset(info_.data(), kHostByte, static_cast<std::size_t>(infoSize));
  std::memset(data_.data(), kHostByte, static_cast<std::size_t>(dataSize));
}

FunctionInfoBlock& FunctionHost::info() {
  if (infoSize_ < static_cast<int>(kFunctionInfoSize)) throw std::logic_error("INFO too short");
  return *reinterpret_cast<FunctionInfoBlock*>(info_.data());
}

FunctionDataBlock& FunctionHost::data() {
  if (dataSize_ < static_cast<int>(kFunctionDataSize)) throw std::logic_error("DATA too short");
  return *reinterpret_cast<FunctionDataBlock*>(data_.data());
}

std::vector<unsigned char> FunctionHost::infoBytes() {
  const auto* bytes = reinterpret_cast<const unsigned char*>(info_.data());
  return {bytes, bytes + infoSize_};
}

std::vector<unsigned char> FunctionHost::dataBytes() {
  const auto* bytes = reinterpret_cast<const unsigned char*>(data_.data());
  return {bytes, bytes + dataSize_};
}

void FunctionHost::fill(const char* title, const PointList& points) {
  info().minTimeStep = 0.01;
  info().highestNaturalFrequency = 24.5;
  std::memset(info().functionTitle, 0, sizeof info().functionTitle);
  std::strcpy(info().functionTitle, title);
  std::memset(data().functionName, 0, sizeof data().functionName);
  std::strcpy(data().functionName, "Ramp hold release");
  data().status = 77;
  setPoints(points);
}

void FunctionHost::timeFunction(const PointList& points) { fill("TIME function :", points); }

void FunctionHost::frequencyFunction(const PointList& points) { fill("FREQUENCY function :", points); }

void FunctionHost::setPoints(const PointList& points) {
  data().pointCount = static_cast<std::int32_t>(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    data().abscissa[i] = points[i].x;
    data().ordinate[i] = points[i].y;
  }
}

void FunctionHost::launch(const std::string& infoKind, const std::string& dataKind,
                          const std::vector<std::string>& extra) const {
  std::vector<std::string> words = {"/usr/bin/curvedit", "/TAG:INFO:" + infoKind + ":" + info_.key(),
                                    "/TAG:DATA:" + dataKind + ":" + data_.key()};
  words.insert(words.end(), extra.begin(), extra.end());
  platform::setCommandLine(words);
}

std::vector<unsigned char> withResult(std::vector<unsigned char> data, std::int32_t status,
                                      const PointList* points) {
  const auto put = [&data](std::size_t offset, const void* value, std::size_t width) {
    std::memcpy(data.data() + offset, value, width);
  };
  put(offsetof(FunctionDataBlock, status), &status, 4);
  if (points == nullptr) return data;
  const auto count = static_cast<std::int32_t>(points->size());
  put(offsetof(FunctionDataBlock, pointCount), &count, 4);
  for (std::size_t i = 0; i < points->size(); ++i) {
    put(offsetof(FunctionDataBlock, abscissa) + 8 * i, &(*points)[i].x, 8);
    put(offsetof(FunctionDataBlock, ordinate) + 8 * i, &(*points)[i].y, 8);
  }
  return data;
}

}  // namespace curvedit::test
