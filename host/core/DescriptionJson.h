// The JSON forms of a description: the raw form (blocks and fields by offset and type) and the
// named form (values by block and field name over a named layout). Both end in one Description.
#pragma once

#include <nlohmann/json.hpp>

#include "host/core/Description.h"

namespace host {

// Objects keep their keys in the order written, so reports read like their input.
using Json = nlohmann::ordered_json;

// Raw form: {"launch": "tag"|"key", "words": [...], "blocks": [{"tag", "kind", "dataSize",
// "fields": [{"name"?, "offset", "type", "width"?, "value"?}]}]}. Validated; throws
// DescriptionError with the place of the first fault.
Description parseDescription(const Json& json);

// Named form: {"<block name>": {"<field name>": value, ...}, ..., "words": [...]?} over a
// layout's description. Fields not given keep the layout's value (zero memory when it has none).
// An array is given as a JSON array (of values, or of objects for records) and becomes plain
// fields "name[i]" / "name[i].field"; "words" replaces the extra launch words. Validated.
Description applyNamedValues(Description layout, const Json& json);

// The raw form of a description, values included where present: parseDescription reads it back.
Json toRawJson(const Description& description);

// One block's fields for a report: the raw field list, or {name: value} for named blocks, where
// the fields of an array ("name[i]", "name[i].field") are put back together as a JSON array.
Json fieldsToJson(const BlockSpec& block, bool byName);

// A value as JSON: a number, the text up to its first zero byte, or lower-case hex for bytes.
Json valueToJson(const FieldValue& value, FieldType type);

// Reads one value of the given type; `where` names the field in the message of a fault.
FieldValue valueFromJson(const Json& json, FieldType type, const std::string& where);

// "00ff10" for the bytes {0, 255, 16}.
std::string toHex(const std::string& bytes);

}  // namespace host
