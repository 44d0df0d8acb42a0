// A fresh folder under the system temporary directory for one test, removed with its contents.
#pragma once

#include <string>

namespace vmx::host::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);

}  // namespace vmx::host::testing
