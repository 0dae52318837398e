// Joins the pieces of a message, numbers written in decimal. Appending piece by piece, rather
// than adding strings to literals, keeps GCC 12's false -Wrestrict warnings away at -O3.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

namespace host::results {

inline void appendPiece(std::string& text, std::string_view piece) { text.append(piece); }

template <std::integral Number>
void appendPiece(std::string& text, Number n) {
  text.append(std::to_string(n));
}

template <class... Pieces>
std::string joined(const Pieces&... pieces) {
  std::string text;
  (appendPiece(text, pieces), ...);
  return text;
}

}  // namespace host::results
