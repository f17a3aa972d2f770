#include "presentation/details_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTextEdit>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;

TEST(DetailsWindow, CopiesTheSelectionWithItsLineBreaks)
{
    const QString text = "L交=59.02dB\r\nL环=60.47dB";
    DetailsWindow window(text);
    EXPECT_EQ(window.windowTitle(), "详细结果");
    EXPECT_TRUE(window.textBox()->isReadOnly());

    QGuiApplication::clipboard()->setText("before");
    button(&window, "复制到剪贴板")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");  // nothing selected, nothing copied

    window.textBox()->selectAll();
    button(&window, "复制到剪贴板")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
}

TEST(DetailsWindow, OpensModallyWithThePagesText)
{
    QString shown;
    testing::InterceptModals modals([&](QDialog& d) {
        shown = d.findChild<QTextEdit*>()->toPlainText();
        button(&d, "关闭")->click();
        return d.result();
    });
    showDetails(nullptr, "a\r\nb");
    EXPECT_EQ(modals.titles, QStringList{"详细结果"});
    EXPECT_EQ(shown, "a\nb");
}

}  // namespace
}  // namespace qelvo::ui
