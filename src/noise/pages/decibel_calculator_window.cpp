#include "noise/pages/decibel_calculator_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "noise/decibel_calculator.h"
#include "presentation/help_window.h"
#include "presentation/page_style.h"

namespace qelvo::ui {

using noise::DbKey;

DecibelCalculatorWindow::DecibelCalculatorWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), display_(new QLineEdit(QStringLiteral("0"), this))
{
    setWindowTitle(QStringLiteral("分贝计算器"));
    setAttribute(Qt::WA_DeleteOnClose);
    addCalculatorHelp(this, noise::decibelCalculatorDef().id);
    paintBackground(this, kToolWindowColour);
    display_->setReadOnly(true);
    display_->setFocusPolicy(Qt::NoFocus);  // the keys keep the focus
    display_->setAlignment(Qt::AlignRight);
    display_->setStyleSheet(QStringLiteral("QLineEdit { color: red; background: rgb(179,208,250); font-size: 14pt; }"));

    // 7 8 9 + / 4 5 6 - / 1 2 3 = / 0 . CE ←
    const std::pair<const char*, DbKey> layout[4][4] = {
        {{"7", DbKey::D7}, {"8", DbKey::D8}, {"9", DbKey::D9}, {"+", DbKey::Plus}},
        {{"4", DbKey::D4}, {"5", DbKey::D5}, {"6", DbKey::D6}, {"-", DbKey::Minus}},
        {{"1", DbKey::D1}, {"2", DbKey::D2}, {"3", DbKey::D3}, {"=", DbKey::Equals}},
        {{"0", DbKey::D0}, {".", DbKey::Point}, {"CE", DbKey::ClearEntry}, {"←", DbKey::Back}},
    };
    auto* grid = new QGridLayout(this);
    grid->addWidget(display_, 0, 0, 1, 4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const auto [text, k] = layout[r][c];
            auto* b = new QPushButton(QString::fromUtf8(text), this);
            b->setMinimumSize(44, 32);
            connect(b, &QPushButton::clicked, this, [this, k = k] { press(k); });
            grid->addWidget(b, r + 1, c);
            keys_[k] = b;
        }
    keys_[DbKey::D0]->setFocus();
}

namespace {
QPointer<DecibelCalculatorWindow>& opened()
{
    static QPointer<DecibelCalculatorWindow> window;
    return window;
}
}  // namespace

DecibelCalculatorWindow* openDecibelCalculator(QWidget* parent)
{
    delete opened().data();
    opened() = new DecibelCalculatorWindow(parent);
    opened()->show();
    return opened();
}

DecibelCalculatorWindow* openedDecibelCalculator() { return opened(); }

void DecibelCalculatorWindow::press(DbKey k)
{
    calc_.press(k);
    display_->setText(QString::fromStdString(calc_.displayText()));
}

void DecibelCalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) press(static_cast<DbKey>(key - Qt::Key_0));
    else if (key == Qt::Key_Period) press(DbKey::Point);
    else if (key == Qt::Key_Plus) press(DbKey::Plus);
    else if (key == Qt::Key_Minus) press(DbKey::Minus);
    else if (key == Qt::Key_Enter || key == Qt::Key_Return || key == Qt::Key_Equal) press(DbKey::Equals);
    else if (key == Qt::Key_Backspace) press(DbKey::Back);
    else if (key == Qt::Key_Clear || key == Qt::Key_Delete) press(DbKey::ClearEntry);
    else QWidget::keyPressEvent(event);
}

}  // namespace qelvo::ui
