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
    setValue(&noise::Highway2006Input::VL, v.V1);
    setValue(&noise::Highway2006Input::VM, v.V2);
    setValue(&noise::Highway2006Input::VS, v.V3);
}

void Highway2006Page::showDetails()
{
    ui::showDetails(this, QString::fromStdString(noise::highway2006Details(result())));
}

}  // namespace qelvo::ui
