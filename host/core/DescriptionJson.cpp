#include "host/core/DescriptionJson.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <optional>

namespace host {
namespace {

// A named input may give the extra launch words beside its blocks.
constexpr const char* kWordsKey = "words";

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

void requireObject(const Json& value, const std::string& where) {
  if (!value.is_object()) throw DescriptionError(where + " is not a JSON object");
}

// Refuses keys outside `known`, so that a misspelt key is not silently ignored.
void checkKeys(const Json& object, std::initializer_list<const char*> known, const std::string& where) {
  for (const auto& item : object.items()) {
    bool found = false;
    for (const char* key : known) found = found || item.key() == key;
    if (!found) {
      std::vector<std::string> names(known.begin(), known.end());
      throw DescriptionError(where + ": unknown key \"" + item.key() + "\" (known: " + joined(names) + ")");
    }
  }
}

std::string stringAt(const Json& object, const char* key, const std::string& where) {
  const Json& value = object.at(key);
  if (!value.is_string()) throw DescriptionError(where + ": \"" + key + "\" is not a string");
  return value.get<std::string>();
}

std::int64_t integerAt(const Json& object, const char* key, const std::string& where) {
  const Json& value = object.at(key);
  if (!value.is_number_integer() ||
      (value.is_number_unsigned() &&
       value.get<std::uint64_t>() > std::uint64_t{std::numeric_limits<std::int64_t>::max()})) {
    throw DescriptionError(where + ": \"" + key + "\" is not an integer");
  }
  return value.get<std::int64_t>();
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string fromHex(const std::string& hex, const std::string& where) {
  if (hex.size() % 2 != 0) throw DescriptionError(where + ": odd number of hex digits");
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = hexDigit(hex[i]);
    const int low = hexDigit(hex[i + 1]);
    if (high < 0 || low < 0) {
      throw DescriptionError(where + ": \"" + hex + "\" is not a hex byte string");
    }
    bytes += static_cast<char>(high * 16 + low);
  }
  return bytes;
}

FieldSpec parseField(const Json& object, const std::string& where) {
  requireObject(object, where);
  checkKeys(object, {"name", "offset", "type", "width", "value"}, where);
  for (const char* key : {"offset", "type"}) {
    if (!object.contains(key)) throw DescriptionError(where + ": \"" + key + "\" is missing");
  }
  FieldSpec field;
  if (object.contains("name")) field.name = stringAt(object, "name", where);
  field.offset = integerAt(object, "offset", where);
  const std::string type = stringAt(object, "type", where);
  const auto parsedType = typeFromName(type);
  if (!parsedType) {
    throw DescriptionError(where + ": unknown type \"" + type + "\" (known: int32, double, text, bytes)");
  }
  field.type = *parsedType;
  if (object.contains("value")) field.value = valueFromJson(object.at("value"), field.type, where);
  if (object.contains("width")) {
    field.width = integerAt(object, "width", where);
  } else if (const auto fixed = fixedWidth(field.type)) {
    field.width = *fixed;
  } else if (field.type == FieldType::Bytes && field.value) {
    field.width = static_cast<std::int64_t>(std::get<std::string>(*field.value).size());
  } else {
    throw DescriptionError(where + ": a " + type + " field needs a \"width\"");
  }
  return field;
}

BlockSpec parseBlock(const Json& object, LaunchStyle launch, const std::string& where) {
  requireObject(object, where);
  checkKeys(object, {"tag", "kind", "dataSize", "fields"}, where);
  if (!object.contains("dataSize")) throw DescriptionError(where + ": \"dataSize\" is missing");
  BlockSpec block;
  if (object.contains("tag")) block.tag = stringAt(object, "tag", where);
  if (object.contains("kind")) block.kind = stringAt(object, "kind", where);
  if (launch == LaunchStyle::Tag) {
    if (!object.contains("tag")) throw DescriptionError(where + ": \"tag\" is missing");
    if (!object.contains("kind")) block.kind = "SM";
  }
  block.dataSize = integerAt(object, "dataSize", where);
  if (object.contains("fields")) {
    const Json& fields = object.at("fields");
    if (!fields.is_array()) throw DescriptionError(where + ": \"fields\" is not an array");
    for (std::size_t i = 0; i < fields.size(); ++i) {
      block.fields.push_back(parseField(fields[i], "field " + std::to_string(i) + " of " + where));
    }
  }
  return block;
}

LaunchStyle parseLaunch(const Json& object) {
  if (!object.contains("launch")) throw DescriptionError("\"launch\" is missing");
  const std::string launch = stringAt(object, "launch", "the description");
  if (launch == "tag") return LaunchStyle::Tag;
  if (launch == "key") return LaunchStyle::Key;
  throw DescriptionError("unknown launch \"" + launch + "\" (known: tag, key)");
}

std::vector<std::string> parseWords(const Json& object) {
  std::vector<std::string> words;
  if (!object.contains("words")) return words;
  const Json& list = object.at("words");
  if (!list.is_array()) throw DescriptionError("\"words\" is not an array of strings");
  for (const Json& word : list) {
    if (!word.is_string()) throw DescriptionError("\"words\" is not an array of strings");
    words.push_back(word.get<std::string>());
  }
  return words;
}

template <typename Item>
Item& findByName(std::vector<Item>& items, const std::string& name, const std::string& what) {
  std::vector<std::string> names;
  for (Item& item : items) {
    if (item.name == name) return item;
    if (!item.name.empty()) names.push_back(item.name);
  }
  throw DescriptionError("unknown " + what + " \"" + name + "\" (known: " + joined(names) + ")");
}

const ArraySpec* findArray(const BlockSpec& block, const std::string& name) {
  for (const ArraySpec& array : block.arrays) {
    if (array.name == name) return &array;
  }
  return nullptr;
}

// Element i of an array as plain fields named "name[i]" or "name[i].field", with the values of
// `given` (a JSON value for a plain array, an object for records) when there is one.
void appendElement(BlockSpec& block, const ArraySpec& array, std::int64_t index, const Json* given) {
  const std::string elementName = array.name + "[" + std::to_string(index) + "]";
  const std::string where = "field " + elementName + " of block " + block.name;
  if (given != nullptr && !array.element.at(0).name.empty()) {
    requireObject(*given, where);
    for (const auto& item : given->items()) {
      bool known = false;
      for (const FieldSpec& field : array.element) known = known || field.name == item.key();
      if (!known) throw DescriptionError(where + ": unknown field \"" + item.key() + "\"");
    }
  }
  for (const FieldSpec& field : array.element) {
    FieldSpec placed = field;
    placed.offset = array.offset + index * array.stride + field.offset;
    placed.name = field.name.empty() ? elementName : elementName + "." + field.name;
    const Json* value = field.name.empty()                                ? given
                        : given != nullptr && given->contains(field.name) ? &given->at(field.name)
                                                                          : nullptr;
    if (value != nullptr) {
      placed.value = valueFromJson(*value, field.type, "field " + placed.name + " of block " + block.name);
    }
    block.fields.push_back(std::move(placed));
  }
}

// Turns the block's arrays into plain fields: every element of a fixed array, as many records
// as given for a growing one (the data size grows to hold them).
void expandArrays(BlockSpec& block, const Json* blockValues) {
  for (const ArraySpec& array : block.arrays) {
    const std::string where = "field " + array.name + " of block " + block.name;
    const Json* values =
        blockValues != nullptr && blockValues->contains(array.name) ? &blockValues->at(array.name) : nullptr;
    if (values != nullptr && !values->is_array()) {
      throw DescriptionError(where + ": the value is not a JSON array");
    }
    const auto given = static_cast<std::int64_t>(values != nullptr ? values->size() : 0);
    if (array.capacity > 0 && given > array.capacity) {
      throw DescriptionError(where + ": " + std::to_string(given) + " elements, more than the " +
                             std::to_string(array.capacity) + " the block holds");
    }
    const std::int64_t count = array.capacity > 0 ? array.capacity : given;
    for (std::int64_t i = 0; i < count; ++i) {
      appendElement(block, array, i, i < given ? &values->at(static_cast<std::size_t>(i)) : nullptr);
    }
    if (array.capacity == 0) {
      block.dataSize = std::max(block.dataSize, array.offset + given * array.stride);
    }
  }
  block.arrays.clear();
}

// "name[3]" -> {"name", 3, ""}, "name[3].x0" -> {"name", 3, "x0"}; nullopt for other names.
struct ElementName {
  std::string array;
  std::size_t index;
  std::string field;
};
std::optional<ElementName> splitElementName(const std::string& name) {
  const std::size_t open = name.find('[');
  const std::size_t close = name.find(']');
  if (open == std::string::npos || open == 0 || close == std::string::npos || close <= open + 1) {
    return std::nullopt;
  }
  const std::string digits = name.substr(open + 1, close - open - 1);
  if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  std::string field;
  if (close + 1 < name.size()) {
    if (name[close + 1] != '.') return std::nullopt;
    field = name.substr(close + 2);
  }
  return ElementName{name.substr(0, open), std::stoul(digits), field};
}

}  // namespace

Description parseDescription(const Json& object) {
  requireObject(object, "the description");
  checkKeys(object, {"launch", "words", "blocks"}, "the description");
  Description description;
  description.launch = parseLaunch(object);
  description.words = parseWords(object);
  if (!object.contains("blocks") || !object.at("blocks").is_array()) {
    throw DescriptionError("\"blocks\" is missing or not an array");
  }
  const Json& blocks = object.at("blocks");
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    description.blocks.push_back(parseBlock(blocks[i], description.launch, "block " + std::to_string(i)));
  }
  validate(description);
  return description;
}

