// SPDX-License-Identifier: GPL-3.0-or-later
// The rule tests' main: the whole program works in a folder of its own,
// since the game keeps its files where it runs and test programs run side
// by side.
#include "tests/test_support.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    const vermona::test::WorkDir dir;
    return RUN_ALL_TESTS();
}
