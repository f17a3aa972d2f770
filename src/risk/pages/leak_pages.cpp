#include "risk/pages/leak_pages.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include "common/number_format.h"
#include "risk/pages/risk_page_parts.h"

namespace qelvo::ui {

namespace {

// A double result in its longest display form ("%.15g": 3.88326846265888) shows whole.
constexpr int kDoubleFieldWidth = 150;

PageOptions gasOptions()
{
    PageOptions o{QStringLiteral("气体泄漏速率")};
    o.resultFields = false;
    return o;
}

}  // namespace

LiquidLeakPage::LiquidLeakPage(QWidget* parent)
    : ModelPage(risk::liquidLeakCalculator(), {QStringLiteral("液体泄漏速度－柏努利方程")}, parent)
{
    addNote(QString::fromUtf8(risk::kLiquidLeakFormulaTitle));
    addNote(QString::fromUtf8(risk::kLiquidLeakFormula));
    addNote(QString::fromUtf8(risk::kLiquidLeakCondition));
    lineEdit(&risk::LiquidLeakResult::QL)->setFixedWidth(kDoubleFieldWidth);
}

GasLeakPage::GasLeakPage(QWidget* parent)
    : ModelPage(risk::gasLeakCalculator(), gasOptions(), parent), text_(addResultText()), shape_(new QLabel(this))
{
    // Cd stands at the end of the shape's line and follows the selection.
    shape_->setObjectName(QStringLiteral("Cd"));
    QWidget* line = widgetOf(&risk::GasLeakInput::shape);
    if (auto* box = qobject_cast<QBoxLayout*>(line->layout())) box->insertWidget(box->count() - 1, shape_);
    QObject::connect(choiceGroup(&risk::GasLeakInput::shape), &QButtonGroup::idClicked, this,
                     [this](int id) { showShape(id); });
    showShape(input().shape);
    onComputed = [this](const Report& report) { text_->setPlainText(ui::shownText(report.text)); };
}

void GasLeakPage::showShape(int shape)
{
    shape_->setText(QString::fromStdString(cformat("    形状系数Cd = %g", risk::shapeCoefficient(shape))));
}

TwoPhaseLeakPage::TwoPhaseLeakPage(QWidget* parent)
    : ModelPage(risk::twoPhaseLeakCalculator(), {QStringLiteral("两相泄漏速率")}, parent), message_(new QPlainTextEdit(this))
{
    // The flash-fraction line: two lines when the liquid flashes completely.
    lineEdit(&risk::TwoPhaseLeakResult::QLG)->setFixedWidth(kDoubleFieldWidth);
    message_->setObjectName(QStringLiteral("message"));
    message_->setReadOnly(true);
    message_->setFixedHeight(QFontMetrics(message_->font()).lineSpacing() * 2 + 14);
    addBelowButtons(message_);
    onComputed = [this](const Report& report) { message_->setPlainText(ui::shownText(report.text)); };
}

}  // namespace qelvo::ui
