#include "host/core/RunInput.h"

#include <fstream>

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
  try {
    return {applyNamedValues(layout.description, Json::parse(*values)), true};
  } catch (const nlohmann::json::exception& error) {
    throw DescriptionError("the demo values of " + layout.tool + " are not JSON: " + error.what());
  }
}

Json readJsonFile(const std::filesystem::path& file) {
  std::ifstream stream(file);
  if (!stream) throw DescriptionError("the file cannot be read");
  try {
    return Json::parse(stream);
  } catch (const nlohmann::json::exception& error) {
    throw DescriptionError(std::string("not valid JSON: ") + error.what());
  }
}

}  // namespace host
