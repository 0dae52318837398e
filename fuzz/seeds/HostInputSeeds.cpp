// Seeds of the host's JSON input: every named layout's demo values (and its variants) under the
// byte that chooses that layout, the raw form of each demo, a short curve for the plots, whose
// demos are long, and a raw description with a field of every type. Texts longer than the
// target's inputs (run.sh) are left out.
#include "fuzz/seeds/Seeds.h"
#include "host/core/RunInput.h"
#include "host/layouts/Layouts.h"

namespace fuzzseeds {
namespace {

constexpr const char* kEveryType = R"({"launch": "tag", "words": ["-dyn"], "blocks": [
  {"tag": "DATA", "kind": "SM", "dataSize": 64, "fields": [
    {"name": "count", "offset": 0, "type": "int32", "value": -7},
    {"offset": 8, "type": "double", "value": 2.5e-3},
    {"name": "title", "offset": 16, "type": "text", "width": 20, "value": "TIME function :"},
    {"offset": 40, "type": "bytes", "value": "00ff10a5"},
    {"offset": 48, "type": "int32"}]},
  {"tag": "INFO", "kind": "FT", "dataSize": 0}]})";

constexpr const char* kShortCurve = R"({"INFO": {"markMaximum": 1, "valueTop": 2.5, "valueBottom": -0.5,
  "segmentCount": 3, "dispersion": 0.25, "caption": "Displacement at node 12"},
  "LINE": {"segments": [{"x0": 0.0, "x1": 0.1, "y0": 0.0, "y1": 1.5},
                        {"x0": 0.1, "x1": 0.2, "y0": 1.5, "y1": -0.5},
                        {"x0": 0.2, "x1": 0.3, "y0": -0.5, "y1": 2.5}]}})";
constexpr std::size_t kLongestInput = 8192;

void writeText(const std::filesystem::path& folder, const std::string& name, std::size_t layoutByte,
               const std::string& text) {
  if (text.size() + 1 > kLongestInput) return;
  Bytes seed = {static_cast<std::uint8_t>(layoutByte)};
  seed.insert(seed.end(), text.begin(), text.end());
  writeSeed(folder, name, seed);
}

}  // namespace

void writeHostInputSeeds(const std::filesystem::path& folder) {
  const auto& layouts = host::allLayouts();
  for (std::size_t i = 0; i < layouts.size(); ++i) {
    const host::NamedLayout& layout = layouts[i];
    writeText(folder, layout.tool + "-named", i + 1, layout.demoValues);
    for (const host::DemoVariant& variant : layout.demoVariants) {
      writeText(folder, layout.tool + "-" + variant.name + "-named", i + 1, variant.values);
    }
    writeText(folder, layout.tool + "-raw", 0, host::toRawJson(host::demoInput(layout).description).dump());
    if (layout.tool.starts_with("curveplot")) writeText(folder, layout.tool + "-short", i + 1, kShortCurve);
  }
  writeText(folder, "every-type-raw", 0, kEveryType);
}

}  // namespace fuzzseeds
