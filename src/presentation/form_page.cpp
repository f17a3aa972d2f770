#include "presentation/form_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "presentation/help_topics.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"

namespace qelvo::ui {

namespace {
constexpr int kEditWidth = 120;
}

FormPage::FormPage(const QString& groupTitle, QWidget* parent)
    : QWidget(parent), binder_(this), group_(new QGroupBox(groupTitle, this)), grid_(new QGridLayout(group_)),
      buttons_(new QHBoxLayout), pageLayout_(new QVBoxLayout(this))
{
    paintBackground(this, kPageColour);
    grid_->setHorizontalSpacing(8);
    grid_->setVerticalSpacing(6);
    grid_->setColumnStretch(5, 1);
    buttons_->addStretch();
    pageLayout_->setContentsMargins(12, 8, 12, 8);
    pageLayout_->addWidget(group_);
    pageLayout_->addLayout(buttons_);
    pageLayout_->addStretch();
}

QLineEdit* FormPage::addField(const FieldSpec& desc, bool readOnly)
{
    auto* edit = new QLineEdit(group_);
    edit->setObjectName(QString::fromStdString(desc.key));
    edit->setFixedWidth(kEditWidth);
    edit->setReadOnly(readOnly);
    if (readOnly) edit->setFocusPolicy(Qt::ClickFocus);
    auto* label = new QLabel(QString::fromStdString(desc.label), group_);
    label->setBuddy(edit);

    // Fields under one row heading share a line: heading | label edit | label edit.
    if (!desc.row.empty() && desc.row == rowHeading_ && column_ < 5) {
        grid_->addWidget(label, row_, column_);
        grid_->addWidget(edit, row_, column_ + 1);
        column_ += 2;
        return edit;
    }
    ++row_;
    rowHeading_ = desc.row;
    if (desc.row.empty()) {
        grid_->addWidget(label, row_, 0, 1, 2);
    } else {
        grid_->addWidget(new QLabel(QString::fromStdString(desc.row), group_), row_, 0);
        grid_->addWidget(label, row_, 1);
    }
    grid_->addWidget(edit, row_, 2);
    column_ = 3;
    return edit;
}

void FormPage::addGap()
{
    ++row_;
    rowHeading_.clear();
    grid_->setRowMinimumHeight(row_, 6);
}

QPushButton* FormPage::addButton(const QString& text, std::function<void()> action)
{
    auto* button = new QPushButton(text, this);
    button->setMinimumWidth(90);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    buttons_->insertWidget(buttons_->count() - 1, button);
    return button;
}

QPushButton* FormPage::addHelpButton(const QString& locator)
{
    return addButton(QStringLiteral("参考资料"), [this, locator] { openHelpTopic(this, locator); });
}

void FormPage::refuse(const Refusal& refusal)
{
    showMessage(this, QString::fromStdString(refusal.message), QString::fromStdString(refusal.caption));
    if (QWidget* w = binder_.widgetFor(refusal.focusKey)) w->setFocus();
}

}  // namespace qelvo::ui
