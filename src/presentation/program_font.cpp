#include "presentation/program_font.h"

namespace qelvo::ui {

QFont programFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Source Han Sans SC")});
    font.setPointSize(9);
    return font;
}

}  // namespace qelvo::ui
