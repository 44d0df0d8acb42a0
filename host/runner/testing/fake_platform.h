// A recording fake of the Platform for the runner's and the external object's tests: answers come
// from public fields set by the test, and every effect is logged in order.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/runner/platform.h"

namespace vmx::host::testing {

class FakePlatform : public Platform {
 public:
  // ---- The script: what the fake answers ----
  std::optional<std::string> temp_dir = "/run/user/1000/vimox";
  uint32_t tick_count = 0;
  std::vector<uint8_t> compiler_bytes = {0x7f, 'E', 'L', 'F'};
  std::set<std::string> existing;    // paths that exist; writes add to it, deletes remove
  std::set<std::string> unwritable;  // writes to these paths fail
  std::optional<int> exit_code = 0;  // nullopt: the program cannot be started
  std::string install_path;
  std::map<std::string, std::string> env;
  bool answer_yes = true;
  std::optional<std::string> save_path = "/home/u/out.vmf";
  std::function<void()> during_save_dialog;  // runs while the save dialog is "open"

  // ---- The record ----
  // One line per effect, in order: "write P", "write_exe P", "delete P", "run P ARGS...",
  // "save_dialog", "ask CAPTION: TEXT", "error TEXT", "debug TEXT", "open TARGET".
  std::vector<std::string> log;
  std::map<std::string, std::string> files;    // contents of every file written
  std::vector<std::vector<std::string>> runs;  // argument vectors, unjoined
  std::vector<SaveDialogOptions> save_dialogs;

  // The log lines that begin with `kind` + " ".
  std::vector<std::string> Logged(const std::string& kind) const;

  std::optional<std::string> TempDirectory() override { return temp_dir; }
  uint32_t TickCount() override { return tick_count; }
  std::span<const uint8_t> CompilerBytes() override { return compiler_bytes; }
  bool WriteFile(const std::string& path, std::span<const uint8_t> bytes) override;
  bool WriteExecutable(const std::string& path, std::span<const uint8_t> bytes) override;
  bool PathExists(const std::string& path) override { return existing.count(path) > 0; }
  void DeleteFile(const std::string& path) override;
  std::optional<int> RunAndWait(const std::string& program,
                                const std::vector<std::string>& args) override;
  std::string EditorInstallPath() override { return install_path; }
  std::optional<std::string> GetEnv(const std::string& name) override;
  void DebugOutput(const std::string& text) override { log.push_back("debug " + text); }
  void OpenWithDefaultApp(const std::string& target) override { log.push_back("open " + target); }
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  void ShowError(const std::string& text) override { log.push_back("error " + text); }
  std::optional<std::string> AskSavePath(const SaveDialogOptions& options) override;

 private:
  bool Write(const std::string& kind, const std::string& path, std::span<const uint8_t> bytes);
};

}  // namespace vmx::host::testing
