// "暴雨强度和雨水量计算" page: province and city lists, the city's formula, the result.
#pragma once

#include "presentation/form_page.h"
#include "water/rainstorm.h"

class QComboBox;
class QPlainTextEdit;

namespace qelvo::ui {

class RainstormPage : public FormPage {
    Q_OBJECT
public:
    explicit RainstormPage(QWidget* parent = nullptr);

    QComboBox* provinces() const { return provinces_; }
    QComboBox* cities() const { return cities_; }
    QPlainTextEdit* formulaText() const { return formula_; }
    QPlainTextEdit* resultText() const { return result_; }
    const water::RainstormInput& input() const { return input_; }

    void selectProvince(int index);
    void selectCity(int index);
    void compute();

private:
    water::RainstormInput input_;
    QComboBox* provinces_;
    QComboBox* cities_;
    QPlainTextEdit* formula_;
    QPlainTextEdit* result_;
};

}  // namespace qelvo::ui
