#include "presentation/placeholder_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "presentation/page_style.h"

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

}  // namespace qelvo::ui
