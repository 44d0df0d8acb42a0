// Checked binary output for frame files.
#include "compiler/frame/frame_file.h"

#include <sys/stat.h>
#include <unistd.h>

namespace vmx {

std::unique_ptr<FrameFile> FrameFile::create(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb+");
  if (!file) return nullptr;
  return std::unique_ptr<FrameFile>(new FrameFile(file));
}

FrameFile::~FrameFile() {
  if (file_) std::fclose(file_);
}

void FrameFile::write(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return;
  if (!file_ || std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
  position_ += static_cast<int64_t>(bytes.size());
}

void FrameFile::rewind() {
  if (!file_ || std::fseek(file_, 0, SEEK_SET) != 0) failed_ = true;
  position_ = 0;
}

bool FrameFile::close() {
  if (file_) {
    // fclose flushes the buffer; a failure there is the last chance to notice a short write.
    if (std::fflush(file_) != 0 || std::ferror(file_)) failed_ = true;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
  }
  return !failed_;
}

void remove_output(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return;
  if (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)) ::unlink(path.c_str());
}

}  // namespace vmx
