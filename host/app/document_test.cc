// Tests of the document file, its title and the window caption.
#include "host/app/document.h"

#include <gtest/gtest.h>

namespace vmx::host {
namespace {

TEST(DocumentTest, FirstArgumentThatIsNoSwitchNamesTheDocument) {
  struct Case {
    std::vector<std::string> args;
    std::optional<std::string> file;
  } cases[] = {
      {{}, std::nullopt},
      {{"-bat"}, std::nullopt},
      {{"-bat", ""}, std::nullopt},  // an empty argument names nothing: a new document
      {{"-bat", "pages/batch.html"}, "pages/batch.html"},
      {{"-bat", "/srv/batch.html"}, "/srv/batch.html"},  // "/" is a path here, not a switch
      {{"-bat", "-x", "a.html", "b.html"}, "a.html"},
      {{"notes.txt"}, "notes.txt"},  // without batch mode it is still the document
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    EXPECT_EQ(DocumentFileArgument(c.args), c.file);
  }
}

TEST(DocumentTest, CaptionIsDocumentTitleThenFrameTitle) {
  EXPECT_EQ(WindowCaption(DocumentTitle(std::nullopt)), "幻格制作工具 - 维墨图坊");
  EXPECT_EQ(WindowCaption(DocumentTitle("/srv/pages/batch.html")), "batch.html - 维墨图坊");
  EXPECT_EQ(DocumentTitle("batch.html"), "batch.html");
  EXPECT_EQ(DocumentTitle("../页 面.html"), "页 面.html");
}

}  // namespace
}  // namespace vmx::host
