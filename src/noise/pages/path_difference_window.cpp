#include "noise/pages/path_difference_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "presentation/plain_text.h"
#include "common/number_format.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"

namespace qelvo::ui {

namespace {

// Source and receiver, and the dashed sound paths by way of each point over or around the
// barrier (and the straight path, where the picture shows it).
void drawPaths(QPainter& p, QPoint S, QPoint P, std::initializer_list<QPoint> via, bool straight)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::black);
    p.drawEllipse(S, 3, 3);
    p.drawEllipse(P, 3, 3);
    p.setPen(QPen(QColor(200, 0, 0), 1, Qt::DashLine));
    for (const QPoint& o : via) {
        p.drawLine(S, o);
        p.drawLine(o, P);
    }
    if (straight) p.drawLine(S, P);
    p.setPen(Qt::black);
}

}  // namespace

// A schematic of the geometry: the side view of an infinitely long barrier, or the plan
// of a finite one with the paths over the top and around both ends.
class BarrierPicture : public QWidget {
public:
    explicit BarrierPicture(QWidget* parent) : QWidget(parent) { setFixedSize(260, 150); }
    void setMode(int mode)
    {
        mode_ = mode;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Qt::white);
        p.setPen(QPen(Qt::black, 1.5));
        if (mode_ == 1) {  // side view
            const int ground = 125;
            p.drawLine(10, ground, 250, ground);
            p.fillRect(QRect(100, 40, 8, ground - 40), QColor(90, 90, 90));
            const QPoint S(40, ground - 20), P(215, ground - 35), top(104, 40);
            drawPaths(p, S, P, {top}, true);
            p.drawText(S + QPoint(-12, -6), QStringLiteral("S"));
            p.drawText(P + QPoint(6, -6), QStringLiteral("P"));
            p.drawText(top + QPoint(6, -4), QStringLiteral("O1  H"));
            p.drawText(QPoint(60, ground + 14), QStringLiteral("d1"));
            p.drawText(QPoint(150, ground + 14), QStringLiteral("d2"));
            p.drawText(QPoint(12, 16), QStringLiteral("侧视：屏障无限长"));
        } else {  // plan
            const int barrierX = 120;
            p.setPen(QPen(QColor(90, 90, 90), 5));
            p.drawLine(barrierX, 40, barrierX, 110);
            const QPoint S(45, 62), P(210, 118), end1(barrierX, 40), end2(barrierX, 110), top(barrierX, 85);
            drawPaths(p, S, P, {top, end1, end2}, false);
            p.setPen(QPen(Qt::gray, 1, Qt::DotLine));
            p.drawLine(20, 75, 240, 75);  // the perpendicular bisector
            p.setPen(Qt::black);
            p.drawText(S + QPoint(-12, -6), QStringLiteral("S"));
            p.drawText(P + QPoint(6, 4), QStringLiteral("P"));
            p.drawText(end1 + QPoint(6, -2), QStringLiteral("O2"));
            p.drawText(end2 + QPoint(6, 10), QStringLiteral("O3"));
            p.drawText(top + QPoint(6, 4), QStringLiteral("O1"));
            p.drawText(QPoint(barrierX + 8, 60), QStringLiteral("L"));
            p.drawText(QPoint(22, 88), QStringLiteral("中垂线"));
            p.drawText(QPoint(12, 16), QStringLiteral("俯视：屏障有限长"));
        }
    }

private:
    int mode_ = 0;
};

PathDifferenceWindow::PathDifferenceWindow(float r, int mode, QWidget* parent)
    : QDialog(parent), page_(new PathDifferencePage(noise::pathDifferenceCalculator(),
                                                     {QStringLiteral("声程差计算"), QStringLiteral("计算")}, this)),
      text_(nullptr), picture_(new BarrierPicture(this))
{
    setWindowTitle(QStringLiteral("声程差计算"));
    paintBackground(this, kToolWindowColour);
    addCalculatorHelp(this, noise::pathDifferenceCalculator().id);
    paintBackground(page_, kToolWindowColour);
    text_ = page_->addResultText();
    text_->setMinimumHeight(110);
    page_->onComputed = [this](const Report& report) {
        text_->setPlainText(plainText(report.text));
    };

    // The caller's distance and mode; only that mode's radio button is shown.
    using In = noise::PathDifferenceInput;
    page_->setValue(&In::r, r);
    page_->lineEdit(&In::r)->setReadOnly(true);
    QButtonGroup* modes = page_->choiceGroup(&In::mode);
    modes->button(mode)->setChecked(true);
    modes->button(1 - mode)->hide();
    setMode(mode);

    auto* buttons = okCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_, 0, Qt::AlignHCenter);
    layout->addWidget(page_, 1);
    layout->addWidget(buttons);
    resize(600, 640);
}

void PathDifferenceWindow::setMode(int mode)
{
    picture_->setMode(mode);
    using In = noise::PathDifferenceInput;
    page_->setFieldsEnabled(mode == 0, &In::L, &In::m1);
    page_->setFieldsVisible(mode == 0, &In::L, &In::m1, &In::position);
}

}  // namespace qelvo::ui
