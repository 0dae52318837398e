#include "shakeplay/export/PngSeries.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace shakeplay::exporting {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

[[noreturn]] void libpngFailed(png_structp png, png_const_charp text) {
  // Leaves through the jump buffer set in writePng; the text is kept for the message.
  auto* message = static_cast<std::string*>(png_get_error_ptr(png));
  *message = text;
  png_longjmp(png, 1);
}

void libpngWarned(png_structp, png_const_charp) {}

// The libpng part, apart from anything with a destructor: a longjmp leaves it on error.
bool encode(std::FILE* file, const FrameImage& frame, const std::vector<png_bytep>& rows,
            std::string& message) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &message, libpngFailed, libpngWarned);
  if (png == nullptr) {
    message = "out of memory";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    if (message.empty()) message = "out of memory";
    return false;
  }
  png_init_io(png, file);
  // Speed first: the exporter writes a file per frame while the next one is drawn.
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
  png_set_IHDR(png, info, static_cast<png_uint_32>(frame.width), static_cast<png_uint_32>(frame.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_write_info(png, info);
  png_write_image(png, const_cast<png_bytepp>(rows.data()));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::string seriesFileName(const std::string& outPath, int index, int count) {
  const std::size_t digits = std::max<std::size_t>(4, std::to_string(count > 0 ? count - 1 : 0).size());
  std::string number = std::to_string(index);
  if (number.size() < digits) number.insert(0, digits - number.size(), '0');
  return outPath.substr(0, outPath.size() - 4) + "-" + number + outPath.substr(outPath.size() - 4);
}

void writePng(const std::string& path, const FrameImage& frame) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) throw ExportError("cannot write " + path + ": " + std::strerror(errno));
  std::vector<png_bytep> rows(static_cast<std::size_t>(frame.height));
  for (int y = 0; y < frame.height; ++y)
    rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(frame.row(y));
  std::string message;
  if (!encode(file.get(), frame, rows, message)) throw ExportError("cannot write " + path + ": " + message);
  if (std::fflush(file.get()) != 0 || std::ferror(file.get()) != 0) {
    throw ExportError("cannot write " + path + ": " + std::strerror(errno));
  }
}

void PngSeries::write(const FrameImage& frame) { writePng(seriesFileName(outPath_, next_++, count_), frame); }

}  // namespace shakeplay::exporting
