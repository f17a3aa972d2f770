#include "noise/pages/highway_jtg2006_page.h"

#include "presentation/details_window.h"
#include "presentation/messages.h"

namespace qelvo::ui {

Highway2006Page::Highway2006Page(QWidget* parent)
    : ModelPage(noise::highway2006Calculator(), {QStringLiteral("公路交通噪声预测模式 (JTG B03-2006)")}, parent)
{
    addButton(QStringLiteral("公式计算车速"), [this] { openSpeeds(); });
    addButton(QStringLiteral("详细结果"), [this] { showDetails(); });
}

void Highway2006Page::openSpeeds()
{
    SpeedWindow window(noise::speedCalculator(), QStringLiteral("车速计算"), this);
    if (execModal(window) != QDialog::Accepted) return;
    const noise::SpeedResult& v = window.result();
    const std::pair<const char*, float> speeds[] = {{"VL", v.V1}, {"VM", v.V2}, {"VS", v.V3}};
    for (const auto& [key, value] : speeds)
        qobject_cast<QLineEdit*>(binder().widgetFor(key))->setText(QString::fromStdString(formatSingle(value)));
}

void Highway2006Page::showDetails()
{
    ui::showDetails(this, QString::fromStdString(noise::highway2006Details(result())));
}

}  // namespace qelvo::ui
