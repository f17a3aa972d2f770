#include "tools/pages/sludge_page.h"

namespace qelvo::ui {

SludgePage* createSludgePage(QWidget* parent)
{
    return new SludgePage(tools::sludgeCalculator(),
                          {QStringLiteral("沉淀池污泥量计算"), QStringLiteral("计算结果"),
                           QStringLiteral("\\qelvohelp.chm::\\固废预测\\沉淀池污泥量计算.htm")},
                          parent);
}

}  // namespace qelvo::ui
