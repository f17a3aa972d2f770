// Qt's own texts in Simplified Chinese.
#include "app/qt_translation.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTranslator>

namespace qelvo::ui {
namespace {

// The set-up installs Qt's translations (qt6-translations-l10n): without them this fails.
TEST(QtTranslation, StandardButtonsSpeakChinese)
{
    QTranslator* translator = installQtChinese();
    ASSERT_NE(translator, nullptr) << "qtbase_zh_CN.qm not found: run `make deps`";
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("标题"), QStringLiteral("文本"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
    }
    QCoreApplication::removeTranslator(translator);
    delete translator;
    QMessageBox box(QMessageBox::Question, QStringLiteral("标题"), QStringLiteral("文本"), QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
}

}  // namespace
}  // namespace qelvo::ui
