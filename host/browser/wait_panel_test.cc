// Tests of the wait panel's visibility and placement.
#include "host/browser/wait_panel.h"

#include <gtest/gtest.h>

namespace vmx::host {
namespace {

TEST(WaitPanelTest, ShownByThePageStartHiddenByAnyCompletedDocument) {
  bool visible = false;
  visible = WaitPanelVisibleAfter(visible, PageEvent::kTopLevelNavigationStarted);
  EXPECT_TRUE(visible);
  // A page with frames: the first document to complete, a frame's, hides it.
  visible = WaitPanelVisibleAfter(visible, PageEvent::kDocumentCompleted);
  EXPECT_FALSE(visible);
  visible = WaitPanelVisibleAfter(visible, PageEvent::kDocumentCompleted);
  EXPECT_FALSE(visible);
  // A new navigation (Refresh) brings it back.
  visible = WaitPanelVisibleAfter(visible, PageEvent::kTopLevelNavigationStarted);
  EXPECT_TRUE(visible);
}

TEST(WaitPanelTest, CentredAtTheTopWithTheCentreRoundedDown) {
  struct Case {
    int width, x;
  } cases[] = {
      {1000, 400},
      {1001, 400},  // centre 500.5 rounds to 500
      {200, 0},
      {150, -25},  // narrower than the panel: it starts left of the area
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    PanelRect rect = WaitPanelPlacement(c.width);
    EXPECT_EQ(rect.x, c.x);
    EXPECT_EQ(rect.y, 0);
    EXPECT_EQ(rect.width, 200);
    EXPECT_EQ(rect.height, 20);
  }
}

}  // namespace
}  // namespace vmx::host
