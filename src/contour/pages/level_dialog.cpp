#include "contour/pages/level_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <set>

#include "common/number_format.h"
#include "common/number_parse.h"
#include "presentation/messages.h"

namespace qelvo::ui {

LineWidthSpin::LineWidthSpin(QWidget* parent) : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setSingleStep(0.1);
    setRange(0, 5);
    setSuffix(QStringLiteral(" mm"));
}

void LineWidthSpin::stepBy(int steps)
{
    const double next = value() + steps * 0.1;
    if (next < -1e-9 || next > 5 + 1e-9) return;
    setValue(next);
}

namespace {

QPixmap lineSample(const contour::LineStyle& style)
{
    QPixmap pixmap(60, 14);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(style.colour, std::max(contour::lineWidthPixels(style.widthMm, 96), 1)));
    p.drawLine(2, 7, 58, 7);
    return pixmap;
}

QString g(double v) { return QString::fromStdString(formatG(v, 6)); }

}  // namespace

LevelDialog::LevelDialog(float zlo, float zhi, std::vector<contour::LineStyle> styles, QWidget* parent)
    : QDialog(parent), zlo_(zlo), zhi_(zhi), styles_(std::move(styles)), list_(new QTableWidget(this)),
      value_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("等值线属性"));
    list_->setColumnCount(2);
    list_->setHorizontalHeaderLabels({QStringLiteral("等级值"), QStringLiteral("线条")});
    list_->verticalHeader()->hide();
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->horizontalHeader()->setStretchLastSection(true);
    connect(list_, &QTableWidget::cellDoubleClicked, this, &LevelDialog::editRow);

    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("最小值"), this));
    range->addWidget(new QLabel(g(zlo), this));
    range->addSpacing(20);
    range->addWidget(new QLabel(QStringLiteral("最大值"), this));
    range->addWidget(new QLabel(g(zhi), this));
    range->addStretch();

    auto* addButton = new QPushButton(QStringLiteral("增加"), this);
    auto* removeButton = new QPushButton(QStringLiteral("删除"), this);
    connect(addButton, &QPushButton::clicked, this, &LevelDialog::add);
    connect(removeButton, &QPushButton::clicked, this, &LevelDialog::removeSelected);
    auto* edit = new QHBoxLayout;
    edit->addWidget(new QLabel(QStringLiteral("等级值："), this));
    edit->addWidget(value_);
    edit->addWidget(addButton);
    edit->addWidget(removeButton);

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(list_);
    layout->addLayout(edit);
    layout->addWidget(buttons);
    resize(360, 420);
    fill();
}

void LevelDialog::fill()
{
    list_->setRowCount(static_cast<int>(styles_.size()));
    for (int r = 0; r < list_->rowCount(); ++r) {
        list_->setItem(r, 0, new QTableWidgetItem(g(styles_[r].level)));
        auto* sample = new QTableWidgetItem;
        sample->setData(Qt::DecorationRole, lineSample(styles_[r]));
        list_->setItem(r, 1, sample);
    }
}

void LevelDialog::add()
{
    const auto value = parseSingle(value_->text().toStdString());
    if (!value) {
        showMessage(this, kNotANumber);
        return;
    }
    if (*value < zlo_ || *value > zhi_) {
        showMessage(this, kLevelOutOfRange);
        return;
    }
    for (const auto& s : styles_)
        if (std::fabs(s.level - *value) < 1e-6) {
            showMessage(this, kLevelExists);
            return;
        }
    if (static_cast<int>(styles_.size()) >= contour::kMaxLevels) {
        showMessage(this, QString::fromUtf8(contour::kTooManyLevels));
        return;
    }
    const auto at = std::find_if(styles_.begin(), styles_.end(), [&](const auto& s) { return s.level > *value; });
    styles_.insert(at, {*value, 0.3f, QColor(0, 0, 255)});
    fill();
}

void LevelDialog::removeSelected()
{
    std::set<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedIndexes()) rows.insert(index.row());
    if (rows.empty()) {
        showMessage(this, kSelectRowFirst);
        return;
    }
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) styles_.erase(styles_.begin() + *it);
    fill();
}

void LevelDialog::setLevelValue(int row, float value)
{
    if (row < 0 || row >= static_cast<int>(styles_.size())) return;
    styles_[row].level = value;
    std::stable_sort(styles_.begin(), styles_.end(), [](const auto& a, const auto& b) { return a.level < b.level; });
    fill();
}

void LevelDialog::setLevelStyle(int row, float widthMm, const QColor& colour)
{
    if (row < 0 || row >= static_cast<int>(styles_.size())) return;
    styles_[row].widthMm = widthMm;
    styles_[row].colour = colour;
    fill();
}

void LevelDialog::editRow(int row, int column)
{
    QDialog dialog(this);
    auto* form = new QFormLayout(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (column == 0) {
        dialog.setWindowTitle(QStringLiteral("等级值"));
        auto* value = new QLineEdit(g(styles_[row].level), &dialog);
        form->addRow(QStringLiteral("等级值"), value);
        form->addRow(buttons);
        if (execModal(dialog) != QDialog::Accepted) return;
        if (const auto v = parseSingle(value->text().toStdString())) setLevelValue(row, *v);
        else showMessage(this, kNotANumber);
        return;
    }
    dialog.setWindowTitle(QStringLiteral("线型"));
    QColor colour = styles_[row].colour;
    auto* colourButton = new QPushButton(&dialog);
    const auto paintButton = [colourButton, &colour] {
        colourButton->setStyleSheet(QStringLiteral("background:%1").arg(colour.name()));
    };
    paintButton();
    connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        const QColor chosen = QColorDialog::getColor(colour, &dialog, QStringLiteral("颜色"));
        if (chosen.isValid()) colour = chosen;
        paintButton();
    });
    auto* width = new LineWidthSpin(&dialog);
    width->setValue(styles_[row].widthMm);
    form->addRow(QStringLiteral("颜色"), colourButton);
    form->addRow(QStringLiteral("线宽"), width);
    form->addRow(buttons);
    if (execModal(dialog) == QDialog::Accepted) setLevelStyle(row, static_cast<float>(width->value()), colour);
}

}  // namespace qelvo::ui
