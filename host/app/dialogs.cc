// Message boxes, questions and the save dialog.
#include "host/app/dialogs.h"

#include <glib/gstdio.h>

#include <memory>

#include "host/app/menu_label.h"
#include "host/app/texts.h"
#include "host/runner/paths.h"

namespace vmx::host {
namespace {

std::string Str(std::string_view text) { return std::string(text); }

GtkWidget* NewBox(GtkWindow* parent, const std::string& caption, const std::string& text,
                  BoxIcon icon) {
  GtkWidget* dialog = gtk_dialog_new();
  gtk_window_set_title(GTK_WINDOW(dialog), caption.c_str());
  if (parent) gtk_window_set_transient_for(GTK_WINDOW(dialog), parent);
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  gtk_window_set_destroy_with_parent(GTK_WINDOW(dialog), TRUE);
  gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
  // Before the main window is shown (a document that cannot be opened) there is nothing to
  // centre on.
  bool parent_shown = parent && gtk_widget_get_visible(GTK_WIDGET(parent));
  gtk_window_set_position(GTK_WINDOW(dialog),
                          parent_shown ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);

  GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
  gtk_container_set_border_width(GTK_CONTAINER(row), 12);
  if (icon == BoxIcon::kWarning) {
    GtkWidget* image = gtk_image_new_from_icon_name("dialog-warning", GTK_ICON_SIZE_DIALOG);
    gtk_widget_set_valign(image, GTK_ALIGN_START);
    gtk_box_pack_start(GTK_BOX(row), image, FALSE, FALSE, 0);
  }
  GtkWidget* label = gtk_label_new(text.c_str());
  gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
  gtk_label_set_max_width_chars(GTK_LABEL(label), 50);
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  gtk_box_pack_start(GTK_BOX(row), label, TRUE, TRUE, 0);
  gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), row, TRUE, TRUE, 0);
  gtk_widget_show_all(row);
  return dialog;
}

int Run(GtkWidget* dialog, int default_response) {
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), default_response);
  int response = gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
  return response;
}

struct SaveState {
  const SaveDialogOptions* options;
  std::optional<std::string> chosen;
};

// Runs before gtk_dialog_run sees the answer, so a refused overwrite keeps the dialog open.
void OnSaveResponse(GtkDialog* dialog, gint response, gpointer data) {
  auto* state = static_cast<SaveState*>(data);
  if (response != GTK_RESPONSE_ACCEPT) return;
  std::unique_ptr<char, decltype(&g_free)> file(
      gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog)), &g_free);
  if (!file) {  // a location that is not a local file cannot be handed to the compiler
    g_signal_stop_emission_by_name(dialog, "response");
    return;
  }
  std::string path = AddDefaultExtension(file.get(), state->options->default_extension);
  if (state->options->confirm_overwrite && g_file_test(path.c_str(), G_FILE_TEST_EXISTS)) {
    std::unique_ptr<char, decltype(&g_free)> name(g_filename_display_basename(path.c_str()),
                                                  &g_free);
    std::unique_ptr<char, decltype(&g_free)> question(
        g_strdup_printf(kOverwriteQuestion, name.get()), &g_free);
    if (!AskYesNoBox(GTK_WINDOW(dialog), Str(kOverwriteCaption), question.get())) {
      g_signal_stop_emission_by_name(dialog, "response");
      return;
    }
  }
  state->chosen = path;
}

}  // namespace

void ShowMessageBox(GtkWindow* parent, const std::string& caption, const std::string& text,
                    BoxIcon icon) {
  GtkWidget* dialog = NewBox(parent, caption, text, icon);
  gtk_dialog_add_button(GTK_DIALOG(dialog), MenuLabel(kButtonOk).c_str(), GTK_RESPONSE_OK);
  Run(dialog, GTK_RESPONSE_OK);
}

bool AskYesNoBox(GtkWindow* parent, const std::string& caption, const std::string& text) {
  GtkWidget* dialog = NewBox(parent, caption, text, BoxIcon::kNone);
  gtk_dialog_add_button(GTK_DIALOG(dialog), MenuLabel(kButtonYes).c_str(), GTK_RESPONSE_YES);
  gtk_dialog_add_button(GTK_DIALOG(dialog), MenuLabel(kButtonNo).c_str(), GTK_RESPONSE_NO);
  return Run(dialog, GTK_RESPONSE_YES) == GTK_RESPONSE_YES;
}

std::optional<std::string> RunSaveDialog(GtkWindow* parent, const SaveDialogOptions& options) {
  GtkWidget* dialog = gtk_file_chooser_dialog_new(
      Str(kSaveDialogTitle).c_str(), parent, GTK_FILE_CHOOSER_ACTION_SAVE,
      MenuLabel(kButtonCancel).c_str(), GTK_RESPONSE_CANCEL, MenuLabel(kButtonSave).c_str(),
      GTK_RESPONSE_ACCEPT, nullptr);
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  gtk_file_chooser_set_local_only(chooser, TRUE);
  // The overwrite question is ours: GTK's would ask about the name before the extension is added.
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, FALSE);
  GtkFileFilter* filter = gtk_file_filter_new();
  gtk_file_filter_set_name(filter, options.filter_name.c_str());
  gtk_file_filter_add_pattern(filter, options.filter_pattern.c_str());
  gtk_file_chooser_add_filter(chooser, filter);

  SaveState state{&options, std::nullopt};
  g_signal_connect(dialog, "response", G_CALLBACK(OnSaveResponse), &state);
  int response = Run(dialog, GTK_RESPONSE_ACCEPT);
  if (response != GTK_RESPONSE_ACCEPT) return std::nullopt;
  return state.chosen;
}

}  // namespace vmx::host
