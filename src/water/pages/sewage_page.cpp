#include "water/pages/sewage_page.h"

namespace qelvo::ui {

SewagePage* createSewagePage(QWidget* parent)
{
    PageOptions options{QStringLiteral("生活污水和垃圾"), QStringLiteral("计算")};
    options.resultGroup = QStringLiteral("计算结果");
    return new SewagePage(water::sewageCalculator(), options, parent);
}

}  // namespace qelvo::ui
