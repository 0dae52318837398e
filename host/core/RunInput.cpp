#include "host/core/RunInput.h"

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "host/core/DescriptionJson.h"

namespace host {

RunInput interpretInput(const Json& input, const NamedLayout* layout, const std::string& tool) {
  if (input.is_object() && input.contains("launch")) return {parseDescription(input), false};
  if (layout == nullptr) {
    throw DescriptionError("\"" + tool +
                           "\" has no named layout: give a raw description (with \"launch\" "
                           "and \"blocks\") or one of the tools listed by `korvena-host layouts`");
  }
  return {applyNamedValues(layout->description, input), true};
}

RunInput demoInput(const NamedLayout& layout, const std::string& variant) {
  const std::string* values = &layout.demoValues;
  if (!variant.empty()) {
    std::string names;
    values = nullptr;
    for (const DemoVariant& candidate : layout.demoVariants) {
      if (candidate.name == variant) values = &candidate.values;
      names += (names.empty() ? "" : ", ") + candidate.name;
    }
    if (values == nullptr) {
      throw DescriptionError(layout.tool + " has no demo \"" + variant +
                             "\" (known: " + (names.empty() ? "none" : names) + ")");
    }
  }
  Json parsed;
  try {
    parsed = parseJson(*values);
  } catch (const DescriptionError& error) {
    throw DescriptionError("the demo values of " + layout.tool + ": " + error.what());
  }
  return {applyNamedValues(layout.description, parsed), true};
}

Json parseJson(const std::string& text) {
  // The keys of every object still open, innermost last: a key given twice in one object is
  // refused instead of the last one silently winning.
  std::vector<std::set<std::string>> keys;
  const Json::parser_callback_t refuseDuplicateKeys = [&keys](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) keys.emplace_back();
    if (event == Json::parse_event_t::object_end && !keys.empty()) keys.pop_back();
    if (event == Json::parse_event_t::key && !keys.back().insert(parsed.get<std::string>()).second) {
      throw DescriptionError("the key \"" + parsed.get<std::string>() + "\" is given twice in one object");
    }
    return true;
  };
  try {
    return Json::parse(text, refuseDuplicateKeys);
  } catch (const nlohmann::json::exception& error) {
    throw DescriptionError(std::string("not valid JSON: ") + error.what());
  }
}

Json readJsonFile(const std::filesystem::path& file) {
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored)) throw DescriptionError("is a directory, not a JSON file");
  std::ifstream stream(file, std::ios::binary);
  if (!stream) throw DescriptionError("the file cannot be read");
  std::string text;
  try {
    text.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure& error) {
    throw DescriptionError(std::string("the file cannot be read: ") + error.what());
  }
  if (stream.bad()) throw DescriptionError("the file cannot be read");
  return parseJson(text);
}

}  // namespace host
