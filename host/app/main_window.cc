// Main window and its menu.
#include "host/app/main_window.h"

#include "host/app/menu_label.h"
#include "host/app/texts.h"

namespace vmx::host {
namespace {

GtkWidget* AddMenu(GtkWidget* bar, std::string_view text) {
  GtkWidget* item = gtk_menu_item_new_with_mnemonic(MenuLabel(text).c_str());
  GtkWidget* menu = gtk_menu_new();
  gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), menu);
  gtk_menu_shell_append(GTK_MENU_SHELL(bar), item);
  return menu;
}

void AddItem(GtkWidget* menu, std::string_view text, GCallback on_activate, gpointer data) {
  GtkWidget* item = gtk_menu_item_new_with_mnemonic(MenuLabel(text).c_str());
  g_signal_connect_swapped(item, "activate", on_activate, data);
  gtk_menu_shell_append(GTK_MENU_SHELL(menu), item);
}

void RunCommand(std::function<void()>* command) {
  if (*command) (*command)();
}

}  // namespace

MainWindow::MainWindow(GtkApplication* app, BrowserView& view, const std::string& caption,
                       GdkPixbuf* icon, Commands commands)
    : view_(view), commands_(std::move(commands)) {
  window_ = GTK_WINDOW(gtk_window_new(GTK_WINDOW_TOPLEVEL));
  gtk_window_set_application(window_, app);
  g_object_add_weak_pointer(G_OBJECT(window_), reinterpret_cast<gpointer*>(&window_));
  gtk_window_set_title(window_, caption.c_str());
  if (icon) gtk_window_set_icon(window_, icon);
  gtk_window_set_default_size(window_, 1000, 650);
  gtk_window_move(window_, 0, 0);
  g_signal_connect(window_, "delete-event", G_CALLBACK(&MainWindow::OnDelete), this);

  GtkWidget* bar = gtk_menu_bar_new();
  GtkWidget* file = AddMenu(bar, kMenuFile);
  AddItem(file, kMenuRefresh, G_CALLBACK(RunCommand), &commands_.refresh);
  AddItem(file, kMenuExit, G_CALLBACK(gtk_window_close), window_);
  GtkWidget* help = AddMenu(bar, kMenuHelp);
  AddItem(help, kMenuAbout, G_CALLBACK(RunCommand), &commands_.about);

  GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  gtk_box_pack_start(GTK_BOX(column), bar, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(column), view_.widget(), TRUE, TRUE, 0);
  gtk_container_add(GTK_CONTAINER(window_), column);
  gtk_widget_show_all(column);
}

MainWindow::~MainWindow() {
  if (window_) {
    g_signal_handlers_disconnect_by_data(window_, this);
    g_object_remove_weak_pointer(G_OBJECT(window_), reinterpret_cast<gpointer*>(&window_));
  }
}

void MainWindow::Show() {
  gtk_widget_show(GTK_WIDGET(window_));
  gtk_widget_grab_focus(gtk_bin_get_child(GTK_BIN(view_.widget())));
}

// A close while a page's call runs (its dialogs run nested main loops) would tear the view down
// under the call that is still to answer the page; the window closes once the call is over.
gboolean MainWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
  auto* main = static_cast<MainWindow*>(self);
  if (!main->view_.call_running()) return FALSE;
  main->close_pending_ = true;
  return TRUE;
}

void MainWindow::AfterExternalCall() {
  if (close_pending_ && window_) {
    close_pending_ = false;
    gtk_window_close(window_);
  }
}

}  // namespace vmx::host
