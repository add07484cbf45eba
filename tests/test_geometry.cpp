#include <gtest/gtest.h>
#include "BASE/CView.h"
TEST(Placeholder, Builds) { CView v; v.initWithDefaults(); EXPECT_EQ(v.project(CVector(0,0,1)).y, 16.0f); }
