#include "app/about_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include "presentation/desktop.h"

namespace qelvo::ui {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于 Qelvo"));
    auto* icon = new QLabel(this);
    icon->setPixmap(windowIcon().isNull() ? style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32)
                                          : windowIcon().pixmap(32));

    auto* mail = new QLabel(QStringLiteral("<a href=\"mailto:%1\" style=\"color:#0000ff\">%1</a>").arg(kContactMail),
                            this);
    mail->setCursor(Qt::PointingHandCursor);
    mail->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(mail, &QLabel::linkActivated, this, [](const QString& link) { desktop().openUrl(QUrl(link)); });

    auto* lines = new QVBoxLayout;
    lines->addWidget(new QLabel(kProductLine, this));
    lines->addWidget(new QLabel(QStringLiteral("版权所有 (C) 2009-2026 Qelvo 开发组"), this));
    lines->addWidget(new QLabel(QStringLiteral("作者：Qelvo 开发组"), this));
    lines->addWidget(new QLabel(QStringLiteral("有问题或希望增加的功能，欢迎发邮件或通过即时通讯告诉我们："), this));
    lines->addWidget(mail);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(lines);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok);
}

}  // namespace qelvo::ui
