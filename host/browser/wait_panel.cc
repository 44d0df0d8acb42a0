// Wait panel visibility and placement.
#include "host/browser/wait_panel.h"

namespace vmx::host {

bool WaitPanelVisibleAfter(bool visible, PageEvent event) {
  switch (event) {
    case PageEvent::kTopLevelNavigationStarted:
      return true;
    case PageEvent::kDocumentCompleted:
      return false;
  }
  return visible;
}

PanelRect WaitPanelPlacement(int area_width) {
  int centre = area_width / 2;
  return {centre - kWaitPanelWidth / 2, 0, kWaitPanelWidth, kWaitPanelHeight};
}

}  // namespace vmx::host
