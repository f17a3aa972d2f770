// A model page's layout and compute cycle, and its fields reached by member pointer.
#include "presentation/form_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "support/ui_seams.h"

namespace qelvo::ui {
namespace {

struct Probe {
    float a = 2.5f;
    double b = 0.1;
    int mode = 1;
    int on = 0;
    std::string name = "苯";
};

struct ProbeResult {
    float sum = 0;
    Refusal refusal;
};

ProbeResult addUp(const Probe& p)
{
    if (p.a < 0) return {0, {"a不能是负数，请重新输入！", "a"}};
    return {static_cast<float>(p.a + p.b + p.mode + p.on), {}};
}

const CalculatorDef<Probe, ProbeResult>& probe()
{
    static const CalculatorDef<Probe, ProbeResult> def{
        "test.probe",
        "探针",
        {field("a", "数a", &Probe::a).withUnit("m"), field("b", "数b", &Probe::b),
         choiceField("mode", "方式", &Probe::mode, {"甲", "乙"}), checkField("on", "开关", &Probe::on),
         field("name", "名称", &Probe::name)},
        {field("sum", "和", &ProbeResult::sum)},
        &addUp,
    };
    return def;
}

using ProbePage = ModelPage<Probe, ProbeResult>;

// The probe with a choice rule (choosing 甲 sets b to 7, checking 开关 clears a when it is 9)
// and a result that is not finite for b = 0 (1/b).
struct Ratio {
    float r = 0;
    Refusal refusal;
};
const CalculatorDef<Probe, Ratio>& ratioProbe()
{
    static const CalculatorDef<Probe, Ratio> def{
        "test.ratio",
        "比值",
        probe().inputs,
        {field("r", "比", &Ratio::r)},
        [](const Probe& p) { return Ratio{static_cast<float>(1 / p.b), {}}; },
        nullptr,
        nullptr,
        [](Probe& p, std::string_view key) {
            if (key == "mode" && p.mode == 0) p.b = 7;
            if (key == "on" && p.on && p.a == 9) p.a = 0;
        },
    };
    return def;
}

TEST(ModelPage, FieldsByMemberPointer)
{
    ProbePage page(probe(), {QStringLiteral("探针")});
    EXPECT_EQ(page.lineEdit(&Probe::a)->text(), "2.5");
    EXPECT_EQ(page.lineEdit(&Probe::b)->text(), "0.1");
    EXPECT_EQ(page.lineEdit(&ProbeResult::sum)->objectName(), "sum");
    EXPECT_EQ(page.label(&Probe::a)->text(), "数a");
    EXPECT_EQ(page.choiceGroup(&Probe::mode)->checkedId(), 1);
    EXPECT_FALSE(page.checkBox(&Probe::on)->isChecked());
    EXPECT_EQ(page.label(&Probe::on), nullptr);  // a check box carries its own text
    // The widget of a choice is its whole line of buttons.
    EXPECT_EQ(page.widgetOf(&Probe::mode), page.choiceGroup(&Probe::mode)->button(0)->parentWidget());
}

TEST(ModelPage, AResultThatIsNotFiniteIsRefusedAndNothingIsShown)
{
    testing::RecordMessages messages;
    ModelPage<Probe, Ratio> page(ratioProbe(), {QStringLiteral("比值")});
    ASSERT_TRUE(page.compute());
    EXPECT_EQ(page.lineEdit(&Ratio::r)->text(), "10");
    bool shown = false;
    page.onComputed = [&](const Report&) { shown = true; };
    page.lineEdit(&Probe::b)->setText("0");
    EXPECT_FALSE(page.compute());
    EXPECT_EQ(messages.texts(), QStringList{QString::fromUtf8(kNotFinite)});
    EXPECT_EQ(page.lineEdit(&Ratio::r)->text(), "10");  // the last result stays
    EXPECT_FALSE(shown);
}

TEST(ModelPage, ChoicesRunTheModelsRuleOnTheFieldsAsTheyStand)
{
    ModelPage<Probe, Ratio> page(ratioProbe(), {QStringLiteral("比值")});
    page.lineEdit(&Probe::b)->setText("3");  // typed, not yet read
    page.choiceGroup(&Probe::mode)->button(0)->click();
    EXPECT_EQ(page.lineEdit(&Probe::b)->text(), "7");
    page.lineEdit(&Probe::b)->setText("3");
    page.choiceGroup(&Probe::mode)->button(1)->click();  // no rule for 乙: the typed text stays
    EXPECT_EQ(page.lineEdit(&Probe::b)->text(), "3");
    page.lineEdit(&Probe::a)->setText("abc");  // a text that is not a number is left alone
    page.choiceGroup(&Probe::mode)->button(0)->click();
    EXPECT_EQ(page.lineEdit(&Probe::a)->text(), "abc");
    EXPECT_EQ(page.lineEdit(&Probe::b)->text(), "7");
    page.lineEdit(&Probe::a)->setText("9");
    page.checkBox(&Probe::on)->setChecked(true);
    EXPECT_EQ(page.lineEdit(&Probe::a)->text(), "0");
}

TEST(ModelPage, SetValueShowsTheValueAndTheNextReadTakesIt)
{
    ProbePage page(probe(), {QStringLiteral("探针")});
    page.setValue(&Probe::a, 1234567.0f);
    EXPECT_EQ(page.lineEdit(&Probe::a)->text(), "1.23457e+006");  // the field's display form
    EXPECT_EQ(page.input().a, 2.5f);                              // not read yet
    page.setValue(&Probe::b, 0.1 + 0.2);
    EXPECT_EQ(page.lineEdit(&Probe::b)->text(), "0.3");
    page.setValue(&Probe::mode, 0);
    EXPECT_EQ(page.choiceGroup(&Probe::mode)->checkedId(), 0);
    page.setValue(&Probe::on, 1);
    EXPECT_TRUE(page.checkBox(&Probe::on)->isChecked());
    page.setValue(&Probe::name, std::string("甲苯"));
    ASSERT_TRUE(page.compute());
    EXPECT_EQ(page.input().a, 1234570.0f);  // read back from its six shown digits
    EXPECT_EQ(page.input().mode, 0);
    EXPECT_EQ(page.input().on, 1);
    EXPECT_EQ(page.input().name, "甲苯");
    EXPECT_EQ(page.lineEdit(&ProbeResult::sum)->text(), "1.23457e+006");
}

TEST(ModelPage, EnableAndShowFieldsWithTheirLabels)
{
    ProbePage page(probe(), {QStringLiteral("探针")});
    page.show();
    page.setFieldsEnabled(false, &Probe::a, &Probe::mode);
    EXPECT_FALSE(page.lineEdit(&Probe::a)->isEnabled());
    EXPECT_TRUE(page.label(&Probe::a)->isEnabled());  // enabling leaves the label as it is
    EXPECT_FALSE(page.choiceGroup(&Probe::mode)->button(1)->isEnabled());
    EXPECT_TRUE(page.lineEdit(&Probe::b)->isEnabled());
    page.setFieldsVisible(false, &Probe::a, &Probe::mode, &Probe::on);
    EXPECT_FALSE(page.lineEdit(&Probe::a)->isVisible());
    EXPECT_FALSE(page.label(&Probe::a)->isVisible());
    EXPECT_FALSE(page.choiceGroup(&Probe::mode)->button(0)->isVisible());
    EXPECT_FALSE(page.label(&Probe::mode)->isVisible());
    EXPECT_FALSE(page.checkBox(&Probe::on)->isVisible());
    page.setFieldsVisible(true, &Probe::a);
    EXPECT_TRUE(page.lineEdit(&Probe::a)->isVisible());
    EXPECT_TRUE(page.label(&Probe::a)->isVisible());
}

TEST(ModelPage, ButtonBesideAFieldStandsInItsRow)
{
    ProbePage page(probe(), {QStringLiteral("探针")});
    QPushButton* button = page.addButtonBeside(&Probe::a, QStringLiteral("自动计算"), [] {});
    auto* grid = qobject_cast<QGridLayout*>(page.lineEdit(&Probe::a)->parentWidget()->layout());
    ASSERT_NE(grid, nullptr);
    int fieldRow = -1, buttonRow = -2, column = 0, fieldColumn = 0, span = 0;
    grid->getItemPosition(grid->indexOf(page.lineEdit(&Probe::a)), &fieldRow, &fieldColumn, &span, &span);
    grid->getItemPosition(grid->indexOf(button), &buttonRow, &column, &span, &span);
    EXPECT_EQ(buttonRow, fieldRow);
    EXPECT_EQ(column, fieldColumn + 1);
}

TEST(ModelPage, RefusalMovesTheFocusToItsField)
{
    testing::RecordMessages messages;
    ProbePage page(probe(), {QStringLiteral("探针")});
    page.show();
    page.lineEdit(&Probe::a)->setText("-1");
    EXPECT_FALSE(page.compute());
    EXPECT_EQ(messages.texts(), QStringList{"a不能是负数，请重新输入！"});
    EXPECT_TRUE(page.lineEdit(&Probe::a)->hasFocus() || QApplication::focusWidget() == nullptr);
}

TEST(ModelPageDeathTest, AskingForAFieldThePageDoesNotShowStopsAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PageOptions options{QStringLiteral("探针")};
    options.notFields = {"b"};
    ProbePage page(probe(), options);
    EXPECT_DEATH(page.lineEdit(&Probe::b), "asks for a field it does not show");
    EXPECT_DEATH(page.lineEdit(&Probe::mode), "the field mode is not a line edit");
}

}  // namespace
}  // namespace qelvo::ui
