// The program's modal boxes: messages, questions and the save dialog, in GTK.
#pragma once

#include <gtk/gtk.h>

#include <optional>
#include <string>

#include "host/runner/platform.h"

namespace vmx::host {

enum class BoxIcon { kNone, kWarning };

// A box with an OK button. `parent` may be null only before any window exists.
void ShowMessageBox(GtkWindow* parent, const std::string& caption, const std::string& text,
                    BoxIcon icon);

// A box with Yes (the default) and No. true for Yes; any other way of closing it is No.
bool AskYesNoBox(GtkWindow* parent, const std::string& caption, const std::string& text);

// The save dialog: one filter, the default extension added to a name typed without one, and the
// overwrite question asked about the name that will really be written. The full path, or nullopt
// when the user cancels.
std::optional<std::string> RunSaveDialog(GtkWindow* parent, const SaveDialogOptions& options);

}  // namespace vmx::host
