#include "presentation/placeholder_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "common/catalogue.h"
#include "presentation/page_style.h"
#include "presentation/tab_sheet.h"

namespace qelvo::ui {

PlaceholderPage::PlaceholderPage(const QString& name, QWidget* parent) : QWidget(parent)
{
    paintBackground(this, kPageColour);
    auto* group = new QGroupBox(name.trimmed(), this);
    auto* text = new QLabel(kNotYetProvided, group);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(text);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(group);
    layout->addStretch();
}

QWidget* createPlaceholder(const PageSlot& slot, QWidget* parent)
{
    if (slot.tabs.empty()) return new PlaceholderPage(QString::fromStdString(slot.name), parent);
    auto* container = new QWidget(parent);
    paintBackground(container, kPageColour);
    auto* sheet = new TabSheet(container);
    for (const auto& tab : slot.tabs)
        sheet->addForm(new PlaceholderPage(QString::fromStdString(slot.name + " — " + tab.title)),
                       QString::fromStdString(tab.title));
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(sheet);
    return container;
}

}  // namespace qelvo::ui
