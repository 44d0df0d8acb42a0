// The desktop program: start-up from the command line, the one view, the main window.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/app/gtk_platform.h"
#include "host/app/main_window.h"
#include "host/browser/browser_view.h"
#include "host/browser/start_page.h"

namespace vmx::host {

class TrelvanApp {
 public:
  // `args` are the arguments after the program name.
  explicit TrelvanApp(std::vector<std::string> args);
  ~TrelvanApp();
  TrelvanApp(const TrelvanApp&) = delete;
  TrelvanApp& operator=(const TrelvanApp&) = delete;

  // Runs until the main window is closed; the process exit status.
  int Run();

 private:
  static void OnActivate(GtkApplication* app, gpointer self);
  void Activate();
  void Refresh();
  void About();

  std::vector<std::string> args_;
  StartPage start_page_;
  std::string start_address_;  // the page's full address, local paths resolved
  std::optional<std::string> document_file_;
  GtkPlatform platform_;
  GtkApplication* app_ = nullptr;
  GdkPixbuf* icon_ = nullptr;
  std::vector<BridgeMethod> bridge_methods_;  // the script's view of CExternal's table
  std::unique_ptr<BrowserView> view_;
  std::unique_ptr<MainWindow> main_window_;
  int exit_status_ = 0;
};

}  // namespace vmx::host
