#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    // Take the locale from the environment, as the GUI toolkit does, so that
    // a run under LC_ALL=pt_BR.UTF-8 really has a decimal comma in the C locale.
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
