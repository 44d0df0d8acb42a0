// The "please wait" panel: when it shows and where it sits. The drawing lives in the web view glue.
#pragma once

#include <string_view>

namespace vmx::host {

inline constexpr std::string_view kWaitPanelText = "正在加载，请稍等......";
inline constexpr int kWaitPanelWidth = 200;
inline constexpr int kWaitPanelHeight = 20;

enum class PageEvent {
  kTopLevelNavigationStarted,  // the page itself starts loading; a frame's load is no such event
  kDocumentCompleted,          // any document, the top-level one or a frame's
};

// The panel comes up when the page itself starts loading and goes away as soon as any document
// completes, which with frames may be a frame's before the page's own.
bool WaitPanelVisibleAfter(bool visible, PageEvent event);

struct PanelRect {
  int x, y, width, height;
};

// 200 x 20 at the top, centred on (left + right) / 2 of the browser area. The centre is rounded
// toward zero, so with an odd width the panel sits half a pixel left; with an area narrower than
// the panel it starts left of the area and is cut.
PanelRect WaitPanelPlacement(int area_width);

}  // namespace vmx::host
