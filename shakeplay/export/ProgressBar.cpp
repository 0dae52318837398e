#include "shakeplay/export/ProgressBar.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "platform/FormatText.h"

namespace shakeplay::exporting {
namespace {

constexpr int kCells = 30;

}  // namespace

std::string progressLine(int done, int total, int width) {
  const long long clamped = std::clamp(done, 0, std::max(total, 0));
  const long long filled = total > 0 ? clamped * width / total : width;
  const long long percent = total > 0 ? clamped * 100 / total : 100;
  std::string line(static_cast<std::size_t>(width) + 2, '.');
  line.front() = '[';
  line.back() = ']';
  std::fill_n(line.begin() + 1, filled, '#');
  line.append(platform::formatText(" %3lld%%  %lld/%d frames", percent, clamped, total));
  return line;
}

ProgressBar::ProgressBar(std::FILE* stream, int total)
    : stream_(stream), total_(total), shown_(stream != nullptr && ::isatty(::fileno(stream)) != 0) {}

void ProgressBar::advance(int done) {
  if (!shown_) return;
  std::string line = progressLine(done, total_, kCells);
  if (line == last_) return;
  std::fprintf(stream_, "\r%s", line.c_str());
  std::fflush(stream_);
  last_ = std::move(line);
}

void ProgressBar::finish() {
  if (!shown_ || last_.empty()) return;
  std::fputc('\n', stream_);
  std::fflush(stream_);
  last_.clear();
}

}  // namespace shakeplay::exporting
