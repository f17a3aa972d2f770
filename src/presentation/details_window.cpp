#include "presentation/details_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "presentation/messages.h"

namespace qelvo::ui {

DetailsWindow::DetailsWindow(const QString& text, QWidget* parent) : QDialog(parent), text_(new QTextEdit(this))
{
    setWindowTitle(QStringLiteral("详细结果"));
    text_->setReadOnly(true);
    text_->setFocusPolicy(Qt::ClickFocus);
    text_->setLineWrapMode(QTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(plain);

    auto* copy = new QPushButton(QStringLiteral("复制到剪贴板"), this);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    connect(copy, &QPushButton::clicked, this, &DetailsWindow::copySelection);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(560, 420);
}

void DetailsWindow::copySelection()
{
    QString selected = text_->textCursor().selectedText();
    if (selected.isEmpty()) return;
    // The clipboard gets the lines as the report texts write them.
    selected.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    QGuiApplication::clipboard()->setText(selected);
}

void showDetails(QWidget* parent, const QString& text)
{
    DetailsWindow window(text, parent);
    execModal(window);
}

}  // namespace qelvo::ui