Description applyNamedValues(Description layout, const Json& object) {
  requireObject(object, "the input");
  for (const auto& blockItem : object.items()) {
    if (blockItem.key() == kWordsKey) {
      layout.words = parseWords(object);
      continue;
    }
    BlockSpec& block = findByName(layout.blocks, blockItem.key(), "block");
    const std::string where = "block " + block.name;
    requireObject(blockItem.value(), where);
    for (const auto& fieldItem : blockItem.value().items()) {
      if (findArray(block, fieldItem.key()) != nullptr) continue;  // expanded below
      FieldSpec& field = findByName(block.fields, fieldItem.key(), "field of " + where);
      field.value = valueFromJson(fieldItem.value(), field.type, "field " + field.name + " of " + where);
    }
  }
  for (BlockSpec& block : layout.blocks) {
    const bool given = object.contains(block.name);
    expandArrays(block, given ? &object.at(block.name) : nullptr);
  }
  validate(layout);
  return layout;
}

Json toRawJson(const Description& description) {
  Json blocks = Json::array();
  for (const BlockSpec& block : description.blocks) {
    Json entry;
    if (description.launch == LaunchStyle::Tag) {
      entry["tag"] = block.tag;
      entry["kind"] = block.kind;
    }
    entry["dataSize"] = block.dataSize;
    entry["fields"] = fieldsToJson(block, false);
    blocks.push_back(entry);
  }
  return {{"launch", launchName(description.launch)}, {"words", description.words}, {"blocks", blocks}};
}

