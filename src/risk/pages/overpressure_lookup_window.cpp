#include "risk/pages/overpressure_lookup_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/number_format.h"
#include "common/number_parse.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"
#include "risk/pages/overpressure_chart.h"

namespace qelvo::ui {

OverpressureLookupWindow::OverpressureLookupWindow(float Rbar, std::function<Refusal(float)> take, QWidget* parent)
    : QDialog(parent), take_(std::move(take)), chart_(new OverpressureChartView(Rbar, this)),
      distance_(new QLineEdit(this)), overpressure_(new QLineEdit(this)), reading_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("无因次距离查超压表"));
    paintBackground(this, kPageColour);

    distance_->setObjectName(QStringLiteral("Rbar"));
    distance_->setText(QString::fromStdString(formatSingle(Rbar)));
    distance_->setReadOnly(true);
    distance_->setFocusPolicy(Qt::ClickFocus);
    overpressure_->setObjectName(QStringLiteral("dP"));
    overpressure_->setText(QStringLiteral("0"));
    for (QLineEdit* e : {distance_, overpressure_}) e->setFixedWidth(120);
    reading_->setObjectName(QStringLiteral("reading"));
    reading_->setMinimumHeight(reading_->fontMetrics().height() + 4);
    connect(chart_, &OverpressureChartView::pointing, reading_, &QLabel::setText);

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setDefault(true);
    auto* copy = new QPushButton(QStringLiteral("复制到剪贴板"), this);
    auto* save = new QPushButton(QStringLiteral("保存图片"), this);
    connect(ok, &QPushButton::clicked, this, &OverpressureLookupWindow::confirm);
    connect(copy, &QPushButton::clicked, this, &OverpressureLookupWindow::copyToClipboard);
    connect(save, &QPushButton::clicked, this, &OverpressureLookupWindow::savePicture);

    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("无因次距离 [m]"), this));
    fields->addWidget(distance_);
    fields->addSpacing(16);
    fields->addWidget(new QLabel(QStringLiteral("查图知 超压 [Pa]"), this));
    fields->addWidget(overpressure_);
    fields->addStretch();
    fields->addWidget(copy);
    fields->addWidget(save);
    fields->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addWidget(reading_);
    layout->addWidget(new QLabel(QStringLiteral("从图中读出无因次超压，乘以9806.65即得超压[Pa]。"), this));
    layout->addLayout(fields);
    overpressure_->setFocus();
    overpressure_->selectAll();
}

void OverpressureLookupWindow::confirm()
{
    const auto typed = parseSingle(overpressure_->text().toStdString());
    if (!typed) {
        showMessage(this, kNotANumber);
        overpressure_->setFocus();
        overpressure_->selectAll();
        return;
    }
    const Refusal refusal = take_(*typed);
    if (refusal.refused()) {
        showMessage(this, QString::fromStdString(refusal.message), QString::fromStdString(refusal.caption));
        overpressure_->setFocus();
        overpressure_->selectAll();
        return;
    }
    accept();
}

void OverpressureLookupWindow::copyToClipboard() { QApplication::clipboard()->setImage(chart_->picture()); }

void OverpressureLookupWindow::savePicture()
{
    const QString path = chooseFile(this, {QStringLiteral("保存图片"), QStringLiteral("无因次超压图.png"),
                                           QStringLiteral("PNG图片(*.png);;SVG矢量图(*.svg)"), true});
    if (path.isEmpty()) return;
    QString reason;
    if (!chart_->savePicture(path, &reason)) showMessage(this, reason);
}

}  // namespace qelvo::ui
