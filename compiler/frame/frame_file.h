// The frame file being written: a binary file written front to back, whose header is rewritten at
// the end. Every write, the seek and the close are checked; one failure sticks, so the compile can
// refuse to report a half-written file as made (a full disk must not look like success).
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace vmx {

class FrameFile {
 public:
  // Creates (or truncates) the file for binary reading and writing; null when that fails.
  static std::unique_ptr<FrameFile> create(const std::string& path);
  ~FrameFile();
  FrameFile(const FrameFile&) = delete;
  FrameFile& operator=(const FrameFile&) = delete;

  void write(std::span<const uint8_t> bytes);
  // The current position: bytes written since the start, or since the last rewind.
  int64_t position() const { return position_; }
  void rewind();
  // Closes the file; false when this or any earlier operation failed.
  bool close();

 private:
  explicit FrameFile(std::FILE* file) : file_(file) {}
  std::FILE* file_;
  int64_t position_ = 0;
  bool failed_ = false;
};

// Removes what a failed compile may have left at `path`, but only a regular file or a symbolic
// link: a directory or a device node of that name is not ours to destroy.
void remove_output(const std::string& path);

}  // namespace vmx
