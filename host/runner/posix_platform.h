// PosixPlatform: the real file, process, settings and debug-output operations of the Platform.
#pragma once

#include <sys/types.h>

#include <span>

#include "host/runner/env.h"
#include "host/runner/platform.h"

namespace vmx::host {

// The desktop layer derives from this class and supplies the dialogs (AskYesNo, ShowError,
// AskSavePath). OpenWithDefaultApp starts "xdg-open"; override it to use another launcher.
class PosixPlatform : public Platform {
 public:
  // `compiler_bytes` must outlive the platform. `env` is where variables are looked up
  // (XDG_RUNTIME_DIR, TMPDIR, XDG_CONFIG_HOME, HOME, the site's base address).
  explicit PosixPlatform(std::span<const uint8_t> compiler_bytes, EnvLookup env = ProcessEnv());

  std::optional<std::string> TempDirectory() override;
  uint32_t TickCount() override;
  std::span<const uint8_t> CompilerBytes() override { return compiler_bytes_; }
  bool WriteFile(const std::string& path, std::span<const uint8_t> bytes) override;
  bool WriteExecutable(const std::string& path, std::span<const uint8_t> bytes) override;
  bool PathExists(const std::string& path) override;
  void DeleteFile(const std::string& path) override;
  std::optional<int> RunAndWait(const std::string& program,
                                const std::vector<std::string>& args) override;
  std::string EditorInstallPath() override;
  std::optional<std::string> GetEnv(const std::string& name) override { return env_(name); }
  void DebugOutput(const std::string& text) override;
  void OpenWithDefaultApp(const std::string& file_or_address) override;

 private:
  std::span<const uint8_t> compiler_bytes_;
  EnvLookup env_;
};

}  // namespace vmx::host
