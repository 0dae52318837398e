#include "shakeplay/core/ResultReader.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/FieldText.h"
#include "platform/FormatText.h"
#include "shakeplay/core/ByteSource.h"
#include "shakeplay/core/Messages.h"
#include "shakeplay/core/Services.h"

static_assert(std::endian::native == std::endian::little, "the result file is little-endian");
static_assert(sizeof(shakeplay::EdgePoint) == 16, "an EDGES record is read straight into EdgePoint");

namespace shakeplay {
namespace {

constexpr std::size_t kInfoSize = 400;
constexpr std::size_t kRecordSize = 16;  // POINT and EDGES records: int, 3 floats
constexpr double kVersion = 3.52;
constexpr std::size_t kChunkRecords = 1 << 15;
constexpr std::uint64_t kChunkCorners = 1 << 16;  // 256 KiB of triangle indices

const char* const kComponentNames[] = {"DISPLACEMENT X", "DISPLACEMENT Y", "DISPLACEMENT Z", "MAGNITUDE"};

template <class T>
T field(const unsigned char* block, std::size_t offset) {
  T value;
  std::memcpy(&value, block + offset, sizeof(T));
  return value;
}

}  // namespace

ResultReader::ResultReader(const ShakeplayRequest& request, ByteSource& source, Services& services)
    : source_(source), services_(services) {
  result_.resultPath = request.resultPath;
  result_.component = request.component;
}

std::optional<LoadedResult> ResultReader::read() {
  const bool ok = readHead() && readPoints() && readTriangles() && readEdges() && readStepHeader() &&
                  readRanges() && readModalTables() && checkStepTimes();
  if (!ok) return std::nullopt;
  result_.triangleShown = Buffer<std::uint8_t>(static_cast<std::size_t>(result_.triangleCount));
  std::fill(result_.triangleShown.begin(), result_.triangleShown.end(), 1);
  return std::move(result_);
}

bool ResultReader::box(const std::string& text, const char* caption, bool error) {
  services_.messageBox(text, caption, error ? MessageIcon::Error : MessageIcon::Warning);
  return false;
}

bool ResultReader::refuse(const std::string& text) {
  services_.printOut(text + "\n");
  return box(text, messages::kCaptionAnalysis, false);
}

bool ResultReader::shortItem(int code) {
  services_.printOut(platform::formatText(messages::kShortItem, code));
  return false;
}

bool ResultReader::fits(std::uint64_t count, std::uint64_t recordSize) const {
  return count <= source_.remaining() / recordSize;
}

bool ResultReader::readTable(Buffer<std::int32_t>& table, std::uint64_t rows, int code) {
  const std::uint64_t count = rows * static_cast<std::uint64_t>(result_.modeCount);
  if (!fits(count, sizeof(std::int32_t))) return shortItem(code);
  table = Buffer<std::int32_t>(count);
  return readPrefaulted(source_, prefaulter_, table.data(), count * sizeof(std::int32_t)) || shortItem(code);
}

template <class T>
bool ResultReader::readScalar(T& value, int code) {
  return source_.read(&value, sizeof(T)) || shortItem(code);
}

bool ResultReader::readHead() {
  LoadedResult& d = result_;
  if (d.component < 0 || d.component > 3) {
    return box(platform::formatText(messages::kInvalidComponent, d.component), messages::kCaptionError, true);
  }
  std::int32_t lead = 0;
  unsigned char info[kInfoSize];
  if (!source_.read(&lead, 4) || !source_.read(&d.timeStart, 4) || !source_.read(&d.timeEnd, 4) ||
      !source_.read(info, kInfoSize)) {
    return box(messages::kNoInfo, messages::kCaptionAnalysis, false);
  }

  d.componentName = kComponentNames[d.component];
  const auto* modelTitle = reinterpret_cast<const char*>(info + 8);
  const std::string titleText = platform::fieldText(modelTitle, 96);
  d.title = platform::formatText("****** KORVENA %4.2f : %s%s *******", kVersion, d.componentName.c_str(),
                                 titleText.c_str());

  d.pointCount = field<std::int32_t>(info, 132);
  d.chainCount = field<std::int32_t>(info, 136);
  d.edgePointCount = field<std::int32_t>(info, 140);
  d.triangleCount = field<std::int32_t>(info, 144);
  if (d.pointCount < 0 || d.chainCount < 0 || d.edgePointCount < 0 || d.triangleCount < 0) {
    return refuse(messages::kNegativeCount);
  }

  double halfDiagonal = 0.0;
  for (int a = 0; a < 3; ++a) {
    const float low = field<float>(info, 148 + 4 * a);
    const float high = field<float>(info, 160 + 4 * a);
    d.centre[a] = (low + high) / 2.0f;
    const double half = (static_cast<double>(high) - low) / 2.0;
    halfDiagonal += half * half;
  }
  d.framing.radius = d.framing.radiusBase = static_cast<float>(1.1 * std::sqrt(halfDiagonal));

  bool white = true;
  for (int c = 0; c < 3; ++c) {
    const double component = field<double>(info, 104 + 8 * c);
    d.backColour[c] = static_cast<float>(component);
    white = white && component == 1.0;
  }
  d.whiteBackground = white;

  d.resultCsys = field<std::int32_t>(info, 192);
  if (d.resultCsys != -1) {
    for (int i = 0; i < 9; ++i) d.resultCsysAxes[i] = field<double>(info, 200 + 8 * i);
  }

  std::array<double, 16> m;
  for (int i = 0; i < 16; ++i) m[i] = field<double>(info, 272 + 8 * i);
  const double check = std::fabs(std::trunc(m[15] - 1.0)) + std::fabs(std::trunc(m[3])) +
                       std::fabs(std::trunc(m[7])) + std::fabs(std::trunc(m[11]));
  d.framing.viewMatrix = check < 0.00001 ? m : identityMatrix<double>();
  return true;
}

bool ResultReader::readPoints() {
  LoadedResult& d = result_;
  const auto n = static_cast<std::size_t>(d.pointCount);
  if (!fits(n, kRecordSize)) {
    services_.printOut(messages::kNoPoint);
    return box(messages::kNoMemory, messages::kCaptionError, true);
  }
  d.restPoints = Buffer<RestPoint>(n);

  std::vector<EdgePoint> chunk(std::min(n, kChunkRecords));
  for (std::size_t done = 0; done < n; done += chunk.size()) {
    const std::size_t take = std::min(chunk.size(), n - done);
    if (!source_.read(chunk.data(), take * kRecordSize)) {
      services_.printOut(messages::kNoPoint);
      return box(messages::kNoMemory, messages::kCaptionError, true);
    }
    for (std::size_t i = 0; i < take; ++i) {
      d.restPoints[done + i] =
          RestPoint{chunk[i].x - d.centre[0], chunk[i].y - d.centre[1], chunk[i].z - d.centre[2]};
    }
  }
  return true;
}

bool ResultReader::readTriangles() {
  LoadedResult& d = result_;
  const std::uint64_t corners = 3 * static_cast<std::uint64_t>(d.triangleCount);
  if (!fits(corners, sizeof(std::int32_t))) return cannotReadTriangles();
  d.triangles = Buffer<std::int32_t>(corners);
  d.pointUsed = Buffer<std::uint8_t>(static_cast<std::size_t>(d.pointCount));
  std::fill(d.pointUsed.begin(), d.pointUsed.end(), 0);
  // Every triangle is shown, so its corners are the points used. The table comes in pieces
  // straight into its place, each checked and marked while it is still in cache; a bad index
  // is reported once the whole table has been read.
  const std::int32_t* outside = nullptr;
  for (std::uint64_t done = 0; done < corners; done += kChunkCorners) {
    std::int32_t* piece = d.triangles.data() + done;
    const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(kChunkCorners, corners - done));
    if (!source_.read(piece, take * sizeof(std::int32_t))) return cannotReadTriangles();
    for (std::size_t i = 0; i < take; ++i) {
      if (piece[i] >= 0 && piece[i] < d.pointCount) {
        d.pointUsed[static_cast<std::size_t>(piece[i])] = 1;
      } else if (outside == nullptr) {
        outside = piece + i;
      }
    }
  }
  if (outside != nullptr)
    return refuse(platform::formatText(messages::kTriangleIndex, *outside, d.pointCount - 1));
  return true;
}

