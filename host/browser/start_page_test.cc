// Tests of the start page and batch mode chosen from the command line.
#include "host/browser/start_page.h"

#include <gtest/gtest.h>

namespace vmx::host {
namespace {

constexpr std::string_view kOnline = "https://site.test/html/zuvuzedu_ol.html";

TEST(StartPageTest, BatchModeAndPageFromTheArguments) {
  struct Case {
    std::vector<std::string> args;
    bool batch;
    std::string address;
  } cases[] = {
      {{}, false, std::string(kOnline)},
      {{"-bat", "pages/batch.html"}, true, "pages/batch.html"},
      {{"-BAT", "/srv/pages/batch.html"}, true, "/srv/pages/batch.html"},
      {{"-Bat", "a b/页.html", "ignored"}, true, "a b/页.html"},  // unchanged, blanks and all
      {{"-bat"}, true, std::string(kDefaultBatchPage)},
      {{"-bat", ""}, true, std::string(kDefaultBatchPage)},
      {{"-bat", "-x"}, true, "-x"},  // the second argument, whatever it looks like
      {{"/bat", "p.html"}, false, std::string(kOnline)},
      {{"bat", "p.html"}, false, std::string(kOnline)},
      {{"-batch", "p.html"}, false, std::string(kOnline)},
      {{"p.html", "-bat"}, false, std::string(kOnline)},  // only the first argument counts
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    StartPage page = ChooseStartPage(c.args, kOnline);
    EXPECT_EQ(page.batch_mode, c.batch);
    EXPECT_EQ(page.address, c.address);
    EXPECT_EQ(page.is_local, c.batch);
  }
}

TEST(StartPageTest, RelativePagesResolveAgainstTheCurrentDirectory) {
  EXPECT_EQ(AbsolutePath("/home/u", "p.html"), "/home/u/p.html");
  EXPECT_EQ(AbsolutePath("/", "p.html"), "/p.html");
  EXPECT_EQ(AbsolutePath("/home/u", "../../../html/x.html"), "/home/u/../../../html/x.html");
  EXPECT_EQ(AbsolutePath("/home/u", "/srv/p.html"), "/srv/p.html");
}

}  // namespace
}  // namespace vmx::host
