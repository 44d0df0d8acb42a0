// The script's method list must agree with the external object's table, or pages would reach
// methods the host refuses (or miss ones it has).
#include "host/app/external_methods.h"

#include <gtest/gtest.h>

#include <set>

#include "host/external/external.h"

namespace vmx::host {
namespace {

TEST(ExternalMethodsTest, ScriptOffersExactlyTheObjectsMethods) {
  std::set<int32_t> ids;
  for (const BridgeMethod& method : kExternalMethods) {
    SCOPED_TRACE(std::string(method.name));
    int32_t id = CExternal::GetIdOfName(method.name);
    ASSERT_NE(id, kDispIdUnknown);
    ids.insert(id);
    // One argument more is refused before the method runs, so this touches no platform.
    std::vector<std::string> too_many(method.arity + 1);
    EXPECT_EQ(CExternal::Shared().Invoke(id, too_many).status, CallStatus::kWrongArgumentCount);
    std::vector<std::string> too_few(method.arity - 1);
    EXPECT_EQ(CExternal::Shared().Invoke(id, too_few).status, CallStatus::kWrongArgumentCount);
  }
  EXPECT_EQ(ids, (std::set<int32_t>{kDispIdShowDialog, kDispIdFinishMake, kDispIdFinishMakeBat}));
}

}  // namespace
}  // namespace vmx::host
