// Start-up: batch mode and start page, the document named on the command line, the main window.
#include "host/app/application.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "host/app/about_box.h"
#include "host/app/dialogs.h"
#include "host/app/document.h"
#include "host/app/embedded_resources.h"
#include "host/app/texts.h"
#include "host/external/external.h"
#include "host/runner/site.h"

namespace vmx::host {
namespace {

template <typename T>
using GPtr = std::unique_ptr<T, decltype(&g_free)>;

// The page's full address: a local page resolves against the current directory.
std::string FullAddress(const StartPage& page) {
  if (!page.is_local) return page.address;
  GPtr<char> cwd(g_get_current_dir(), &g_free);
  GPtr<char> path(g_canonicalize_filename(AbsolutePath(cwd.get(), page.address).c_str(), nullptr),
                  &g_free);
  GPtr<char> uri(g_filename_to_uri(path.get(), nullptr, nullptr), &g_free);
  return uri ? uri.get() : std::string("file://") + path.get();
}

// The document named on the command line must be a file this process can read; a folder is none.
bool CanOpenForReading(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
  close(fd);
  return ok;
}

GdkPixbuf* LoadIcon() {
  std::span<const uint8_t> png = CarriedIcon();
  GInputStream* stream =
      g_memory_input_stream_new_from_data(png.data(), static_cast<gssize>(png.size()), nullptr);
  GdkPixbuf* icon = gdk_pixbuf_new_from_stream(stream, nullptr, nullptr);
  g_object_unref(stream);
  return icon;
}

CallAnswer CallExternal(const BridgeCall& call) {
  CallOutcome outcome = CExternal::Shared().Invoke(call.method, call.args);
  switch (outcome.status) {
    case CallStatus::kOk:
      return {outcome.result, ""};
    case CallStatus::kUnknownMethod:
      return {std::nullopt, "no such method"};
    case CallStatus::kWrongArgumentCount:
      return {std::nullopt, "wrong number of arguments"};
    case CallStatus::kBusy:
      return {std::nullopt, "another call is still running"};
    case CallStatus::kNoPlatform:
      break;
  }
  return {std::nullopt, "the host cannot compile"};
}

}  // namespace

TrelvanApp::TrelvanApp(std::vector<std::string> args)
    : args_(std::move(args)), platform_(CarriedCompiler()) {
  std::string online = SiteAddress(platform_.GetEnv(kSiteBaseVariable), kOnlinePagePath);
  start_page_ = ChooseStartPage(args_, online);
  start_address_ = FullAddress(start_page_);
  document_file_ = DocumentFileArgument(args_);
  CExternal::Shared().SetBatchMode(start_page_.batch_mode);
  CExternal::Shared().Attach(&platform_);
}

TrelvanApp::~TrelvanApp() {
  CExternal::Shared().Attach(nullptr);
  main_window_.reset();
  view_.reset();
  if (icon_) g_object_unref(icon_);
  if (app_) g_object_unref(app_);
}

int TrelvanApp::Run() {
  g_set_prgname("Trelvan");
  g_set_application_name(std::string(kAppTitle).c_str());
  // Every start is a program of its own, as each one's command line chooses its page and mode.
  app_ = gtk_application_new(kAppId, G_APPLICATION_NON_UNIQUE);
  g_signal_connect(app_, "activate", G_CALLBACK(&TrelvanApp::OnActivate), this);
  int status = g_application_run(G_APPLICATION(app_), 0, nullptr);
  return status != 0 ? status : exit_status_;
}

void TrelvanApp::OnActivate(GtkApplication*, gpointer self) {
  static_cast<TrelvanApp*>(self)->Activate();
}

void TrelvanApp::Activate() {
  if (main_window_) return;
  icon_ = LoadIcon();
  if (icon_) gtk_window_set_default_icon(icon_);
  for (const ExternalMethod& method : CExternal::Methods())
    bridge_methods_.push_back({method.name, static_cast<int>(method.arguments)});
  view_ = std::make_unique<BrowserView>(bridge_methods_, &CallExternal);

  std::string title = DocumentTitle(document_file_);
  if (document_file_) {
    GPtr<char> shown(g_filename_display_name(title.c_str()), &g_free);
    title = shown.get();
  }
  main_window_ = std::make_unique<MainWindow>(
      app_, *view_, WindowCaption(title), icon_,
      MainWindow::Commands{[this] { Refresh(); }, [this] { About(); }});
  view_->set_after_call([this] { main_window_->AfterExternalCall(); });
  platform_.set_main_window(main_window_->window());

  // A document file that cannot be read ends the program before its window is shown.
  if (document_file_ && !CanOpenForReading(*document_file_)) {
    GPtr<char> shown(g_filename_display_name(document_file_->c_str()), &g_free);
    GPtr<char> text(g_strdup_printf(kCannotOpenDocument, shown.get()), &g_free);
    std::fprintf(stderr, "Trelvan: %s\n", text.get());
    ShowMessageBox(main_window_->window(), std::string(kAppTitle), text.get(), BoxIcon::kWarning);
    exit_status_ = 1;
    gtk_widget_destroy(GTK_WIDGET(main_window_->window()));
    return;
  }

  main_window_->Show();
  view_->NavigateTo(start_address_);
}

void TrelvanApp::Refresh() { view_->NavigateTo(start_address_); }

void TrelvanApp::About() { ShowAboutBox(main_window_->window(), icon_); }

}  // namespace vmx::host
