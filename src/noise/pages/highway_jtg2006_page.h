// "交通部公路交通噪声预测模式" page, with the speed window and the details.
#pragma once

#include "noise/highway_jtg2006.h"
#include "presentation/form_page.h"
#include "presentation/model_dialog.h"

namespace qelvo::ui {

using SpeedWindow = ModelDialog<noise::SpeedInput, noise::SpeedResult>;

class Highway2006Page : public ModelPage<noise::Highway2006Input, noise::Highway2006Result> {
public:
    explicit Highway2006Page(QWidget* parent = nullptr);

    void openSpeeds();   // "公式计算车速": on OK the three speeds replace the page's
    void showDetails();  // "详细结果": every value of the last computation
};

}  // namespace qelvo::ui
