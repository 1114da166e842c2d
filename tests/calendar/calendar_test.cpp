#include <gtest/gtest.h>
#include "calendar/calendar.h"
TEST(MonthNames, MarchIsWindows1252) { EXPECT_STREQ(MonthNames[2], "M\xE4rz"); }
