// Suites of the GUI-free cores run inside a QCoreApplication: no display, and
// a widget created by mistake fails at once.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
