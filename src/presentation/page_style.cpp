#include "presentation/page_style.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace qelvo::ui {

void paintBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void applyProgramStyle(QApplication& app)
{
    // Simplified Chinese families first, so that no Japanese glyph variants are chosen.
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC")});
    font.setPointSize(9);
    app.setFont(font);
    app.setStyleSheet(QStringLiteral("QLineEdit[readOnly=\"true\"] { background: rgb(240,240,240); }"));
}

}  // namespace qelvo::ui
