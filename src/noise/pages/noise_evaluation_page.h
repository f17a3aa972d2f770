// "噪声评价量计算" page: Leq or Ldn, with the explanation of the chosen quantity.
#pragma once

#include "noise/noise_evaluation.h"
#include "presentation/form_page.h"

class QLabel;

namespace qelvo::ui {

class NoiseEvaluationPage : public ModelPage<noise::EvaluationInput, noise::EvaluationResult> {
public:
    explicit NoiseEvaluationPage(QWidget* parent = nullptr);

    QLabel* resultLine() const { return result_; }
    QLabel* explanation() const { return explanation_; }

    void setMode(int mode);               // swaps the visible fields and the explanation
    void setEqualIntervals(bool on);      // hides the durations

private:
    QLabel* result_;
    QLabel* explanation_;
};

}  // namespace qelvo::ui
