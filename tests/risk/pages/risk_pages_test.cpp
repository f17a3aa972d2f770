// Every risk menu entry, and slot 26 through showPage, opens its working page.
#include "risk/pages/risk_pages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include "app/main_window.h"
#include "app/page_factory.h"
#include "risk/pages/fire_pages.h"
#include "risk/pages/leak_pages.h"
#include "risk/pages/oil_film_page.h"
#include "risk/pages/pool_evaporation_page.h"
#include "risk/risk_calculators.h"

namespace qelvo::ui {
namespace {

template <class Page>
bool is(QWidget* w)
{
    return dynamic_cast<Page*>(w) != nullptr;
}

TEST(RiskPages, EveryMenuEntryAndThePoolFireSlotOpenTheirPage)
{
    MainWindow w;
    const std::pair<int, bool (*)(QWidget*)> commands[] = {
        {32795, &is<LiquidLeakPage>}, {32797, &is<GasLeakPage>}, {32798, &is<TwoPhaseLeakPage>},
        {32796, &is<PoolEvaporationPage>}, {32822, &is<OilFilmPage>}, {32816, &is<VcePage>},
        {32815, &is<BlevePage>}, {32817, &is<JetFirePage>},
    };
    for (const auto& [command, isItsPage] : commands) {
        w.runCommand(command);
        EXPECT_TRUE(isItsPage(w.page(w.currentSlot()))) << command;
    }
    w.showPage(26);
    EXPECT_EQ(w.currentSlot(), 26);
    EXPECT_TRUE(is<PoolFirePage>(w.page(26)));
    for (const auto& s : programCatalogue().pageSlots())
        if (s.calculatorId.rfind("risk.", 0) == 0) {
            EXPECT_FALSE(s.name.empty()) << s.slot;
        }
}

TEST(RiskPages, EveryCalculatorHasItsHelpTopic)
{
    const QString folder = QCoreApplication::applicationDirPath() + "/help/calculators/";
    for (const auto& entry : risk::riskCalculators()) {
        ASSERT_TRUE(entry.calculator);
        QFile file(folder + QString::fromStdString(entry.calculator->id) + ".html");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << entry.calculator->id;
        const QString html = QString::fromUtf8(file.readAll());
        const auto title = QRegularExpression("<title>(.*)</title>").match(html).captured(1);
        EXPECT_EQ(title, QString::fromStdString(entry.label).trimmed()) << entry.calculator->id;
        for (const char* section : {"计算内容", "计算公式", "依据", "适用范围与限制", "输入检查"})
            EXPECT_TRUE(html.contains(QString("<h2>%1</h2>").arg(QString::fromUtf8(section)))) << entry.calculator->id;
    }
}

}  // namespace
}  // namespace qelvo::ui
