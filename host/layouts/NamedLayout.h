// A tool's block layout by field names: a description whose blocks and fields carry names,
// built in the tool's own file under host/layouts/ from the tool's block-layout header.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/core/Description.h"

namespace host {

struct NamedLayout {
  std::string tool;         // the name given to `korvena-host run` and `demo`
  std::string program;      // the executable in the bin folder
  std::string summary;      // one line for `korvena-host layouts`
  Description description;  // named blocks and fields; values here are written on every run
  std::string demoValues;   // named-form JSON for `korvena-host demo`: realistic sample values
};

// One field of a layout table: {"freqMax", offsetof(Block, freqMax), FieldType::Double}.
// Int32 and Double take their own width; Text and Bytes need the width given.
inline FieldSpec layoutField(std::string name, std::size_t offset, FieldType type,
                             std::size_t width = 0) {
  FieldSpec field;
  field.name = std::move(name);
  field.offset = static_cast<std::int64_t>(offset);
  field.type = type;
  field.width = fixedWidth(type).value_or(static_cast<std::int64_t>(width));
  return field;
}

// A tag-style block named by its tag: taggedBlock("DATA", sizeof(Block), {layoutField(...), ...}).
inline BlockSpec taggedBlock(std::string tag, std::size_t dataSize, std::vector<FieldSpec> fields,
                             std::string kind = "SM") {
  return {.name = tag,
          .tag = tag,
          .kind = std::move(kind),
          .dataSize = static_cast<std::int64_t>(dataSize),
          .fields = std::move(fields)};
}

}  // namespace host
