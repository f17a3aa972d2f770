#include "air/pages/drop_downs.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace qelvo::ui {

QComboBox* dropDownFor(QButtonGroup* group)
{
    const auto buttons = group->buttons();
    QWidget* line = buttons.first()->parentWidget();
    auto* combo = new QComboBox(line);
    combo->setObjectName(line->objectName());
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (int id = 0; QAbstractButton* b = group->button(id); ++id) {
        combo->addItem(b->text());
        b->hide();
        b->setFocusProxy(combo);  // a check that names the field puts the focus on the list
    }
    static_cast<QBoxLayout*>(line->layout())->insertWidget(0, combo, 0, Qt::AlignLeft);
    combo->setCurrentIndex(group->checkedId());
    QObject::connect(group, &QButtonGroup::idToggled, combo, [combo](int id, bool checked) {
        if (checked) combo->setCurrentIndex(id);
    });
    QObject::connect(combo, &QComboBox::currentIndexChanged, group, [group](int index) {
        if (QAbstractButton* b = group->button(index)) b->setChecked(true);
    });
    return combo;
}

QComboBox* editableDropDownFor(QLineEdit* edit, const std::vector<std::string>& items)
{
    QWidget* form = edit->parentWidget();
    auto* combo = new QComboBox(form);
    combo->setObjectName(edit->objectName() + QStringLiteral("List"));
    delete form->layout()->replaceWidget(edit, combo);
    const QString text = edit->text();
    const int width = edit->width();
    edit->setMinimumWidth(0);
    edit->setMaximumWidth(QWIDGETSIZE_MAX);
    combo->setEditable(true);
    combo->setLineEdit(edit);  // the field's own edit, still bound, inside the list
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& item : items) combo->addItem(QString::fromStdString(item));
    combo->setMaxVisibleItems(15);
    combo->setMinimumWidth(width + 24);
    edit->setText(text);
    return combo;
}

void placeBesideChoice(QButtonGroup* group, QWidget* value, QLabel* valueLabel)
{
    QWidget* line = group->buttons().first()->parentWidget();
    if (auto* grid = qobject_cast<QGridLayout*>(value->parentWidget()->layout())) {
        grid->removeWidget(value);
        if (valueLabel) grid->removeWidget(valueLabel);
    }
    auto* layout = static_cast<QBoxLayout*>(line->layout());
    layout->insertWidget(layout->count() - 1, value);  // before the closing stretch
    if (valueLabel) {
        // The radio button "手工输入" names the value; the label, emptied, goes with it, so
        // showing or hiding the field by member pointer still moves both together.
        valueLabel->clear();
        layout->insertWidget(layout->count() - 2, valueLabel);
    }
}

}  // namespace qelvo::ui
