// The air page list: every built slot opens its page, every air calculator has its help topic.
#include "air/pages/air_pages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <memory>

#include "air/air_calculators.h"
#include "app/page_factory.h"
#include "presentation/placeholder_page.h"

namespace qelvo::ui {
namespace {

TEST(AirPages, EveryBuiltSlotOpensItsPage)
{
    int pages = 0;
    for (const auto& entry : air::airCalculators()) {
        if (!entry.calculator || entry.slot == 0) continue;
        std::unique_ptr<QWidget> page(createPage(entry.slot, nullptr));
        EXPECT_FALSE(qobject_cast<PlaceholderPage*>(page.get()) || page->findChild<PlaceholderPage*>()) << entry.slot;
        ++pages;
    }
    EXPECT_EQ(pages, 11);  // slots 2, 3, 8, 9, 10, 15, 16, 18, 20, 33, 34
}

// help/calculators/<id>.html beside the program: titled with the calculator's name, with the
// sections every topic has.
TEST(AirPages, EveryCalculatorHasItsHelpTopic)
{
    const QDir help(QCoreApplication::applicationDirPath() + QStringLiteral("/help/calculators"));
    int topics = 0;
    for (const auto& entry : air::airCalculators()) {
        if (!entry.calculator) continue;
        QFile file(help.filePath(QString::fromStdString(entry.calculator->id) + QStringLiteral(".html")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        const QString label = QString::fromStdString(entry.calculator->label);
        EXPECT_TRUE(text.contains(QStringLiteral("<title>") + label + QStringLiteral("</title>"))) << entry.calculator->id;
        for (const char* section : {"<h2>计算内容</h2>", "<h2>计算公式</h2>", "<h2>依据</h2>", "<h2>适用范围与限制</h2>",
                                    "<h2>输入检查</h2>"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(section))) << entry.calculator->id << " " << section;
        EXPECT_FALSE(text.contains(QStringLiteral("spec"), Qt::CaseInsensitive)) << entry.calculator->id;
        ++topics;
    }
    EXPECT_EQ(topics, 13);
}

}  // namespace
}  // namespace qelvo::ui
