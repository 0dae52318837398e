// Fuzzes the host's JSON input: the text parsed, taken as a raw description or as values by
// name over the layout the first byte chooses, and every block filled into memory as the host
// fills its mappings (no tool is started), read back and reported. A refusal (DescriptionError)
// is the expected outcome for bad input; anything else is a fault.
#include <sys/mman.h>

#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "fuzz/support/FuzzCheck.h"
#include "host/core/BlockMemory.h"
#include "host/core/RunInput.h"
#include "host/core/ToolRun.h"
#include "host/layouts/Layouts.h"

using fuzzsupport::check;

namespace {

// Blocks up to this size live on the heap, where the sanitizers watch every byte around them;
// larger ones in zeroed pages, as the host's mappings are.
constexpr std::size_t kHeapLimit = std::size_t{1} << 20;

class Memory {
 public:
  explicit Memory(std::size_t size) : size_(size) {
    if (size <= kHeapLimit) {
      heap_.resize(size);
      data_ = heap_.data();
      return;
    }
    void* pages = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    check(pages != MAP_FAILED, "no memory for a block of " + std::to_string(size) + " bytes");
    data_ = static_cast<std::byte*>(pages);
  }
  ~Memory() {
    if (heap_.empty()) munmap(data_, size_);
  }
  Memory(const Memory&) = delete;
  Memory& operator=(const Memory&) = delete;

  std::span<std::byte> bytes() { return {data_, size_}; }

 private:
  std::size_t size_;
  std::vector<std::byte> heap_;
  std::byte* data_ = nullptr;
};

// Each field with a value that no later field overwrites reads back as written (texts and bytes
// with the rest of their width zero). Checked on the heap's blocks, where the fields are few
// enough to follow byte by byte.
void checkReadBack(const host::BlockSpec& written, const host::BlockSpec& read) {
  constexpr auto kMostBytes = static_cast<std::int64_t>(kHeapLimit);
  std::int64_t total = 0;
  for (const host::FieldSpec& field : written.fields) total += field.value ? field.width : 0;
  if (total > kMostBytes || written.dataSize > kMostBytes) return;
  std::vector<int> owner(static_cast<std::size_t>(written.dataSize), -1);
  for (std::size_t i = 0; i < written.fields.size(); ++i) {
    const host::FieldSpec& field = written.fields[i];
    if (!field.value) continue;
    for (std::int64_t b = 0; b < field.width; ++b)
      owner[static_cast<std::size_t>(field.offset + b)] = static_cast<int>(i);
  }
  for (std::size_t i = 0; i < written.fields.size(); ++i) {
    const host::FieldSpec& field = written.fields[i];
    if (!field.value) continue;
    bool kept = true;
    for (std::int64_t b = 0; b < field.width; ++b)
      kept = kept && owner[static_cast<std::size_t>(field.offset + b)] == static_cast<int>(i);
    if (!kept) continue;
    host::FieldValue expected = *field.value;
    if (auto* text = std::get_if<std::string>(&expected))
      text->resize(static_cast<std::size_t>(field.width), '\0');
    check(read.fields.at(i).value == expected,
          host::describeField(written, 0, field, i) + " does not read back as written");
  }
}

void fillAndReport(const host::RunInput& input) {
  host::Json report = host::Json::array();
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < input.description.blocks.size(); ++i)
    keys.push_back("kvfz" + std::to_string(i));
  report.push_back(host::launchWords(input.description, keys));
  for (const host::BlockSpec& block : input.description.blocks) {
    Memory memory(host::kHeaderSize + static_cast<std::size_t>(block.dataSize));
    host::writeBlock(memory.bytes(), block);
    const host::BlockHeader header = host::readHeader(memory.bytes());
    check(header.attachCount == 0 && header.dataSize == block.dataSize && header.attachedMark == 0,
          "the header of " + block.name + " is not as the host writes it");
    const host::BlockSpec read = host::readFields(memory.bytes(), block);
    checkReadBack(block, read);
    report.push_back(host::headerToJson(header));
    report.push_back(host::fieldsToJson(read, input.fieldsByName));
  }
  report.dump(2, ' ', false, host::Json::error_handler_t::replace);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const auto& layouts = host::allLayouts();
  const host::NamedLayout* layout =
      data[0] % (layouts.size() + 1) == 0 ? nullptr : &layouts[data[0] % (layouts.size() + 1) - 1];
  host::RunInput input;
  try {
    const host::Json json = host::parseJson(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    input = host::interpretInput(json, layout, layout == nullptr ? "fuzz-tool" : layout->tool);
  } catch (const host::DescriptionError&) {
    return 0;
  }
  try {
    host::validate(input.description);
    const host::Description again = host::parseDescription(host::toRawJson(input.description));
    check(again.blocks.size() == input.description.blocks.size(),
          "the raw form reads back with other blocks");
  } catch (const host::DescriptionError& error) {
    fuzzsupport::fail(std::string("an accepted input's raw form is refused: ") + error.what());
  }
  fillAndReport(input);
  return 0;
}
