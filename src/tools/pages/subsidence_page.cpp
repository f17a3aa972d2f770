#include "tools/pages/subsidence_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

#include "contour/grid_file.h"
#include "contour/pages/contour_map_window.h"
#include "presentation/messages.h"

namespace qelvo::ui {

namespace {
PageOptions subsidenceOptions()
{
    PageOptions o{QStringLiteral("地表沉陷预测 概率积分法模型  参数输入"), QStringLiteral("计算结果")};
    o.groupsBefore = {{"X", QStringLiteral("预测点计算和伤害半径计算")}};
    o.resultFields = false;
    o.notFields = {"step"};  // in the button row, beside the basin's button
    return o;
}
}  // namespace

SubsidencePage::SubsidencePage(QWidget* parent)
    : ModelPage(tools::subsidenceCalculator(), subsidenceOptions(), parent), result_(addResultText())
{
    // The basin: its grid spacing and its button after "计算结果".
    const auto& fields = tools::subsidenceCalculator().inputs;
    const auto step = std::find_if(fields.begin(), fields.end(), [](const auto& f) { return f.desc.key == "step"; });
    auto* label = new QLabel(QString::fromStdString(step->desc.label), this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("step"));
    edit->setFixedWidth(60);
    label->setBuddy(edit);
    binder().bind(edit, record(), *step);
    addToButtonRow(new QLabel(QStringLiteral("   "), this));
    addToButtonRow(label);
    addToButtonRow(edit);
    addButton(QStringLiteral("绘制下沉盆地等值线图"), [this] { drawBasin(); });
    binder().write();
    onComputed = [this](const Report& report) { result_->setPlainText(QString::fromStdString(report.text)); };
}

void SubsidencePage::drawBasin()
{
    binder().read();
    const tools::SubsidenceBasin basin = tools::subsidenceBasinCalculator().compute(input());
    if (basin.refusal.refused()) {
        refuse(basin.refusal);
        return;
    }
    binder().write();
    const Table table = tools::subsidenceBasinTable(basin);
    if (!contour::writeGridFile(table.rows, gridPath_.toStdString(), basin.xs.front(), basin.xs.back(), basin.ys.front(),
                                basin.ys.back(), basin.Wmax)) {
        showMessage(this, QStringLiteral("网格文件写入失败：") + gridPath_);
        return;
    }
    ContourMapWindow map(gridPath_, this);
    execModal(map);
}

SubsidencePage* createSubsidencePage(QWidget* parent) { return new SubsidencePage(parent); }

}  // namespace qelvo::ui
