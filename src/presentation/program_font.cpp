#include "presentation/program_font.h"

namespace qelvo::ui {

QFont programFont()
{
    QFont font;
    // Latin letters and symbols from DejaVu Sans (WenQuanYi draws "℃" empty), Chinese from a
    // Simplified Chinese family named right after it, never from a fallback chosen elsewhere.
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC")});
    font.setPointSize(9);
    return font;
}

}  // namespace qelvo::ui