bool ResultReader::cannotReadTriangles() {
  services_.printOut(std::string(messages::kNoTriangle) + "\n");
  return box(messages::kNoTriangle, messages::kCaptionAnalysis, false);
}

bool ResultReader::readEdges() {
  LoadedResult& d = result_;
  const auto n = static_cast<std::size_t>(d.edgePointCount);
  if (!fits(n, kRecordSize)) {
    services_.printOut(std::string(messages::kNoEdges) + "\n");
    return box(messages::kNoEdges, messages::kCaptionAnalysis, false);
  }
  // Every polyline has a point at least.
  if (d.chainCount > d.edgePointCount) {
    return refuse(platform::formatText(messages::kChainCount, d.chainCount, d.edgePointCount));
  }
  d.chainLength = Buffer<std::int32_t>(static_cast<std::size_t>(d.chainCount));
  std::fill(d.chainLength.begin(), d.chainLength.end(), 0);
  d.edgePoints = Buffer<EdgePoint>(n);
  if (!source_.read(d.edgePoints.data(), n * kRecordSize)) {
    services_.printOut(std::string(messages::kNoEdges) + "\n");
    return box(messages::kNoEdges, messages::kCaptionAnalysis, false);
  }
  int chains = 0;
  long long total = 0;
  for (EdgePoint& e : d.edgePoints) {
    e.x -= d.centre[0];
    e.y -= d.centre[1];
    e.z -= d.centre[2];
    if (e.n == 0) continue;
    if (e.n < 0) return refuse(platform::formatText(messages::kBadChainLength, e.n));
    if (chains == d.chainCount) return refuse(platform::formatText(messages::kTooManyChains, d.chainCount));
    d.chainLength[chains++] = e.n;
    total += e.n;
  }
  if (total != d.edgePointCount)
    return refuse(platform::formatText(messages::kChainSum, total, d.edgePointCount));
  return true;
}

