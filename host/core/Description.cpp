#include "host/core/Description.h"

#include <set>

namespace host {
namespace {

struct TypeNameEntry {
  FieldType type;
  const char* name;
};
constexpr TypeNameEntry kTypeNames[] = {{FieldType::Int32, "int32"},
                                        {FieldType::Double, "double"},
                                        {FieldType::Text, "text"},
                                        {FieldType::Bytes, "bytes"}};

// A launch argument is split at ':' and '/', so neither may stand inside a tag or kind.
void checkArgumentPart(const std::string& what, const std::string& text, const std::string& where) {
  if (text.empty()) throw DescriptionError(where + ": the " + what + " is empty");
  if (text.find_first_of(":/") != std::string::npos) {
    throw DescriptionError(where + ": the " + what + " \"" + text +
                           "\" contains ':' or '/', which split a /TAG: argument");
  }
}

bool valueMatchesType(const FieldValue& value, FieldType type) {
  switch (type) {
    case FieldType::Int32:
      return std::holds_alternative<std::int32_t>(value);
    case FieldType::Double:
      return std::holds_alternative<double>(value);
    case FieldType::Text:
    case FieldType::Bytes:
      return std::holds_alternative<std::string>(value);
  }
  return false;
}

void validateField(const BlockSpec& block, std::size_t blockIndex, const FieldSpec& field,
                   std::size_t fieldIndex) {
  const std::string where = describeField(block, blockIndex, field, fieldIndex);
  if (field.offset < 0) throw DescriptionError(where + ": negative offset");
  const auto fixed = fixedWidth(field.type);
  if (fixed && field.width != *fixed) {
    throw DescriptionError(where + ": an " + typeName(field.type) + " field is " + std::to_string(*fixed) +
                           " bytes wide, not " + std::to_string(field.width));
  }
  if (field.width <= 0) throw DescriptionError(where + ": the width must be at least 1");
  if (field.offset > block.dataSize || field.width > block.dataSize - field.offset) {
    // Both are at least 0 and 1 here; their sum may pass the int64 range, not the uint64 one.
    const std::uint64_t lastByte =
        static_cast<std::uint64_t>(field.offset) + static_cast<std::uint64_t>(field.width) - 1;
    throw DescriptionError(where + ": bytes " + std::to_string(field.offset) + " to " +
                           std::to_string(lastByte) + " lie outside the data size " +
                           std::to_string(block.dataSize));
  }
  if (!field.value) return;
  if (!valueMatchesType(*field.value, field.type)) {
    throw DescriptionError(where + ": the value is not of type " + typeName(field.type));
  }
  if (const auto* bytes = std::get_if<std::string>(&*field.value)) {
    if (static_cast<std::int64_t>(bytes->size()) > field.width) {
      throw DescriptionError(where + ": the value has " + std::to_string(bytes->size()) +
                             " bytes, more than the width " + std::to_string(field.width));
    }
  }
}

void validateBlock(const Description& description, const BlockSpec& block, std::size_t index) {
  const std::string where = describeBlock(block, index);
  if (description.launch == LaunchStyle::Tag) {
    checkArgumentPart("tag", block.tag, where);
    checkArgumentPart("kind", block.kind, where);
    if (block.tag.size() > kMaxTagLength) {
      throw DescriptionError(where + ": the tag \"" + block.tag + "\" is longer than the " +
                             std::to_string(kMaxTagLength) + " characters a tool keeps");
    }
  } else if (!block.tag.empty() || !block.kind.empty()) {
    throw DescriptionError(where +
                           ": a key-style launch names its block by key only; "
                           "leave out tag and kind");
  }
  if (block.dataSize < 0) throw DescriptionError(where + ": negative data size");
  if (block.dataSize > kMaxDataSize) {
    throw DescriptionError(where + ": data size " + std::to_string(block.dataSize) +
                           " is larger than the host's limit " + std::to_string(kMaxDataSize));
  }
  std::set<std::string> names;
  for (std::size_t i = 0; i < block.fields.size(); ++i) {
    const FieldSpec& field = block.fields[i];
    if (!field.name.empty() && !names.insert(field.name).second) {
      throw DescriptionError(where + ": two fields are named \"" + field.name + "\"");
    }
    validateField(block, index, field, i);
  }
}

}  // namespace

std::string typeName(FieldType type) {
  for (const auto& entry : kTypeNames) {
    if (entry.type == type) return entry.name;
  }
  return "?";
}

std::optional<FieldType> typeFromName(const std::string& name) {
  for (const auto& entry : kTypeNames) {
    if (name == entry.name) return entry.type;
  }
  return std::nullopt;
}

std::string launchName(LaunchStyle style) { return style == LaunchStyle::Tag ? "tag" : "key"; }

std::optional<std::int64_t> fixedWidth(FieldType type) {
  if (type == FieldType::Int32) return 4;
  if (type == FieldType::Double) return 8;
  return std::nullopt;
}

void validate(const Description& description) {
  if (description.blocks.empty()) throw DescriptionError("the description has no block");
  if (description.launch == LaunchStyle::Key && description.blocks.size() != 1) {
    throw DescriptionError("a key-style launch has exactly one block, not " +
                           std::to_string(description.blocks.size()));
  }
  std::set<std::string> names;
  for (std::size_t i = 0; i < description.blocks.size(); ++i) {
    const BlockSpec& block = description.blocks[i];
    if (!block.name.empty() && !names.insert(block.name).second) {
      throw DescriptionError("two blocks are named \"" + block.name + "\"");
    }
    validateBlock(description, block, i);
  }
}

std::string describeBlock(const BlockSpec& block, std::size_t index) {
  if (!block.name.empty()) return "block " + block.name;
  if (!block.tag.empty()) return "block " + std::to_string(index) + " (tag " + block.tag + ")";
  return "block " + std::to_string(index);
}

std::string describeField(const BlockSpec& block, std::size_t blockIndex, const FieldSpec& field,
                          std::size_t fieldIndex) {
  const std::string inBlock = " of " + describeBlock(block, blockIndex);
  if (!field.name.empty()) return "field " + field.name + inBlock;
  return "field " + std::to_string(fieldIndex) + " (offset " + std::to_string(field.offset) + ")" + inBlock;
}

}  // namespace host
