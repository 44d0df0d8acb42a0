// Float stores: nearest single precision, and no undefined conversion beyond float's range.
#include "compiler/records/bytes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vmx {
namespace {

TEST(Bytes, FloatStoreRoundsLikeIeee) {
  const double kMax = std::numeric_limits<float>::max();
  const struct { double in; float out; } cases[] = {
      {0.3, 0.3f},
      {1e300, INFINITY},
      {-1e300, -INFINITY},
      {kMax, std::numeric_limits<float>::max()},
      {std::nextafter(0x1.ffffffp127, 0.0), std::numeric_limits<float>::max()},
      {0x1.ffffffp127, INFINITY},
      {-INFINITY, -INFINITY},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(to_float(c.in), c.out);
  }
  EXPECT_TRUE(std::isnan(to_float(NAN)));
}

}  // namespace
}  // namespace vmx
