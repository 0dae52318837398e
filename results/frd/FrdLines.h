// The lines of a .frd file, one at a time, with its fixed-column fields: every fault is
// reported with the file name, the line number and, for a field, its columns.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace host::results {

class FrdLines {
 public:
  FrdLines(std::istream& in, std::string file);

  // The next line, without its end; false at the end of the input.
  bool next();
  int number() const { return number_; }
  const std::string& text() const { return text_; }
  const std::string& file() const { return file_; }

  // The field of `width` characters that starts at column `first` (counted from 0), without
  // its blanks; empty where the line is shorter.
  std::string_view field(std::size_t first, std::size_t width) const;
  // An integer or a finite real number in the field; a blank or malformed field is refused.
  long long integer(std::size_t first, std::size_t width, const char* what) const;
  double real(std::size_t first, std::size_t width, const char* what) const;

  [[noreturn]] void fail(const std::string& message) const;
  [[noreturn]] void failAt(int line, const std::string& message) const;

 private:
  [[noreturn]] void failField(std::size_t first, std::size_t width, const char* what,
                              const char* problem) const;

  std::istream& in_;
  std::string file_;
  std::string text_;
  int number_ = 0;
};

}  // namespace host::results
