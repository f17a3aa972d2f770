// Dialog units: window geometry given in units of the dialog font, as the program's forms
// were laid out. A horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its height, so the layout follows the font in use.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <cmath>

namespace qelvo::ui {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font)
    {
        const QFontMetrics fm(font);
        baseX_ = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
        baseY_ = fm.height();
    }

    int x(int units) const { return static_cast<int>(std::lround(units * baseX_ / 4.0)); }
    int y(int units) const { return static_cast<int>(std::lround(units * baseY_ / 8.0)); }
    QRect rect(int left, int top, int width, int height) const
    {
        return {x(left), y(top), x(left + width) - x(left), y(top + height) - y(top)};
    }

private:
    double baseX_;
    double baseY_;
};

}  // namespace qelvo::ui
