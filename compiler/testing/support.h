// Shared test helpers for the compiler: temporary folders, files, definitions, captured output,
// and running the real vmxmk.
#pragma once

#include <tinyxml.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vmx::testing {

// A fresh directory under the system temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::filesystem::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

void write_file(const std::string& path, const std::string& bytes);
std::string read_file(const std::string& path);
std::vector<uint8_t> read_bytes(const std::string& path);

// Parses a definition text; fails the test when it is not well-formed.
std::unique_ptr<TiXmlDocument> parse(const std::string& xml);
// The first element of a parsed document (for reader and builder tests).
const TiXmlElement& root(const TiXmlDocument& doc);

// A minimal valid definition around the given elements and actions bodies.
std::string definition(const std::string& elements, const std::string& actions,
                       const std::string& header_extra = "");

struct RunResult {
  int status;          // exit status, or -1000 - signal when killed
  std::string output;  // standard output
};
// Runs the built vmxmk with the arguments, in `cwd`, capturing standard output. A nonnegative
// `file_size_limit` caps the files the child may write (SIGXFSZ ignored, so writes fail instead).
RunResult run_vmxmk(const std::vector<std::string>& args, const std::string& cwd = ".",
                    const std::string& argv0 = VMXMK_PATH, long file_size_limit = -1);

// XORs bytes [from, to) with the scramble mask, for reading back records.
std::vector<uint8_t> unscrambled(const std::vector<uint8_t>& bytes, size_t from, size_t to);

}  // namespace vmx::testing
