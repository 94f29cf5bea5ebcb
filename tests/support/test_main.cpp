// Shared entry point of the Windows test programs. Like the program's own entry it sets up
// no common controls: the windows under test load them when they first need them.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
