#include <gtest/gtest.h>
#include "units/Text.h"
TEST(Text, Trim) { EXPECT_EQ(waybill::Trim("  a "), "a"); }
