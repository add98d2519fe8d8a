// power_on's conversion, defined for every double (a plain cast is undefined
// for NaN and for values beyond the 32-bit range).
#include <gtest/gtest.h>

#include <limits>

#include "gauge_frame.h"

namespace {

TEST(TruncateTowardZero, DefinedForEveryDouble) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double value;
    int32_t truncated;
  };
  for (auto [value, truncated] :
       {Case{0.99, 0}, Case{1.0, 1}, Case{1.7, 1}, Case{-0.5, 0}, Case{-1.7, -1}, Case{2147483647.0, INT32_MAX},
        Case{2147483647.99, INT32_MAX}, Case{2147483648.0, INT32_MAX}, Case{1e300, INT32_MAX}, Case{inf, INT32_MAX},
        Case{-2147483648.0, INT32_MIN}, Case{-2147483648.99, INT32_MIN}, Case{-2147483649.0, INT32_MIN},
        Case{-inf, INT32_MIN}, Case{std::numeric_limits<double>::quiet_NaN(), 0}}) {
    EXPECT_EQ(truncate_toward_zero(value), truncated) << value;
  }
}

}  // namespace
