#include "presentation/form_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QPushButton>
#include <QRadioButton>
#include <QButtonGroup>
#include <QVBoxLayout>

#include "presentation/excel_export.h"
#include "presentation/help_topics.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"

namespace qelvo::ui {

namespace {
constexpr int kEditWidth = 120;
constexpr int kCompactEditWidth = 76;  // two fields a row

// A long label of a two-column form goes onto two lines: before its unit ("河流上游污染物浓度Ch" /
// "[mg/L]"), so that the unit stays whole, or else wrapped. Two explicit lines are measured
// whole by the layout, descenders included.
void fitLabel(QLabel* label)
{
    const QFontMetrics fm = label->fontMetrics();
    const int room = fm.horizontalAdvance(QString(11, QChar(0x6C49)));  // eleven ideographs
    QString text = label->text();
    if (fm.horizontalAdvance(text) <= room) return;
    const auto unit = text.lastIndexOf(QStringLiteral(" ["));
    if (unit > 0) {
        label->setText(text.left(unit) + QLatin1Char('\n') + text.mid(unit + 1));
        return;
    }
    label->setWordWrap(true);
}
}  // namespace

int doubleFieldWidth(const QLineEdit* edit)
{
    // The text, the frame and the edit's inner margins.
    return edit->fontMetrics().horizontalAdvance(QStringLiteral("-0.00000000000000e-000")) + 14;
}

FormPage::FormPage(const QString& groupTitle, QWidget* parent)
    : QWidget(parent), binder_(this), group_(new QGroupBox(groupTitle, this)), grid_(new QGridLayout(group_)),
      buttons_(new QHBoxLayout), pageLayout_(new QVBoxLayout(this))
{
    paintBackground(this, kPageColour);
    grid_->setHorizontalSpacing(8);
    grid_->setVerticalSpacing(6);
    grid_->setColumnStretch(8, 1);
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
    edit->setFixedWidth(twoColumns_ ? kCompactEditWidth : kEditWidth);
    // A double-precision result shows up to 15 significant digits, sign and exponent.
    if (readOnly && desc.kind == FieldKind::Double) edit->setFixedWidth(doubleFieldWidth(edit));
    edit->setReadOnly(readOnly);
    if (readOnly) edit->setFocusPolicy(Qt::ClickFocus);
    auto* label = new QLabel(QString::fromStdString(desc.label), group_);
    label->setBuddy(edit);
    if (twoColumns_ && desc.row.empty()) fitLabel(label);
    lastLabel_ = label;

    // Fields under one row heading share a line: heading | label edit | label edit.
    if (!desc.row.empty() && desc.row == rowHeading_ && column_ < 8) {
        grid_->addWidget(label, row_, column_);
        grid_->addWidget(edit, row_, column_ + 1);
        column_ += 2;
        return edit;
    }
    // Two fields a row: the second stands in columns 4 … 7 of the row the first opened.
    if (twoColumns_ && desc.row.empty() && rowHeading_.empty() && column_ == 4) {
        grid_->addWidget(label, row_, 4, 1, 2);
        grid_->addWidget(edit, row_, 6);
        if (!desc.unit.empty()) grid_->addWidget(new QLabel(QString::fromStdString(desc.unit), group_), row_, 7);
        column_ = 8;
        return edit;
    }
    nextRow(desc, label);
    grid_->addWidget(edit, row_, 2);
    if (!desc.unit.empty()) grid_->addWidget(new QLabel(QString::fromStdString(desc.unit), group_), row_, 3);
    column_ = twoColumns_ && desc.row.empty() ? 4 : 3;
    return edit;
}

void FormPage::nextRow(const FieldSpec& desc, QWidget* label)
{
    ++row_;
    rowHeading_ = desc.row;
    if (desc.row.empty()) {
        grid_->addWidget(label, row_, 0, 1, 2);
    } else {
        auto* heading = new QLabel(QString::fromStdString(desc.row), group_);
        if (twoColumns_) fitLabel(heading);
        grid_->addWidget(heading, row_, 0);
        grid_->addWidget(label, row_, 1);
    }
}

QButtonGroup* FormPage::addChoice(const FieldSpec& desc)
{
    auto* group = new QButtonGroup(this);
    auto* line = new QWidget(group_);
    line->setObjectName(QString::fromStdString(desc.key));
    // Short choices stand side by side, long ones one under the other.
    std::size_t length = 0;
    for (const auto& c : desc.choices) length += QString::fromStdString(c).size();
    QBoxLayout* layout = length > 30 ? static_cast<QBoxLayout*>(new QVBoxLayout(line))
                                     : static_cast<QBoxLayout*>(new QHBoxLayout(line));
    layout->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < desc.choices.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromStdString(desc.choices[i]), line);
        group->addButton(radio, static_cast<int>(i));
        layout->addWidget(radio);
    }
    layout->addStretch();
    ++row_;
    column_ = 0;
    rowHeading_.clear();
    // A label that only repeats its group's title is left out.
    const bool labelled = !desc.label.empty() && group_->title() != QString::fromStdString(desc.label);
    lastLabel_ = labelled ? new QLabel(QString::fromStdString(desc.label), group_) : nullptr;
    if (labelled) grid_->addWidget(lastLabel_, row_, 0, 1, 2);
    grid_->addWidget(line, row_, labelled ? 2 : 0, 1, -1);
    return group;
}

