// Reads a result file into a CShakeplayDoc, item by item, trusting nothing in it.
#pragma once

#include <cstdint>
#include <string>

#include "shakeplay/core/Prefaulter.h"
#include "shakeplay/core/Records.h"

namespace shakeplay {

class ByteSource;
class CShakeplayDoc;
class Services;

class ResultReader {
 public:
  ResultReader(CShakeplayDoc& doc, ByteSource& source, Services& services);
  // 0 on success, -1 after the failure has been reported.
  int read();

 private:
  bool readHead();
  bool readPoints();
  bool readTriangles();
  bool readEdges();
  bool readStepHeader();
  bool readRanges();
  bool readModalTables();
  bool checkStepTimes();
  void finish();

  bool fits(std::uint64_t count, std::uint64_t recordSize) const;
  bool readTable(Buffer<std::int32_t>& table, std::uint64_t rows, int code);
  template <class T>
  bool readScalar(T& value, int code);
  bool shortItem(int code);
  bool cannotReadTriangles();
  bool refuse(const std::string& text);
  bool box(const std::string& text, const char* caption, bool error);

  CShakeplayDoc& doc_;
  ByteSource& source_;
  Services& services_;
  Prefaulter prefaulter_;  // joined before the reader is gone
};

}  // namespace shakeplay
