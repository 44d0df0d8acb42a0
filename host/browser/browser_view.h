// The host's one view: the web view showing the authoring page, its wait panel, and the bridge
// that gives every frame's script `window.external`.
#pragma once

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "host/browser/bridge_protocol.h"

namespace vmx::host {

// What became of one call of the page's external object: its integer result, or why it was
// refused, which the page's script sees in the error it throws.
struct CallAnswer {
  std::optional<int32_t> result;
  std::string refusal;
};

// Runs one call of the page's external object.
using ExternalCallHandler = std::function<CallAnswer(const BridgeCall& call)>;

class BrowserView {
 public:
  BrowserView(std::span<const BridgeMethod> methods, ExternalCallHandler on_call);
  ~BrowserView();
  BrowserView(const BrowserView&) = delete;
  BrowserView& operator=(const BrowserView&) = delete;

  // The widget to put in the window: the web view with the wait panel over it.
  GtkWidget* widget() const { return overlay_; }

  // Starts loading `address`, a full address (web or file:).
  void NavigateTo(const std::string& address);

  // true while a call of the page's external object runs (its dialogs and the compile included).
  bool call_running() const { return call_running_; }

  // Runs after every call of the page's external object has been answered.
  void set_after_call(std::function<void()> after_call) { after_call_ = std::move(after_call); }

 private:
  static void OnBridgeRequest(WebKitURISchemeRequest* request, gpointer self);
  static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer self);
  static void OnDocumentComplete(WebKitUserContentManager* manager, gpointer result, gpointer self);
  static gboolean OnContextMenu(WebKitWebView* view, WebKitContextMenu* menu, GdkEvent* event,
                                WebKitHitTestResult* hit, gpointer self);
  static gboolean OnPlacePanel(GtkOverlay* overlay, GtkWidget* child, GdkRectangle* rect,
                               gpointer self);

  void HandleBridgeRequest(WebKitURISchemeRequest* request);
  void SetPanelVisible(bool visible);

  ExternalCallHandler on_call_;
  std::function<void()> after_call_;
  WebKitWebContext* context_ = nullptr;
  WebKitUserContentManager* content_ = nullptr;
  WebKitWebView* web_view_ = nullptr;
  GtkWidget* overlay_ = nullptr;
  GtkWidget* panel_ = nullptr;
  bool panel_visible_ = false;
  bool call_running_ = false;
};

}  // namespace vmx::host
