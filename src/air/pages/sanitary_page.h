// "卫生防护距离计算": the distance from a known fugitive emission, or the emission allowed at a
// given distance, with the pollutant list, the stack choices and their tooltips.
#pragma once

#include "air/sanitary_distance.h"
#include "presentation/form_page.h"

class QComboBox;

namespace qelvo::ui {

class SanitaryPage : public FormPage {
    Q_OBJECT
public:
    explicit SanitaryPage(QWidget* parent = nullptr);

    const air::SanitaryInput& input() const { return input_; }
    QComboBox* pollutantList() const { return pollutants_; }

    // "计算卫生防护距离结果" (action 0) and "计算无组织排放量结果" (action 1).
    bool compute(int action);
    // "有" / "无": shows the choice that goes with it, both set to their first option.
    void chooseStack(int stack);
    // A pollutant of the list: its standard into the standard field.
    void choosePollutant(int index);

private:
    void showChoices();

    air::SanitaryInput input_;
    air::SanitaryResult result_;
    QComboBox* pollutants_;
};

}  // namespace qelvo::ui
