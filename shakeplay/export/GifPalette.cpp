#include "shakeplay/export/GifPalette.h"

#include <algorithm>
#include <limits>

namespace shakeplay::exporting {
namespace {

constexpr int kBins = 1 << 15;
constexpr std::size_t kMaxColours = 256;
constexpr std::uint32_t kNoColour = std::numeric_limits<std::uint32_t>::max();

int binOf(const std::uint8_t* p) { return ((p[0] >> 3) << 10) | ((p[1] >> 3) << 5) | (p[2] >> 3); }

// Per 5-bit bin: how many pixels, their channel sums, and the one exact colour they share (or
// kNoColour once two differ).
struct Histogram {
  std::vector<std::uint32_t> count = std::vector<std::uint32_t>(kBins, 0);
  std::vector<std::array<std::uint64_t, 3>> sum = std::vector<std::array<std::uint64_t, 3>>(kBins);
  std::vector<std::uint32_t> exact = std::vector<std::uint32_t>(kBins, 0);
  std::vector<int> used;
  bool mixed = false;
};

Histogram histogramOf(const FrameImage& frame) {
  Histogram h;
  const std::uint8_t* p = frame.rgb.data();
  const std::size_t pixels = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
  for (std::size_t i = 0; i < pixels; ++i, p += 3) {
    const int bin = binOf(p);
    const std::uint32_t colour = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    if (h.count[bin]++ == 0) {
      h.used.push_back(bin);
      h.exact[bin] = colour;
    } else if (h.exact[bin] != colour && h.exact[bin] != kNoColour) {
      h.exact[bin] = kNoColour;
      h.mixed = true;
    }
    h.sum[bin][0] += p[0];
    h.sum[bin][1] += p[1];
    h.sum[bin][2] += p[2];
  }
  return h;
}

int channel(int bin, int c) { return (bin >> (10 - 5 * c)) & 31; }

// A box of bins to be cut along its widest channel at the pixel-weighted median.
struct Box {
  std::size_t first, last;  // a range of `order`
  int widestChannel = 0;
  int width = 0;
};

void measure(Box& box, const std::vector<int>& order) {
  box.width = -1;
  for (int c = 0; c < 3; ++c) {
    int low = 31, high = 0;
    for (std::size_t i = box.first; i < box.last; ++i) {
      low = std::min(low, channel(order[i], c));
      high = std::max(high, channel(order[i], c));
    }
    if (high - low > box.width) {
      box.width = high - low;
      box.widestChannel = c;
    }
  }
}

std::vector<Box> medianCut(const Histogram& h, std::vector<int>& order) {
  order = h.used;
  std::vector<Box> boxes{{0, order.size()}};
  measure(boxes[0], order);
  while (boxes.size() < kMaxColours) {
    const auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
      return (a.last - a.first > 1 ? a.width : -1) < (b.last - b.first > 1 ? b.width : -1);
    });
    if (widest->last - widest->first < 2) break;
    Box box = *widest;
    const int c = box.widestChannel;
    std::sort(order.begin() + static_cast<std::ptrdiff_t>(box.first),
              order.begin() + static_cast<std::ptrdiff_t>(box.last),
              [c](int a, int b) { return channel(a, c) < channel(b, c); });
    std::uint64_t total = 0;
    for (std::size_t i = box.first; i < box.last; ++i) total += h.count[static_cast<std::size_t>(order[i])];
    std::uint64_t below = 0;
    std::size_t cut = box.first + 1;
    for (std::size_t i = box.first; i + 1 < box.last; ++i) {
      below += h.count[static_cast<std::size_t>(order[i])];
      cut = i + 1;
      if (2 * below >= total) break;
    }
    Box upper{cut, box.last};
    widest->last = cut;
    measure(*widest, order);
    measure(upper, order);
    boxes.push_back(upper);
  }
  return boxes;
}

}  // namespace

IndexedFrame indexFrame(const FrameImage& frame) {
  const Histogram h = histogramOf(frame);
  IndexedFrame indexed;
  std::vector<std::uint8_t> binIndex(kBins, 0);
  if (!h.mixed && h.used.size() <= kMaxColours) {
    indexed.exact = true;
    for (const int bin : h.used) {
      const std::uint32_t colour = h.exact[static_cast<std::size_t>(bin)];
      binIndex[static_cast<std::size_t>(bin)] = static_cast<std::uint8_t>(indexed.palette.size());
      indexed.palette.push_back({static_cast<std::uint8_t>(colour >> 16),
                                 static_cast<std::uint8_t>(colour >> 8), static_cast<std::uint8_t>(colour)});
    }
  } else {
    std::vector<int> order;
    for (const Box& box : medianCut(h, order)) {
      std::array<std::uint64_t, 3> sum{};
      std::uint64_t count = 0;
      for (std::size_t i = box.first; i < box.last; ++i) {
        const auto bin = static_cast<std::size_t>(order[i]);
        for (int c = 0; c < 3; ++c)
          sum[static_cast<std::size_t>(c)] += h.sum[bin][static_cast<std::size_t>(c)];
        count += h.count[bin];
        binIndex[bin] = static_cast<std::uint8_t>(indexed.palette.size());
      }
      indexed.palette.push_back({static_cast<std::uint8_t>((sum[0] + count / 2) / count),
                                 static_cast<std::uint8_t>((sum[1] + count / 2) / count),
                                 static_cast<std::uint8_t>((sum[2] + count / 2) / count)});
    }
  }
  if (indexed.palette.empty()) indexed.palette.push_back({0, 0, 0});
  const std::size_t pixels = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
  indexed.indices.resize(pixels);
  const std::uint8_t* p = frame.rgb.data();
  for (std::size_t i = 0; i < pixels; ++i, p += 3)
    indexed.indices[i] = binIndex[static_cast<std::size_t>(binOf(p))];
  return indexed;
}

}  // namespace shakeplay::exporting
