#include <gtest/gtest.h>
#include "files/lecon.h"
TEST(Lecon, Compile) { EXPECT_FALSE(quadrel::ecrireLecon({}).empty()); }
