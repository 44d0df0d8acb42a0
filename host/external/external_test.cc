// Tests of the external object's method table and dispatch, through the recording fake platform.
#include "host/external/external.h"

#include <gtest/gtest.h>

#include "host/runner/messages.h"
#include "host/runner/testing/fake_platform.h"

namespace vmx::host {
namespace {

using testing::FakePlatform;
using Args = std::vector<std::string>;

const Args kMake = {"<frame/>", "file:///p/a.jpg"};
const Args kMakeBat = {"frame01", "<frame/>", "file:///p/a.jpg"};

class ExternalTest : public ::testing::Test {
 protected:
  ExternalTest() {
    fake.existing.insert("/p/a.jpg");
    external.Attach(&fake);
    external.SetBatchMode(false);
  }
  ~ExternalTest() override {
    external.Attach(nullptr);
    external.SetBatchMode(false);
  }

  FakePlatform fake;
  CExternal& external = CExternal::Shared();
};

TEST_F(ExternalTest, OneObjectForTheProcess) { EXPECT_EQ(&CExternal::Shared(), &external); }

TEST_F(ExternalTest, NamesAreMatchedInAnyAsciiCase) {
  struct Case {
    std::string_view name;
    int32_t id;
  } cases[] = {
      {"ShowDialog", 1},    {"showdialog", 1},
      {"FinishMake", 2},    {"finishmake", 2},
      {"FINISHMAKE", 2},    {"FinishMakeBat", 3},
      {"finishMAKEbat", 3}, {"FinishMakeBa", -1},
      {"FinishMake ", -1},  {"", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CExternal::GetIdOfName(c.name), c.id);
  }
}

TEST_F(ExternalTest, MethodsReachTheRunner) {
  CallOutcome outcome = external.Invoke("finishmake", kMake);
  EXPECT_EQ(outcome.status, CallStatus::kOk);
  EXPECT_EQ(outcome.result, 0);
  ASSERT_EQ(fake.runs.size(), 1u);
  EXPECT_EQ(fake.runs[0][3], "/p/a.jpg");

  external.SetBatchMode(true);
  outcome = external.Invoke(kDispIdFinishMakeBat, kMakeBat);
  EXPECT_EQ(outcome.result, 0);
  ASSERT_EQ(fake.runs.size(), 2u);
  EXPECT_EQ(fake.runs[1][5], "/p/frame01.vmf");
}

TEST_F(ExternalTest, ResultsDoNotCarryTheOutcome) {
  fake.exit_code = 7;
  EXPECT_EQ(external.Invoke("FinishMake", kMake).result, 0);
  EXPECT_EQ(fake.log.back(), "error " + std::string(kErrorCompileFailed));

  external.SetBatchMode(true);
  EXPECT_EQ(external.Invoke("FinishMakeBat", Args{"f", "", "x"}).result, 0);
  EXPECT_EQ(fake.log.back(), "debug " + std::string(kErrorEmptyDefinition));
}

TEST_F(ExternalTest, BatchMethodOutsideBatchModeAnswersMinusOneAlone) {
  external.Attach(nullptr);  // not even the platform is needed
  CallOutcome outcome = external.Invoke("FinishMakeBat", kMakeBat);
  EXPECT_EQ(outcome.status, CallStatus::kOk);
  EXPECT_EQ(outcome.result, -1);
  EXPECT_TRUE(fake.log.empty());
}

TEST_F(ExternalTest, ShowDialogDoesNothing) {
  CallOutcome outcome = external.Invoke("ShowDialog", Args{"a", "b"});
  EXPECT_EQ(outcome.status, CallStatus::kOk);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_TRUE(fake.log.empty());
}

TEST_F(ExternalTest, CallsOutsideTheTableRunNothing) {
  EXPECT_EQ(external.Invoke("Navigate", kMake).status, CallStatus::kUnknownMethod);
  EXPECT_EQ(external.Invoke(0, kMake).status, CallStatus::kUnknownMethod);
  EXPECT_EQ(external.Invoke(4, kMake).status, CallStatus::kUnknownMethod);
  EXPECT_EQ(external.Invoke("FinishMake", Args{"<frame/>"}).status,
            CallStatus::kWrongArgumentCount);
  EXPECT_EQ(external.Invoke("FinishMake", kMakeBat).status, CallStatus::kWrongArgumentCount);
  EXPECT_EQ(external.Invoke("ShowDialog", Args{}).status, CallStatus::kWrongArgumentCount);
  EXPECT_TRUE(fake.log.empty());

  external.Attach(nullptr);
  EXPECT_EQ(external.Invoke("FinishMake", kMake).status, CallStatus::kNoPlatform);
}

TEST_F(ExternalTest, ACallDuringACompileIsRefused) {
  CallOutcome nested;
  fake.during_save_dialog = [&] { nested = external.Invoke("FinishMake", kMake); };
  EXPECT_EQ(external.Invoke("FinishMake", kMake).status, CallStatus::kOk);
  EXPECT_EQ(nested.status, CallStatus::kBusy);
  EXPECT_EQ(fake.runs.size(), 1u);
  // Once the first call is over, the next one runs.
  fake.during_save_dialog = nullptr;
  EXPECT_EQ(external.Invoke("FinishMake", kMake).status, CallStatus::kOk);
  EXPECT_EQ(fake.runs.size(), 2u);
}

}  // namespace
}  // namespace vmx::host
