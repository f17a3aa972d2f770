// "油罐大小呼吸蒸发损耗计算": the two lists choose one of the five forms; each form computes
// its loss into its own "结果：" line.
#pragma once

#include <QString>
#include <array>

#include "air/oil_tank.h"
#include "presentation/form_page.h"

class QComboBox;
class QLabel;

namespace qelvo::ui {

class OilTankPage : public FormPage {
    Q_OBJECT
public:
    explicit OilTankPage(QWidget* parent = nullptr);

    const air::OilTankInput& input() const { return input_; }
    QComboBox* calculationList() const { return calculation_; }
    QComboBox* tankList() const { return tank_; }
    QComboBox* oilList() const { return oil_; }
    QComboBox* wallList() const { return wall_; }
    QLabel* resultLine() const { return line_; }
    air::OilTankForm shownForm() const;

    bool compute();   // "计算结果" of the form shown
    void showForm();  // after a choice in either selector list
    void chooseWall(); // "油品" or "罐壁状况": C from the table

private:
    air::OilTankInput input_;
    QComboBox* calculation_;
    QComboBox* tank_;
    QComboBox* oil_;
    QComboBox* wall_;
    QLabel* line_;
    std::array<QString, 6> lines_;  // each form's result line, kept while another is shown
};

}  // namespace qelvo::ui
