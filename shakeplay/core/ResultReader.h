// Reads a result file into a LoadedResult, item by item, trusting nothing in it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shakeplay/core/CommandLine.h"
#include "shakeplay/core/LoadedResult.h"
#include "shakeplay/core/Prefaulter.h"
#include "shakeplay/core/Records.h"

namespace shakeplay {

class ByteSource;
class Services;

class ResultReader {
 public:
  ResultReader(const ShakeplayRequest& request, ByteSource& source, Services& services);
  // The result; nothing after the failure has been reported. Throws std::bad_alloc when a
  // table does not fit in memory.
  std::optional<LoadedResult> read();

 private:
  bool readHead();
  bool readPoints();
  bool readTriangles();
  bool readEdges();
  bool readStepHeader();
  bool readRanges();
  bool readModalTables();
  bool checkStepTimes();

  bool fits(std::uint64_t count, std::uint64_t recordSize) const;
  bool readTable(Buffer<std::int32_t>& table, std::uint64_t rows, int code);
  template <class T>
  bool readScalar(T& value, int code);
  bool shortItem(int code);
  bool cannotReadTriangles();
  bool refuse(const std::string& text);
  bool box(const std::string& text, const char* caption, bool error);

  LoadedResult result_;
  ByteSource& source_;
  Services& services_;
  Prefaulter prefaulter_;  // joined before the reader is gone
};

}  // namespace shakeplay
