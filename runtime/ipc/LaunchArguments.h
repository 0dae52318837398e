// The launch arguments of the tools: "/TAG:" tag ":" kind ":" key per block, or one word
// holding "/SHMKEY:" key.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct TagArgument {
  std::string tag;
  std::string kind;
  std::string key;
};

// True for a word that begins with exactly "/TAG:".
bool isTagArgument(std::string_view word);

// Splits a /TAG: argument at runs of '/' and ':' (leading ones skipped): "TAG", tag, kind, key;
// anything after a fifth separator is ignored. Empty when it has fewer than four fields.
std::optional<TagArgument> parseTagArgument(std::string_view word);

// The key behind the first "/SHMKEY:" among the words (to the end of that word), or null.
const char* findShmKey(int argc, const char* const* argv);

// True when a tag fits the record, and a key the registry; otherwise they write why ("lyrIpc: ...").
bool tagFits(std::string_view tag);
bool keyFits(std::string_view key);
