// The seed corpora of the fuzz targets, one folder per target under a root folder, written from
// the project's own realistic data: the host's sample results and the demo inputs of its named
// layouts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fuzzseeds {

using Bytes = std::vector<std::uint8_t>;

// Writes one seed file; throws std::runtime_error when it cannot.
void writeSeed(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes);

// The data areas of a named layout's demo (or of its variant so named), as the host fills them.
std::vector<Bytes> demoBlocks(const std::string& tool, const std::string& variant);

void writeResultSeeds(const std::filesystem::path& folder);     // result_reader_fuzz
void writeDialogSeeds(const std::filesystem::path& root);       // the six dialog tools' targets
void writeHostInputSeeds(const std::filesystem::path& folder);  // host_input_fuzz
void writeLaunchSeeds(const std::filesystem::path& folder);     // launch_fuzz

}  // namespace fuzzseeds
