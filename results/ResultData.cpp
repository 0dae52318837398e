#include "results/ResultData.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>

static_assert(std::endian::native == std::endian::little, "the result file is little-endian");

namespace host::results {
namespace {

constexpr std::size_t kInfoSize = 400;
constexpr std::size_t kTitleSize = 96;
const char* const kDirections[] = {"X", "Y", "Z"};

template <class T>
void put(unsigned char* block, std::size_t offset, const T& value) {
  std::memcpy(block + offset, &value, sizeof(T));
}

std::vector<unsigned char> infoBlock(const ResultData& d) {
  std::vector<unsigned char> info(kInfoSize, 0);
  std::memcpy(info.data() + 8, d.title.data(), std::min(d.title.size(), kTitleSize - 1));
  for (int c = 0; c < 3; ++c) put(info.data(), 104 + 8 * c, d.background[c]);
  put(info.data(), 132, d.pointCount);
  put(info.data(), 136, d.chainCount);
  put(info.data(), 140, d.edgePointCount);
  put(info.data(), 144, d.triangleCount);
  for (int a = 0; a < 3; ++a) {
    put(info.data(), 148 + 4 * a, d.boxMin[a]);
    put(info.data(), 160 + 4 * a, d.boxMax[a]);
  }
  put(info.data(), 192, d.resultCsys);
  for (int i = 0; i < 9; ++i) put(info.data(), 200 + 8 * i, d.resultCsysAxes[i]);
  for (int i = 0; i < 16; ++i) put(info.data(), 272 + 8 * i, d.viewMatrix[i]);
  return info;
}

// Visits every item in file order with its name and bytes (a writer of its bytes).
using ByteWriter = std::function<void(const void*, std::size_t)>;
using ItemVisitor = std::function<void(const std::string&, std::uint64_t size,
                                       const std::function<void(const ByteWriter&)>&)>;

template <class T>
std::function<void(const ByteWriter&)> bytesOf(const T& value) {
  return [&value](const ByteWriter& write) { write(&value, sizeof(T)); };
}

template <class T>
std::function<void(const ByteWriter&)> bytesOfVector(const std::vector<T>& values) {
  return [&values](const ByteWriter& write) { write(values.data(), values.size() * sizeof(T)); };
}

template <class T>
std::uint64_t sizeOf(const std::vector<T>& values) {
  return values.size() * sizeof(T);
}

void visitItems(const ResultData& d, const ItemVisitor& visit) {
  visit("lead word", 4, bytesOf(d.leadWord));
  visit("timeStart", 4, bytesOf(d.timeStart));
  visit("timeEnd", 4, bytesOf(d.timeEnd));
  visit("INFO", kInfoSize, [&d](const ByteWriter& write) {
    const std::vector<unsigned char> info = infoBlock(d);
    write(info.data(), info.size());
  });
  visit("POINT", 16 * static_cast<std::uint64_t>(d.points.size()), [&d](const ByteWriter& write) {
    constexpr std::size_t kChunk = 4096;
    std::vector<EdgeRecord> records;
    records.reserve(kChunk);
    for (std::size_t start = 0; start < d.points.size(); start += kChunk) {
      records.clear();
      for (std::size_t i = start; i < std::min(d.points.size(), start + kChunk); ++i) {
        records.push_back({0, d.points[i][0], d.points[i][1], d.points[i][2]});
      }
      write(records.data(), records.size() * sizeof(EdgeRecord));
    }
  });
  visit("TRIANGLE", sizeOf(d.triangles), bytesOfVector(d.triangles));
  visit("EDGES", sizeOf(d.edges), bytesOfVector(d.edges));
  visit("step header", 20, [&d](const ByteWriter& write) {
    const std::int32_t header[5] = {d.modeCount, d.stepCount, d.firstStep, d.lastStep, 0};
    write(header, sizeof header);
  });
  visit("range block", 36, bytesOf(d.ranges));
  visit("modal coordinates", sizeOf(d.modalCoord), bytesOfVector(d.modalCoord));
  for (int c = 0; c < 3; ++c) {
    const std::string axis = kDirections[c];
    visit(axis + " shapes of points", sizeOf(d.shapes[c]), bytesOfVector(d.shapes[c]));
    visit("dispScale " + axis, 4, bytesOf(d.dispScale[c]));
    visit("colourScale " + axis, 4, bytesOf(d.colourScale[c]));
    visit("colourOffset " + axis, 4, bytesOf(d.colourOffset[c]));
  }
  for (int c = 0; c < 3; ++c) {
    const std::string axis = kDirections[c];
    visit(axis + " shapes of edge points", sizeOf(d.edgeShapes[c]), bytesOfVector(d.edgeShapes[c]));
    visit("edgeDispScale " + axis, 4, bytesOf(d.edgeDispScale[c]));
  }
  visit("timeOffset", 4, bytesOf(d.timeOffset));
  visit("timeScale", 4, bytesOf(d.timeScale));
  visit("step times", sizeOf(d.stepTime), bytesOfVector(d.stepTime));
}

}  // namespace

std::vector<ResultItem> resultFileItems(const ResultData& data) {
  std::vector<ResultItem> items;
  std::uint64_t offset = 0;
  visitItems(data, [&](const std::string& name, std::uint64_t size, const auto&) {
    items.push_back({name, offset, size});
    offset += size;
  });
  return items;
}

void writeResultFile(const ResultData& data, const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) throw std::runtime_error("cannot create " + path);
  bool ok = true;
  const ByteWriter write = [&](const void* bytes, std::size_t n) {
    ok = ok && (n == 0 || std::fwrite(bytes, 1, n, file.get()) == n);
  };
  visitItems(data, [&](const std::string&, std::uint64_t, const auto& emit) { emit(write); });
  if (!ok || std::fflush(file.get()) != 0) throw std::runtime_error("cannot write " + path);
}

std::vector<unsigned char> encodeResultFile(const ResultData& data) {
  std::vector<unsigned char> bytes;
  const std::vector<ResultItem> items = resultFileItems(data);
  bytes.reserve(items.back().offset + items.back().size);
  const ByteWriter write = [&](const void* from, std::size_t n) {
    const auto* p = static_cast<const unsigned char*>(from);
    bytes.insert(bytes.end(), p, p + n);
  };
  visitItems(data, [&](const std::string&, std::uint64_t, const auto& emit) { emit(write); });
  return bytes;
}

}  // namespace host::results
