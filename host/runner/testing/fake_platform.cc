// The recording fake Platform.
#include "host/runner/testing/fake_platform.h"

namespace vmx::host::testing {

std::vector<std::string> FakePlatform::Logged(const std::string& kind) const {
  std::vector<std::string> lines;
  for (const std::string& line : log) {
    if (line.compare(0, kind.size() + 1, kind + " ") == 0) lines.push_back(line);
  }
  return lines;
}

bool FakePlatform::Write(const std::string& kind, const std::string& path,
                         std::span<const uint8_t> bytes) {
  log.push_back(kind + " " + path);
  if (unwritable.count(path)) return false;
  files[path] = std::string(bytes.begin(), bytes.end());
  existing.insert(path);
  return true;
}

bool FakePlatform::WriteFile(const std::string& path, std::span<const uint8_t> bytes) {
  return Write("write", path, bytes);
}

bool FakePlatform::WriteExecutable(const std::string& path, std::span<const uint8_t> bytes) {
  return Write("write_exe", path, bytes);
}

void FakePlatform::DeleteFile(const std::string& path) {
  log.push_back("delete " + path);
  existing.erase(path);
  files.erase(path);
}

std::optional<int> FakePlatform::RunAndWait(const std::string& program,
                                            const std::vector<std::string>& args) {
  std::string line = "run " + program;
  for (const std::string& arg : args) line += " " + arg;
  log.push_back(line);
  runs.push_back(args);
  return exit_code;
}

std::optional<std::string> FakePlatform::GetEnv(const std::string& name) {
  auto it = env.find(name);
  if (it == env.end()) return std::nullopt;
  return it->second;
}

bool FakePlatform::AskYesNo(const std::string& text, const std::string& caption) {
  log.push_back("ask " + caption + ": " + text);
  return answer_yes;
}

std::optional<std::string> FakePlatform::AskSavePath(const SaveDialogOptions& options) {
  log.push_back("save_dialog");
  save_dialogs.push_back(options);
  if (during_save_dialog) during_save_dialog();
  return save_path;
}

}  // namespace vmx::host::testing