bool ResultReader::readStepHeader() {
  LoadedResult& d = result_;
  std::int32_t header[5];
  if (!source_.read(header, sizeof header)) return shortItem(-1);
  d.modeCount = header[0];
  d.stepCount = header[1];
  d.firstStep = header[2];
  d.lastStep = header[3];
  if (d.modeCount < 0 || d.stepCount < 0 || d.firstStep < 0 || d.firstStep >= d.lastStep ||
      d.lastStep >= d.stepCount) {
    return refuse(
        platform::formatText(messages::kStepHeader, d.modeCount, d.stepCount, d.firstStep, d.lastStep));
  }
  return true;
}

bool ResultReader::readRanges() {
  LoadedResult& d = result_;
  float range[9];
  if (!source_.read(range, sizeof range)) return shortItem(-2);
  d.rangeMin = range[2 * d.component];
  d.rangeMax = range[2 * d.component + 1];
  d.magnitudeMin = range[6];
  d.magnitudeMax = range[7];
  d.coefBase = range[8];
  d.colourBand = (d.rangeMax - d.rangeMin) * 0.004f;
  return true;
}

bool ResultReader::readModalTables() {
  LoadedResult& d = result_;
  const auto points = static_cast<std::uint64_t>(d.pointCount);
  const auto edges = static_cast<std::uint64_t>(d.edgePointCount);
  if (!readTable(d.modalCoord, static_cast<std::uint64_t>(d.stepCount), 0)) return false;
  for (int c = 0; c < 3; ++c) {
    const int code = c + 1;
    if (!readTable(d.shape[c], points, code) || !readScalar(d.dispScale[c], code * 10 + 1) ||
        !readScalar(d.colourScale[c], code * 10 + 2) || !readScalar(d.colourOffset[c], code * 10 + 3)) {
      return false;
    }
  }
  for (int c = 0; c < 3; ++c) {
    const int code = (c + 1) * 100;
    if (!readTable(d.edgeShape[c], edges, code) || !readScalar(d.edgeDispScale[c], code + 1)) return false;
  }
  if (!readScalar(d.timeOffset, 400) || !readScalar(d.timeScale, 401)) return false;
  const auto steps = static_cast<std::size_t>(d.stepCount);
  if (!fits(steps, sizeof(float))) return shortItem(402);
  d.stepTime = Buffer<float>(steps);
  return source_.read(d.stepTime.data(), steps * sizeof(float)) || shortItem(402);
}

// The sub-frame arithmetic divides by the length of the first step and of the last step.
bool ResultReader::checkStepTimes() {
  for (const int i : {result_.firstStep, result_.lastStep - 1}) {
    const double length =
        (static_cast<double>(result_.stepTime[i + 1]) - result_.stepTime[i]) * result_.timeScale;
    if (length == 0.0) return refuse(platform::formatText(messages::kEqualTimes, i, i + 1));
  }
  return true;
}

}  // namespace shakeplay
