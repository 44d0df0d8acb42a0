// The real platform of the desktop program: PosixPlatform's files and processes, plus GTK dialogs.
#pragma once

#include <gtk/gtk.h>

#include "host/runner/posix_platform.h"

namespace vmx::host {

class GtkPlatform : public PosixPlatform {
 public:
  explicit GtkPlatform(std::span<const uint8_t> compiler_bytes);
  ~GtkPlatform() override;

  // The window the dialogs belong to. Held weakly: once the window is gone, dialogs have none.
  void set_main_window(GtkWindow* window);

  bool AskYesNo(const std::string& text, const std::string& caption) override;
  void ShowError(const std::string& text) override;
  std::optional<std::string> AskSavePath(const SaveDialogOptions& options) override;

 private:
  GtkWindow* main_window_ = nullptr;
};

}  // namespace vmx::host
