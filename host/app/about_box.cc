// The about box: icon, version line, notice line, one button.
#include "host/app/about_box.h"

#include <string>

#include "host/app/texts.h"

namespace vmx::host {

void ShowAboutBox(GtkWindow* parent, GdkPixbuf* icon) {
  GtkWidget* dialog = gtk_dialog_new();
  gtk_window_set_title(GTK_WINDOW(dialog), std::string(kAboutCaption).c_str());
  gtk_window_set_transient_for(GTK_WINDOW(dialog), parent);
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
  gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER_ON_PARENT);

  // Icon on the left, the two lines beside it, the button at the top right.
  GtkWidget* grid = gtk_grid_new();
  gtk_container_set_border_width(GTK_CONTAINER(grid), 12);
  gtk_grid_set_column_spacing(GTK_GRID(grid), 12);
  gtk_grid_set_row_spacing(GTK_GRID(grid), 10);
  GtkWidget* image = icon ? gtk_image_new_from_pixbuf(icon) : gtk_image_new();
  gtk_widget_set_valign(image, GTK_ALIGN_CENTER);
  gtk_grid_attach(GTK_GRID(grid), image, 0, 0, 1, 2);
  GtkWidget* version = gtk_label_new(std::string(kAboutVersion).c_str());
  GtkWidget* notice = gtk_label_new(std::string(kAboutNotice).c_str());
  for (GtkWidget* label : {version, notice}) {
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    gtk_widget_set_hexpand(label, TRUE);
  }
  gtk_grid_attach(GTK_GRID(grid), version, 1, 0, 1, 1);
  gtk_grid_attach(GTK_GRID(grid), notice, 1, 1, 1, 1);
  GtkWidget* ok = gtk_button_new_with_label(std::string(kButtonOk).c_str());
  gtk_widget_set_valign(ok, GTK_ALIGN_START);
  gtk_widget_set_size_request(ok, 75, -1);
  gtk_grid_attach(GTK_GRID(grid), ok, 2, 0, 1, 1);
  g_signal_connect(ok, "clicked", G_CALLBACK(+[](GtkButton*, gpointer box) {
                     gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
                   }),
                   dialog);
  gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), grid, TRUE, TRUE, 0);
  gtk_widget_show_all(grid);
  gtk_widget_set_can_default(ok, TRUE);
  gtk_widget_grab_default(ok);
  gtk_widget_grab_focus(ok);

  gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
}

}  // namespace vmx::host
