// Web view glue: the page, the wait panel and the synchronous `window.external` bridge.
#include "host/browser/browser_view.h"

#include <libsoup/soup.h>

#include "host/browser/wait_panel.h"

namespace vmx::host {
namespace {

// The panel draws its text at the top left in black on white, in a small Song face where one is
// installed.
constexpr char kPanelCss[] =
    "box { background-color: #ffffff; }"
    "label { color: #000000; font-family: \"宋体\", SimSun, \"WenQuanYi Micro Hei\", sans-serif;"
    " font-size: 12px; }";

std::optional<std::string> ReadAll(GInputStream* stream) {
  std::string out;
  if (!stream) return out;  // a POST without a body: a call without arguments
  char buffer[64 * 1024];
  for (;;) {
    gssize n = g_input_stream_read(stream, buffer, sizeof buffer, nullptr, nullptr);
    if (n < 0) return std::nullopt;
    if (n == 0) return out;
    out.append(buffer, static_cast<size_t>(n));
  }
}

// Every answer, refusals included, carries the CORS header: pages on any origin call the bridge,
// and an answer the page may not read would turn a clear refusal into an opaque network error.
void Answer(WebKitURISchemeRequest* request, unsigned status, const char* reason,
            const std::string& text) {
  GInputStream* stream = g_memory_input_stream_new_from_data(
      g_memdup2(text.data(), text.size()), static_cast<gssize>(text.size()), g_free);
  WebKitURISchemeResponse* response =
      webkit_uri_scheme_response_new(stream, static_cast<gint64>(text.size()));
  webkit_uri_scheme_response_set_status(response, status, reason);
  webkit_uri_scheme_response_set_content_type(response, "text/plain; charset=utf-8");
  SoupMessageHeaders* headers = soup_message_headers_new(SOUP_MESSAGE_HEADERS_RESPONSE);
  soup_message_headers_append(headers, "Access-Control-Allow-Origin", "*");
  webkit_uri_scheme_response_set_http_headers(response, headers);  // takes the headers
  webkit_uri_scheme_request_finish_with_response(request, response);
  g_object_unref(response);
  g_object_unref(stream);
}

}  // namespace

BrowserView::BrowserView(std::span<const BridgeMethod> methods, ExternalCallHandler on_call)
    : on_call_(std::move(on_call)) {
  std::string scheme(kBridgeScheme);
  context_ = webkit_web_context_new();
  webkit_web_context_register_uri_scheme(context_, scheme.c_str(), &BrowserView::OnBridgeRequest,
                                         this, nullptr);
  WebKitSecurityManager* security = webkit_web_context_get_security_manager(context_);
  webkit_security_manager_register_uri_scheme_as_cors_enabled(security, scheme.c_str());
  webkit_security_manager_register_uri_scheme_as_secure(security, scheme.c_str());

  content_ = webkit_user_content_manager_new();
  std::string source = BridgeScriptSource(methods);
  WebKitUserScript* script =
      webkit_user_script_new(source.c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                             WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
  webkit_user_content_manager_add_script(content_, script);
  webkit_user_script_unref(script);
  std::string complete(kDocumentCompleteMessage);
  g_signal_connect(content_, ("script-message-received::" + complete).c_str(),
                   G_CALLBACK(&BrowserView::OnDocumentComplete), this);
  webkit_user_content_manager_register_script_message_handler(content_, complete.c_str());

  web_view_ = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", context_,
                                           "user-content-manager", content_, nullptr));
  g_object_ref_sink(web_view_);
  WebKitSettings* settings = webkit_web_view_get_settings(web_view_);
  // Page console messages go to standard error, where a developer (or a test) can read them.
  webkit_settings_set_enable_write_console_messages_to_stdout(settings, TRUE);
  g_signal_connect(web_view_, "load-changed", G_CALLBACK(&BrowserView::OnLoadChanged), this);
  g_signal_connect(web_view_, "context-menu", G_CALLBACK(&BrowserView::OnContextMenu), this);

