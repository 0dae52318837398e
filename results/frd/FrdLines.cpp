#include "results/frd/FrdLines.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "results/frd/FrdError.h"

namespace host::results {
namespace {

// Longer lines are no ASCII result records: refusing them keeps a binary file from filling memory.
constexpr std::size_t kLongestLine = 4096;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

FrdLines::FrdLines(std::istream& in, std::string file) : in_(in), file_(std::move(file)) {}

bool FrdLines::next() {
  text_.clear();
  char c = 0;
  while (in_.get(c) && c != '\n') {
    if (text_.size() == kLongestLine) {
      failAt(number_ + 1,
             joined("the line is longer than ", kLongestLine, " characters: not an ASCII .frd file"));
    }
    text_.push_back(c);
  }
  if (text_.empty() && !in_) return false;
  if (!text_.empty() && text_.back() == '\r') text_.pop_back();
  ++number_;
  return true;
}

std::string_view FrdLines::field(std::size_t first, std::size_t width) const {
  if (first >= text_.size()) return {};
  return trimmed(std::string_view(text_).substr(first, width));
}

long long FrdLines::integer(std::size_t first, std::size_t width, const char* what) const {
  const std::string_view text = field(first, width);
  if (text.empty()) failField(first, width, what, "is missing");
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    failField(first, width, what, "is not an integer");
  return value;
}

double FrdLines::real(std::size_t first, std::size_t width, const char* what) const {
  const std::string_view text = field(first, width);
  if (text.empty()) failField(first, width, what, "is missing");
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    failField(first, width, what, "is not a number");
  if (!std::isfinite(value)) failField(first, width, what, "is not a finite number");
  return value;
}

void FrdLines::fail(const std::string& message) const { failAt(number_, message); }

void FrdLines::failAt(int line, const std::string& message) const { throw FrdError(file_, line, message); }

void FrdLines::failField(std::size_t first, std::size_t width, const char* what, const char* problem) const {
  const std::string text(field(first, width));
  fail(joined(what, text.empty() ? "" : " '", text, text.empty() ? "" : "'", " in columns ", first + 1, "-",
              first + width, " ", problem));
}

}  // namespace host::results
