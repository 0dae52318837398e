// Where the result file's bytes come from: the file itself, or memory (tests, fuzzing).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace shakeplay {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to n bytes into dst; true only when all n were delivered.
  virtual bool read(void* dst, std::size_t n) = 0;
  // Bytes left to read; the largest value when the size is not known (a pipe).
  virtual std::uint64_t remaining() const = 0;
};

class FileSource : public ByteSource {
 public:
  // Null when the file cannot be opened for reading.
  static std::unique_ptr<FileSource> open(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool read(void* dst, std::size_t n) override;
  std::uint64_t remaining() const override;

 private:
  FileSource(int fd, std::uint64_t size, bool sized);
  int fd_;
  std::uint64_t size_;
  bool sized_;
  std::uint64_t offset_ = 0;
};

class MemorySource : public ByteSource {
 public:
  MemorySource(const void* data, std::size_t size);
  bool read(void* dst, std::size_t n) override;
  std::uint64_t remaining() const override;

 private:
  const unsigned char* data_;
  std::size_t size_;
  std::size_t offset_ = 0;
};

}  // namespace shakeplay
