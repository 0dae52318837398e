// What `korvena-host run` reads: a raw description, or values by name over a named layout.
#pragma once

#include <filesystem>
#include <string>

#include "host/core/Description.h"
#include "host/core/DescriptionJson.h"
#include "host/layouts/NamedLayout.h"

namespace host {

struct RunInput {
  Description description;
  bool fieldsByName = false;  // named layouts report their fields by name
};

// An input with a "launch" key is a raw description; any other object gives values by name
// over `layout` (null: the tool has no named layout, which is an error then).
RunInput interpretInput(const Json& input, const NamedLayout* layout, const std::string& tool);

// The named layout run with its demo values, or with those of the variant so named (empty: the
// main demo). Throws DescriptionError for a variant the layout does not have.
RunInput demoInput(const NamedLayout& layout, const std::string& variant = {});

// Parses JSON text, refusing a key given twice in one object; throws DescriptionError saying
// what is wrong with it.
Json parseJson(const std::string& text);

// Reads and parses a JSON file (as parseJson); throws DescriptionError saying what is wrong with it.
Json readJsonFile(const std::filesystem::path& file);

}  // namespace host
