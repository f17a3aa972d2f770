#include "risk/pages/pool_evaporation_page.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>

#include "common/number_format.h"
#include "presentation/messages.h"

namespace qelvo::ui {

namespace {

using Page = risk::PoolEvaporationInput;

// n and α of a stability class, at the end of the classes' line; they follow the selection.
void showStabilityCoefficients(MassWindow& window)
{
    auto* label = new QLabel(&window);
    label->setObjectName(QStringLiteral("coefficients"));
    auto* page = window.page();
    QWidget* line = page->widgetOf(&risk::MassInput::stability);
    if (auto* box = qobject_cast<QBoxLayout*>(line->layout())) box->insertWidget(box->count() - 1, label);
    const auto show = [label](int stability) {
        const risk::StabilityCoefficients c = risk::stabilityCoefficients(stability);
        label->setText(QString::fromStdString(cformat("    n = %g，α = %g×10^-3", double(c.n), double(c.alpha) * 1000)));
    };
    QObject::connect(page->choiceGroup(&risk::MassInput::stability), &QButtonGroup::idClicked, label, show);
    show(page->input().stability);
}

}  // namespace

PoolEvaporationPage::PoolEvaporationPage(QWidget* parent)
    : ModelPage(risk::poolEvaporationCalculator(), {QStringLiteral("液体蒸发量计算")}, parent)
{
    addButtonBeside(&Page::Q1, QStringLiteral("闪蒸量计算"), [this] { openFlash(); });
    addButtonBeside(&Page::Q2, QStringLiteral("热量蒸发计算"), [this] { openHeat(); });
    addButtonBeside(&Page::Q3, QStringLiteral("质量蒸发计算"), [this] { openMass(); });
}

void PoolEvaporationPage::openFlash()
{
    FlashWindow window(risk::flashEvaporationCalculator(), true, this);
    execModal(window);
    setValue(&Page::Q1, window.handedResult().Q1);
    setValue(&Page::t1, window.handedInput().t1);
}

void PoolEvaporationPage::openHeat()
{
    HeatWindow window(risk::heatEvaporationCalculator(), false, this);
    execModal(window);
    setValue(&Page::Q2, window.handedResult().Q2);
    setValue(&Page::t2, window.handedInput().t);
}

void PoolEvaporationPage::openMass()
{
    MassWindow window(risk::massEvaporationCalculator(), true, this);
    showStabilityCoefficients(window);
    execModal(window);
    setValue(&Page::Q3, window.handedResult().Q3);
}

}  // namespace qelvo::ui