  GtkWidget* label = gtk_label_new(std::string(kWaitPanelText).c_str());
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  gtk_label_set_yalign(GTK_LABEL(label), 0);
  panel_ = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
  gtk_container_add(GTK_CONTAINER(panel_), label);
  GtkCssProvider* css = gtk_css_provider_new();
  gtk_css_provider_load_from_data(css, kPanelCss, -1, nullptr);
  for (GtkWidget* w : {panel_, label}) {
    gtk_style_context_add_provider(gtk_widget_get_style_context(w), GTK_STYLE_PROVIDER(css),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  }
  g_object_unref(css);
  gtk_widget_show(label);
  gtk_widget_set_no_show_all(panel_, TRUE);  // hidden until a page starts loading

  overlay_ = gtk_overlay_new();
  g_object_ref_sink(overlay_);
  gtk_container_add(GTK_CONTAINER(overlay_), GTK_WIDGET(web_view_));
  gtk_overlay_add_overlay(GTK_OVERLAY(overlay_), panel_);
  g_signal_connect(overlay_, "get-child-position", G_CALLBACK(&BrowserView::OnPlacePanel), this);
  gtk_widget_show(GTK_WIDGET(web_view_));
  gtk_widget_show(overlay_);
}

BrowserView::~BrowserView() {
  g_signal_handlers_disconnect_by_data(web_view_, this);
  g_signal_handlers_disconnect_by_data(content_, this);
  g_signal_handlers_disconnect_by_data(overlay_, this);
  g_object_unref(overlay_);
  g_object_unref(web_view_);
  g_object_unref(content_);
  g_object_unref(context_);
}

void BrowserView::NavigateTo(const std::string& address) {
  webkit_web_view_load_uri(web_view_, address.c_str());
}

void BrowserView::OnBridgeRequest(WebKitURISchemeRequest* request, gpointer self) {
  static_cast<BrowserView*>(self)->HandleBridgeRequest(request);
}

void BrowserView::HandleBridgeRequest(WebKitURISchemeRequest* request) {
  // Only a script's POST is a call: a link or a navigation to the scheme must not start a
  // compile.
  if (g_strcmp0(webkit_uri_scheme_request_get_http_method(request), "POST") != 0 ||
      webkit_uri_scheme_request_get_web_view(request) != web_view_) {
    Answer(request, 405, "Method Not Allowed", "not a call");
    return;
  }
  // A call's dialogs run nested main loops; another call arriving then (from another frame or a
  // timer of a page that was not held) would start a second compile over the first one's files.
  if (call_running_) {
    Answer(request, 409, "Conflict", "another call is still running");
    return;
  }
  GInputStream* body = webkit_uri_scheme_request_get_http_body(request);
  std::optional<std::string> bytes = ReadAll(body);
  if (body) g_object_unref(body);
  std::optional<BridgeCall> call;
  if (bytes) call = DecodeBridgeRequest(webkit_uri_scheme_request_get_uri(request), *bytes);
  if (!call) {
    Answer(request, 400, "Bad Request", "malformed call");
    return;
  }

  g_object_ref(request);
  call_running_ = true;
  CallAnswer answer = on_call_(*call);
  call_running_ = false;
  if (answer.result) {
    Answer(request, 200, "OK", std::to_string(*answer.result));
  } else {
    Answer(request, 400, "Bad Request", answer.refusal);
  }
  g_object_unref(request);
  if (after_call_) after_call_();
}

void BrowserView::OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self) {
  auto* view = static_cast<BrowserView*>(self);
  if (event == WEBKIT_LOAD_STARTED) {
    view->SetPanelVisible(
        WaitPanelVisibleAfter(view->panel_visible_, PageEvent::kTopLevelNavigationStarted));
  } else if (event == WEBKIT_LOAD_FINISHED) {
    // Also ends a failed load, whose error page is the document that completes.
    view->SetPanelVisible(
        WaitPanelVisibleAfter(view->panel_visible_, PageEvent::kDocumentCompleted));
  }
}

void BrowserView::OnDocumentComplete(WebKitUserContentManager*, gpointer, gpointer self) {
  auto* view = static_cast<BrowserView*>(self);
  view->SetPanelVisible(WaitPanelVisibleAfter(view->panel_visible_, PageEvent::kDocumentCompleted));
}

gboolean BrowserView::OnContextMenu(WebKitWebView*, WebKitContextMenu*, GdkEvent*,
                                    WebKitHitTestResult*, gpointer) {
  return TRUE;  // the authoring page offers no browser menu
}

gboolean BrowserView::OnPlacePanel(GtkOverlay* overlay, GtkWidget* child, GdkRectangle* rect,
                                   gpointer self) {
  auto* view = static_cast<BrowserView*>(self);
  if (child != view->panel_) return FALSE;
  PanelRect place = WaitPanelPlacement(gtk_widget_get_allocated_width(GTK_WIDGET(overlay)));
  *rect = {place.x, place.y, place.width, place.height};
  return TRUE;
}

void BrowserView::SetPanelVisible(bool visible) {
  panel_visible_ = visible;
  gtk_widget_set_visible(panel_, visible);
}

}  // namespace vmx::host
