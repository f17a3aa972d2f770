// Runs the widget tests headless in one QApplication.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "presentation/page_style.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    qelvo::ui::applyProgramStyle(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
