// The main window: menu bar over the view, at (0, 0) with 1000 x 650 pixels.
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <string>

#include "host/browser/browser_view.h"

namespace vmx::host {

class MainWindow {
 public:
  struct Commands {
    std::function<void()> refresh;  // "刷新": load the start page again
    std::function<void()> about;    // "关于 幻格制作工具(&A)..."
  };

  MainWindow(GtkApplication* app, BrowserView& view, const std::string& caption, GdkPixbuf* icon,
             Commands commands);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow();

  // Null once the window has been destroyed.
  GtkWindow* window() const { return window_; }

  void Show();

  // Call after each call of the page's external object: a close asked for while it ran happens
  // now.
  void AfterExternalCall();

 private:
  static gboolean OnDelete(GtkWidget* widget, GdkEvent* event, gpointer self);

  GtkWindow* window_ = nullptr;
  BrowserView& view_;
  Commands commands_;
  bool close_pending_ = false;
};

}  // namespace vmx::host