QWidget* FormPage::choiceWidget(QButtonGroup* group)
{
    return group->buttons().isEmpty() ? nullptr : group->buttons().first()->parentWidget();
}

QCheckBox* FormPage::addCheck(const FieldSpec& desc)
{
    auto* box = new QCheckBox(QString::fromStdString(desc.label), group_);
    box->setObjectName(QString::fromStdString(desc.key));
    ++row_;
    column_ = 0;
    rowHeading_.clear();
    grid_->addWidget(box, row_, 0, 1, 4);
    return box;
}

void FormPage::startGroup(const QString& title)
{
    group_ = new QGroupBox(title, this);
    grid_ = new QGridLayout(group_);
    grid_->setHorizontalSpacing(twoColumns_ ? 4 : 8);
    grid_->setVerticalSpacing(twoColumns_ ? 3 : 6);
    grid_->setColumnStretch(8, 1);
    grid_->setColumnMinimumWidth(3, twoColumns_ ? 12 : 0);
    pageLayout_->insertWidget(groups_++, group_);
    row_ = -1;
    column_ = 0;
    rowHeading_.clear();
}

void FormPage::setTwoColumns(bool on)
{
    twoColumns_ = on;
    grid_->setVerticalSpacing(on ? 3 : 6);
    grid_->setColumnMinimumWidth(3, on ? 12 : 0);
}

void FormPage::addGap()
{
    ++row_;
    column_ = 0;
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

QPushButton* FormPage::addButtonBeside(QWidget* field, const QString& text, std::function<void()> action)
{
    auto* grid = field ? qobject_cast<QGridLayout*>(field->parentWidget()->layout()) : nullptr;
    if (!grid) return addButton(text, std::move(action));
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(field), &row, &column, &rowSpan, &columnSpan);
    auto* button = new QPushButton(text, field->parentWidget());
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    grid->addWidget(button, row, column + 1);
    return button;
}

QPushButton* FormPage::addHelpButton(const QString& locator)
{
    return addButton(QStringLiteral("参考资料"), [this, locator] { openHelpTopic(this, locator); });
}

ResultTable* FormPage::addResultTable(ResultTable::Form form)
{
    auto* table = new ResultTable(form, this);
    addBelowButtons(table, 1);
    return table;
}

void FormPage::addTableButtons(ResultTable* table)
{
    addButton(QStringLiteral("复制选中表格"), [table] { table->copySelection(true); });
    addButton(QStringLiteral("结果导入EXCEL"), [table] { ExportGridToExcel(table, table->sheetName()); });
}

QPlainTextEdit* FormPage::addResultText()
{
    auto* box = new QPlainTextEdit(this);
    box->setReadOnly(true);
    box->setObjectName(QStringLiteral("result"));
    addBelowButtons(box, 1);
    return box;
}

