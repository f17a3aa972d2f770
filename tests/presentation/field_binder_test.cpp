// Binding order and the binding kinds every page is built from.
#include "presentation/field_binder.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "support/ui_seams.h"

namespace qelvo::ui {
namespace {

struct Record {
    int n = 7;
    double d = 0.5;
    int mode = 1;
    int on = 1;
    int item = 2;
    std::string name = "苯";
};

TEST(FieldBinder, EveryKindReadsAndWritesBack)
{
    QWidget page;
    Record r;
    FieldBinder binder(&page);
    auto* n = new QLineEdit(&page);
    auto* d = new QLineEdit(&page);
    auto* group = new QButtonGroup(&page);
    group->addButton(new QRadioButton("酸性", &page), 0);
    group->addButton(new QRadioButton("碱性", &page), 1);
    auto* check = new QCheckBox(&page);
    auto* combo = new QComboBox(&page);
    combo->addItems({"a", "b", "c"});
    auto* text = new QComboBox(&page);
    text->setEditable(true);
    text->addItems({"苯", "甲苯"});

    binder.bind(n, r, field("n", "整数", &Record::n));
    binder.bind(d, r, field("d", "双精度", &Record::d));
    binder.bindChoice(group, r.mode);
    binder.bindCheck(check, r.on);
    binder.bindCombo(combo, r.item);
    binder.bindComboText(text, r.name);

    binder.write();
    EXPECT_EQ(n->text(), "7");
    EXPECT_EQ(d->text(), "0.5");
    EXPECT_TRUE(group->button(1)->isChecked());
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(text->currentText(), "苯");

    n->setText(" -12 ");
    d->setText("1e-5");
    group->button(0)->setChecked(true);
    check->setChecked(false);
    combo->setCurrentIndex(0);
    text->setCurrentText("二甲苯");
    EXPECT_TRUE(binder.read());
    EXPECT_EQ(r.n, -12);
    EXPECT_EQ(r.d, 1e-5);
    EXPECT_EQ(r.mode, 0);
    EXPECT_EQ(r.on, 0);
    EXPECT_EQ(r.item, 0);
    EXPECT_EQ(r.name, "二甲苯");
    binder.write();
    EXPECT_EQ(d->text(), "1e-005");
}

TEST(FieldBinder, WholeNumberFieldAsksForAnInteger)
{
    testing::RecordMessages messages;
    QWidget page;
    Record r;
    FieldBinder binder(&page);
    auto* n = new QLineEdit("2.5", &page);
    auto* d = new QLineEdit("3", &page);
    binder.bind(n, r, field("n", "整数", &Record::n));
    binder.bind(d, r, field("d", "双精度", &Record::d));
    EXPECT_FALSE(binder.read());
    EXPECT_EQ(messages.texts(), QStringList{kNotAnInteger});
    EXPECT_EQ(r.n, 7);
    EXPECT_EQ(r.d, 0.5);  // read stops at the first bad field
    EXPECT_EQ(binder.widgetFor("d"), d);
    EXPECT_EQ(binder.widgetFor("none"), nullptr);
}

}  // namespace
}  // namespace qelvo::ui
