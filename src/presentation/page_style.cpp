#include "presentation/page_style.h"

#include "presentation/program_font.h"

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
    app.setFont(programFont());
    // Disabled texts (a check box whose option does not apply) stay readable on the page
    // colour: a dark grey rather than the style's light one.
    QPalette palette = app.palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, kDisabledTextColour);
    app.setPalette(palette);
    app.setStyleSheet(QStringLiteral("QLineEdit[readOnly=\"true\"] { background: rgb(240,240,240); }"));
}

}  // namespace qelvo::ui
