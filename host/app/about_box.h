// The about box.
#pragma once

#include <gtk/gtk.h>

namespace vmx::host {

// Shows the about box modally over `parent` until "确定" (or Escape) closes it.
void ShowAboutBox(GtkWindow* parent, GdkPixbuf* icon);

}  // namespace vmx::host
