// The real PosixPlatform with its desktop operations answered from a script and recorded, so
// tests run real files and processes without a display (and never start a desktop launcher).
#pragma once

#include <string>
#include <vector>

#include "host/runner/posix_platform.h"

namespace vmx::host::testing {

class ScriptedPosixPlatform : public PosixPlatform {
 public:
  using PosixPlatform::PosixPlatform;

  std::optional<std::string> save_path;
  bool answer_yes = false;
  std::vector<std::string> log;  // "save_dialog", "ask TEXT", "error TEXT", "open TARGET"

  bool AskYesNo(const std::string& text, const std::string&) override {
    log.push_back("ask " + text);
    return answer_yes;
  }
  void ShowError(const std::string& text) override { log.push_back("error " + text); }
  std::optional<std::string> AskSavePath(const SaveDialogOptions&) override {
    log.push_back("save_dialog");
    return save_path;
  }
  void OpenWithDefaultApp(const std::string& target) override { log.push_back("open " + target); }
};

}  // namespace vmx::host::testing
