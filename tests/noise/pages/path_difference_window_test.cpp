// The path-difference window: the preset mode and the hand-back to a page.
#include "noise/pages/path_difference_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "noise/pages/workshop_pages.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

TEST(PathDifferenceWindow, PresetModeAndStueberHandBack)
{
    PathDifferenceWindow finite(8.5f, 0);
    finite.show();
    QStringList radios;
    for (auto* r : finite.findChildren<QRadioButton*>())
        if (r->isVisible()) radios << r->text();
    EXPECT_TRUE(radios.contains("点声源 屏障有限长"));
    EXPECT_FALSE(radios.contains("点声源 屏障无限长"));
    EXPECT_EQ(finite.page()->findChild<QLineEdit*>("r")->text(), "8.5");

    PathDifferenceWindow infinite(20, 1);
    infinite.show();
    EXPECT_FALSE(infinite.page()->findChild<QLineEdit*>("L")->isVisible());
    infinite.page()->compute();
    EXPECT_TRUE(infinite.resultText()->toPlainText().startsWith("点声源屏障无限长"));

    StueberPage page;
    page.findChild<QLineEdit*>("r")->setText("8.5");
    testing::InterceptModals modals([](QDialog& d) {
        static_cast<PathDifferenceWindow&>(d).page()->compute();
        return int(QDialog::Accepted);
    });
    page.openPathDifference();
    EXPECT_EQ(modals.titles, QStringList{"声程差计算"});
    EXPECT_EQ(page.findChild<QLineEdit*>("d1")->text(), "1.49511");
    EXPECT_EQ(page.findChild<QLineEdit*>("d3")->text(), "1.14424");
}

}  // namespace
}  // namespace qelvo::ui
