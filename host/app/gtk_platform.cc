// GTK dialogs for the compiler runner.
#include "host/app/gtk_platform.h"

#include "host/app/dialogs.h"
#include "host/app/texts.h"

namespace vmx::host {

GtkPlatform::GtkPlatform(std::span<const uint8_t> compiler_bytes) : PosixPlatform(compiler_bytes) {}

GtkPlatform::~GtkPlatform() { set_main_window(nullptr); }

void GtkPlatform::set_main_window(GtkWindow* window) {
  if (main_window_) {
    g_object_remove_weak_pointer(G_OBJECT(main_window_),
                                 reinterpret_cast<gpointer*>(&main_window_));
  }
  main_window_ = window;
  if (main_window_) {
    g_object_add_weak_pointer(G_OBJECT(main_window_), reinterpret_cast<gpointer*>(&main_window_));
  }
}

// The question stays with the main window, although the page's questions once belonged to the
// desktop: modal to the window, it keeps the menu's Refresh and Exit away while the page's script
// waits for the call to return.
bool GtkPlatform::AskYesNo(const std::string& text, const std::string& caption) {
  return AskYesNoBox(main_window_, caption, text);
}

void GtkPlatform::ShowError(const std::string& text) {
  ShowMessageBox(main_window_, std::string(kAppTitle), text, BoxIcon::kWarning);
}

std::optional<std::string> GtkPlatform::AskSavePath(const SaveDialogOptions& options) {
  return RunSaveDialog(main_window_, options);
}

}  // namespace vmx::host