void FormPage::addToButtonRow(QWidget* widget) { buttons_->insertWidget(buttons_->count() - 1, widget); }

void FormPage::addBelowButtons(QWidget* widget, int stretch)
{
    // Widgets that stretch take the room of the closing stretch; others keep it below them.
    if (stretch > 0 && closingStretch_) {
        delete pageLayout_->takeAt(pageLayout_->count() - 1);
        closingStretch_ = false;
    }
    if (closingStretch_) pageLayout_->insertWidget(pageLayout_->count() - 1, widget);
    else pageLayout_->addWidget(widget, stretch);
}

void FormPage::addNote(const QString& text)
{
    auto* note = new QLabel(text, group_);
    note->setWordWrap(true);
    ++row_;
    rowHeading_.clear();
    grid_->addWidget(note, row_, 0, 1, 6);
}

void FormPage::remember(const void* address, const std::string& key, QWidget* field, QLabel* label,
                        QButtonGroup* group)
{
    shown_[address] = {key, field, label, group};
}

const FormPage::Shown& FormPage::shown(const void* address) const
{
    const auto it = shown_.find(address);
    // A member the page does not show: a mistake in the page's code, found the first time
    // it runs.
    if (it == shown_.end()) qFatal("%s: asks for a field it does not show", metaObject()->className());
    return it->second;
}

QWidget* FormPage::shownWidget(const void* address) const
{
    const auto it = shown_.find(address);
    return it == shown_.end() ? nullptr : it->second.field;
}

QButtonGroup* FormPage::shownGroup(const void* address) const
{
    const auto it = shown_.find(address);
    return it == shown_.end() ? nullptr : it->second.group;
}

std::string FormPage::shownText(const void* address) const
{
    const auto it = shown_.find(address);
    if (it == shown_.end()) return {};
    const Shown& f = it->second;
    if (f.group) return std::to_string(f.group->checkedId());
    if (auto* box = qobject_cast<QCheckBox*>(f.field)) return box->isChecked() ? "1" : "0";
    if (auto* edit = qobject_cast<QLineEdit*>(f.field)) return edit->text().toStdString();
    return {};
}

void FormPage::showText(const void* address, const std::string& text)
{
    const auto it = shown_.find(address);
    if (it == shown_.end()) return;
    const Shown& f = it->second;
    if (f.group) {
        if (auto* b = f.group->button(std::atoi(text.c_str()))) b->setChecked(true);
    } else if (auto* box = qobject_cast<QCheckBox*>(f.field)) {
        box->setChecked(text == "1");
    } else if (auto* edit = qobject_cast<QLineEdit*>(f.field)) {
        edit->setText(QString::fromStdString(text));
    }
}

void FormPage::wrongKind(const Shown& f, const char* kind)
{
    qFatal("the field %s is not %s", f.key.c_str(), kind);
}

void FormPage::setShownEnabled(const Shown& f, bool enabled)
{
    f.field->setEnabled(enabled);
}

void FormPage::setShownVisible(const Shown& f, bool visible)
{
    f.field->setVisible(visible);
    if (f.label) f.label->setVisible(visible);
}

QScrollArea* scrollable(QWidget* form)
{
    auto* scroll = new QScrollArea;
    scroll->setWidget(form);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}

void showReportTable(ResultTable* table, const Table& report)
{
    QStringList titles;
    for (const auto& c : report.columns) titles << QString::fromStdString(c);
    std::vector<std::vector<QString>> rows;
    rows.reserve(report.rows.size());
    for (const auto& r : report.rows) {
        std::vector<QString> cells;
        cells.reserve(r.size());
        for (const auto& c : r) cells.push_back(QString::fromStdString(c));
        rows.push_back(std::move(cells));
    }
    table->setTable(titles, std::move(rows));
    table->setSheetName(QString::fromStdString(report.name));
}

void FormPage::refuse(const Refusal& refusal)
{
    showMessage(this, QString::fromStdString(refusal.message), QString::fromStdString(refusal.caption));
    if (QWidget* w = binder_.widgetFor(refusal.focusKey)) w->setFocus();
}

}  // namespace qelvo::ui
