// A tool's block layout by field names: a description whose blocks and fields carry names,
// built in the tool's own file under host/layouts/ from the tool's block-layout header.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/core/Description.h"

namespace host {

// Another set of sample values for `korvena-host demo TOOL VARIANT`.
struct DemoVariant {
  std::string name;    // e.g. "frequency"
  std::string values;  // named-form JSON, like demoValues
};

struct NamedLayout {
  std::string tool;         // the name given to `korvena-host run` and `demo`
  std::string program;      // the executable in the bin folder
  std::string summary;      // one line for `korvena-host layouts`
  Description description;  // named blocks and fields; values here are written on every run
  std::string demoValues;   // named-form JSON for `korvena-host demo`: realistic sample values
  std::vector<DemoVariant> demoVariants = {};
};

// One field of a layout table: {"freqMax", offsetof(Block, freqMax), FieldType::Double}.
// Int32 and Double take their own width; Text and Bytes need the width given.
inline FieldSpec layoutField(std::string name, std::size_t offset, FieldType type, std::size_t width = 0) {
  FieldSpec field;
  field.name = std::move(name);
  field.offset = static_cast<std::int64_t>(offset);
  field.type = type;
  field.width = fixedWidth(type).value_or(static_cast<std::int64_t>(width));
  return field;
}

// A fixed array of `count` plain values, `stride` bytes apart:
// layoutArray("abscissa", offsetof(Block, abscissa), FieldType::Double, 100, sizeof(double)).
inline ArraySpec layoutArray(std::string name, std::size_t offset, FieldType type, std::size_t count,
                             std::size_t stride, std::size_t width = 0) {
  return {.name = std::move(name),
          .offset = static_cast<std::int64_t>(offset),
          .stride = static_cast<std::int64_t>(stride),
          .capacity = static_cast<std::int64_t>(count),
          .element = {layoutField("", 0, type, width)}};
}

// An array of records of `stride` bytes whose fields are given relative to the record's start.
// `capacity` 0: the block holds as many records as the input gives, and grows to hold them
// (its data size becomes at least offset + records x stride).
inline ArraySpec layoutRecords(std::string name, std::size_t offset, std::size_t stride,
                               std::vector<FieldSpec> fields, std::size_t capacity = 0) {
  return {.name = std::move(name),
          .offset = static_cast<std::int64_t>(offset),
          .stride = static_cast<std::int64_t>(stride),
          .capacity = static_cast<std::int64_t>(capacity),
          .element = std::move(fields)};
}

// A tag-style block named by its tag: taggedBlock("DATA", sizeof(Block), {layoutField(...), ...}).
inline BlockSpec taggedBlock(std::string tag, std::size_t dataSize, std::vector<FieldSpec> fields,
                             std::vector<ArraySpec> arrays = {}, std::string kind = "SM") {
  return {.name = tag,
          .tag = tag,
          .kind = std::move(kind),
          .dataSize = static_cast<std::int64_t>(dataSize),
          .fields = std::move(fields),
          .arrays = std::move(arrays)};
}

// The one block of a key-style launch (/SHMKEY:), called `name` in named input and reports.
inline BlockSpec keyBlock(std::string name, std::size_t dataSize, std::vector<FieldSpec> fields,
                          std::vector<ArraySpec> arrays = {}) {
  return {.name = std::move(name),
          .tag = {},
          .kind = {},
          .dataSize = static_cast<std::int64_t>(dataSize),
          .fields = std::move(fields),
          .arrays = std::move(arrays)};
}

}  // namespace host