Json fieldsToJson(const BlockSpec& block, bool byName) {
  Json fields = byName ? Json::object() : Json::array();
  for (const FieldSpec& field : block.fields) {
    if (byName) {
      Json value = field.value ? valueToJson(*field.value, field.type) : Json();
      if (const auto element = splitElementName(field.name)) {
        Json& slot = fields[element->array][element->index];
        (element->field.empty() ? slot : slot[element->field]) = std::move(value);
      } else {
        fields[field.name] = std::move(value);
      }
      continue;
    }
    Json entry;
    if (!field.name.empty()) entry["name"] = field.name;
    entry["offset"] = field.offset;
    entry["type"] = typeName(field.type);
    if (!fixedWidth(field.type)) entry["width"] = field.width;
    if (field.value) entry["value"] = valueToJson(*field.value, field.type);
    fields.push_back(entry);
  }
  return fields;
}

Json valueToJson(const FieldValue& value, FieldType type) {
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
  if (const auto* real = std::get_if<double>(&value)) return *real;
  const std::string& bytes = std::get<std::string>(value);
  if (type == FieldType::Bytes) return toHex(bytes);
  return bytes.substr(0, bytes.find('\0'));
}

FieldValue valueFromJson(const Json& value, FieldType type, const std::string& where) {
  switch (type) {
    case FieldType::Int32: {
      const bool fits = value.is_number_integer() &&
                        (value.is_number_unsigned()
                             ? value.get<std::uint64_t>() <= 0x7fffffffu
                             : value.get<std::int64_t>() >= std::numeric_limits<std::int32_t>::min() &&
                                   value.get<std::int64_t>() <= std::numeric_limits<std::int32_t>::max());
      if (!fits) throw DescriptionError(where + ": the value is not an int32 integer");
      return static_cast<std::int32_t>(value.get<std::int64_t>());
    }
    case FieldType::Double:
      if (!value.is_number()) throw DescriptionError(where + ": the value is not a number");
      return value.get<double>();
    case FieldType::Text:
      if (!value.is_string()) throw DescriptionError(where + ": the value is not a string");
      return value.get<std::string>();
    case FieldType::Bytes:
      if (!value.is_string()) throw DescriptionError(where + ": the value is not a hex string");
      return fromHex(value.get<std::string>(), where);
  }
  throw DescriptionError(where + ": unknown type");
}

std::string toHex(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex;
}

}  // namespace host
