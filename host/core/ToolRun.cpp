#include "host/core/ToolRun.h"

#include "host/core/DescriptionJson.h"
#include "host/core/HostBlocks.h"

namespace host {
namespace {

Json outcomeToJson(const ToolOutcome& outcome) {
  Json json;
  if (outcome.exited) {
    json["exitCode"] = outcome.exitCode;
  } else {
    json["signal"] = signalName(outcome.signal);
  }
  if (outcome.interruptedBy != 0) json["interruptedBy"] = signalName(outcome.interruptedBy);
  return json;
}

Json blocksToJson(const Description& description, const HostBlocks& blocks, bool byName) {
  Json list = Json::array();
  for (std::size_t i = 0; i < description.blocks.size(); ++i) {
    const BlockSpec& block = description.blocks[i];
    Json entry;
    if (byName) entry["name"] = block.name;
    if (description.launch == LaunchStyle::Tag) {
      entry["tag"] = block.tag;
      entry["kind"] = block.kind;
    }
    entry["key"] = blocks.keys()[i];
    entry["header"] = headerToJson(blocks.header(i));
    entry["fields"] = fieldsToJson(blocks.readBack(i), byName);
    list.push_back(entry);
  }
  return list;
}

}  // namespace

std::vector<std::string> launchWords(const Description& description, const std::vector<std::string>& keys) {
  std::vector<std::string> words;
  if (description.launch == LaunchStyle::Key) {
    words.push_back("/SHMKEY:" + keys.at(0));
  } else {
    for (std::size_t i = 0; i < description.blocks.size(); ++i) {
      const BlockSpec& block = description.blocks[i];
      words.push_back("/TAG:" + block.tag + ":" + block.kind + ":" + keys.at(i));
    }
  }
  words.insert(words.end(), description.words.begin(), description.words.end());
  return words;
}

int exitCodeFor(const ToolOutcome& outcome) {
  if (outcome.interruptedBy != 0) return kExitSignalBase + outcome.interruptedBy;
  if (!outcome.exited) return kExitSignalBase + outcome.signal;
  return outcome.exitCode == 0 ? 0 : kExitToolFailed;
}

RunResult runTool(const Description& description, const std::filesystem::path& program,
                  const RunOptions& options) {
  // The forwarding outlives the blocks, so an interruption at any point still unlinks them.
  InterruptForwarding forwarding;
  HostBlocks blocks(description, options.keyPrefix.empty() ? defaultKeyPrefix() : options.keyPrefix);
  const std::vector<std::string> words = launchWords(description, blocks.keys());
  const ToolOutcome outcome =
      forwarding.run(program, words, options.stdoutToStderr, [&blocks] { return blocks.unlinkAttached(); });

  RunResult result;
  result.report = {{"tool", program.string()}, {"arguments", words}};
  result.report.update(outcomeToJson(outcome));
  result.report["blocks"] = blocksToJson(description, blocks, options.fieldsByName);
  result.exitCode = exitCodeFor(outcome);
  return result;
}

}  // namespace host
