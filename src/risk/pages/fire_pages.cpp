#include "risk/pages/fire_pages.h"

#include <QButtonGroup>
#include <QPushButton>

#include "presentation/messages.h"
#include "risk/pages/overpressure_lookup_window.h"

namespace qelvo::ui {

namespace {

const std::string kKilowatts = "kW/m^2";
const std::string kMegapascals = "MPa";

}  // namespace

PageOptions consequenceOptions(const QString& group)
{
    PageOptions o{group, QStringLiteral("计算结果")};
    o.groupsBefore = {{"x", QStringLiteral("预测点计算和伤害半径计算")}};
    o.resultFields = false;
    o.notFields = {"dP"};  // the VCE's overpressure is typed in the lookup window
    return o;
}

BlevePage::BlevePage(QWidget* parent)
    : ConsequencePage(risk::bleveCalculator(), QStringLiteral("沸腾液体扩展为蒸气云爆炸事故(BLEVE事故)后果模型 参数输入"),
                      QString::fromUtf8(risk::kBleveOpeningText), risk::thermalThresholds(), kKilowatts, parent)
{
}

PoolFirePage::PoolFirePage(QWidget* parent)
    : ConsequencePage(risk::poolFireCalculator(), QStringLiteral("池火灾事故后果模型 参数输入"), QString(),
                      risk::thermalThresholds(), kKilowatts, parent)
{
}

JetFirePage::JetFirePage(QWidget* parent)
    : ConsequencePage(risk::jetFireCalculator(), QStringLiteral("喷射火事故后果模型  参数输入"),
                      ui::shownText(risk::kJetFireOpeningText), risk::thermalThresholds(), kKilowatts, parent)
{
}

VcePage::VcePage(QWidget* parent)
    : ConsequencePage(risk::vceCalculator(), QStringLiteral("蒸气云爆炸事故后果模型       参数输入"),
                      ui::shownText(risk::kVceOpeningText), risk::overpressureThresholds(), kMegapascals, parent),
      lookup_(addButton(QStringLiteral("根据无因次距离查超压"), [this] { openLookup(); }))
{
    onComputed = [this](const Report& report) {
        risk::remember(memory_, result());
        results().show(report);
    };
    QObject::connect(choiceGroup(&risk::VceInput::method), &QButtonGroup::idClicked, this,
                     [this](int id) { setMethod(id); });
    setMethod(input().method);
}

void VcePage::setMethod(int method)
{
    using In = risk::VceInput;
    const bool tnt = method == risk::kTntMethod;
    setFieldsEnabled(tnt, &In::HTNT, &In::ae);
    setFieldsEnabled(!tnt, &In::eta, &In::a, &In::Pa);
    lookup_->setEnabled(tnt);
}

void VcePage::openLookup()
{
    OverpressureLookupWindow window(memory_.Rbar, [this](float typed) {
        const risk::LookupOutcome outcome = risk::applyLookup(memory_, typed);
        if (outcome.changed) results().setText(risk::lookupText(memory_));
        return outcome.refusal;
    }, this);
    execModal(window);
}

}  // namespace qelvo::ui
