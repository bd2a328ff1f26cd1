// Every suite runs inside a QApplication on the offscreen platform, so that
// dialogs can be built and driven headless.
#include "platform/ui/ErrorBox.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installErrorBox();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
