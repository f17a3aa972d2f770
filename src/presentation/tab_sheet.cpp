#include "presentation/tab_sheet.h"

#include "presentation/page_style.h"

namespace qelvo::ui {

TabSheet::TabSheet(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet"));
    paintBackground(this, kPageColour);
    setDocumentMode(false);
    setStyleSheet(QStringLiteral("QTabWidget::pane { background: rgb(159,185,245); }"));
}

bool TabSheet::addForm(QWidget* form, const QString& title)
{
    if (count() >= kMaxForms) return false;
    paintBackground(form, kPageColour);
    addTab(form, title);
    setCurrentIndex(0);
    return true;
}

}  // namespace qelvo::ui
