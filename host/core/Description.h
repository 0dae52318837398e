// What the host puts into shared memory for one tool run: the launch style, the blocks and,
// per block, the fields by offset and type. A named layout is the same thing with names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace host {

// "tag": one /TAG:<tag>:<kind>:<key> argument per block; "key": one /SHMKEY:<key> word.
enum class LaunchStyle { Tag, Key };

enum class FieldType { Int32, Double, Text, Bytes };

// int32 for Int32, double for Double, the raw characters or bytes for Text and Bytes.
using FieldValue = std::variant<std::int32_t, double, std::string>;

struct FieldSpec {
  std::string name;  // empty in a raw description unless the author gave one
  std::int64_t offset = 0;
  FieldType type = FieldType::Int32;
  std::int64_t width = 4;           // 4 for Int32, 8 for Double, the field width otherwise
  std::optional<FieldValue> value;  // written before the tool starts; absent: only read back
};

// A repeated group of fields in a named layout: element i's fields lie at offset + i x stride,
// their own offsets counted from the element's start. One unnamed field makes an array of plain
// values ("abscissa": [0.5, 2.0]); named fields an array of records ("segments": [{"x0": 1}]).
// Named input turns it into plain fields called "name[i]" or "name[i].field" (applyNamedValues).
struct ArraySpec {
  std::string name;
  std::int64_t offset = 0;
  std::int64_t stride = 0;
  std::int64_t capacity = 0;  // elements the block holds; 0: as many as given, the block grows
  std::vector<FieldSpec> element;
};

struct BlockSpec {
  std::string name;  // how named input and output call the block (the tag for tag tools)
  std::string tag;   // tag style only
  std::string kind;  // tag style only
  std::int64_t dataSize = 0;
  std::vector<FieldSpec> fields;
  std::vector<ArraySpec> arrays = {};  // named layouts only; none once named values are in
};

struct Description {
  LaunchStyle launch = LaunchStyle::Tag;
  std::vector<std::string> words;  // extra launch words, after the block arguments
  std::vector<BlockSpec> blocks;
};

// A description or its JSON form is unusable; what() says where and why.
class DescriptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Largest data area the host creates (the header's dataSize is an int32).
inline constexpr std::int64_t kMaxDataSize = std::int64_t{1} << 28;
// Longest tag a tool keeps (its records hold the tag in eight bytes with the ending zero).
inline constexpr std::size_t kMaxTagLength = 7;

std::string typeName(FieldType type);
std::optional<FieldType> typeFromName(const std::string& name);
std::string launchName(LaunchStyle style);

// The fixed width of Int32 and Double, nullopt for the types whose width the author chooses.
std::optional<std::int64_t> fixedWidth(FieldType type);

// Throws DescriptionError for the first fault: no block, more than one block for a key-style
// launch, a size out of range, a field outside its block, a value of the wrong kind or too long
// for its field, a tag or kind that the launch argument cannot carry. Overlapping fields are fine.
void validate(const Description& description);

// "block DATA", "field freqMax of block DATA", "field 2 (offset 16) of block 0" ...
std::string describeBlock(const BlockSpec& block, std::size_t index);
std::string describeField(const BlockSpec& block, std::size_t blockIndex, const FieldSpec& field,
                          std::size_t fieldIndex);

}  // namespace host
