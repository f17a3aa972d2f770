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
    app.setStyleSheet(QStringLiteral("QLineEdit[readOnly=\"true\"] { background: rgb(240,240,240); }"));
}

}  // namespace qelvo::ui
