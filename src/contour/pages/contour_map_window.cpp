#include "contour/pages/contour_map_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "contour/grid_file.h"
#include "contour/pages/level_dialog.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"

namespace qelvo::ui {

ContourMapWindow::ContourMapWindow(const QString& gridPath, QWidget* parent)
    : QDialog(parent), area_(new ContourDrawingArea(this)), transparencyLabel_(new QLabel(QStringLiteral("透明度 0 %"), this)),
      slider_(new QSlider(Qt::Horizontal, this))
{
    setWindowTitle(QStringLiteral("等值线图"));
    paintBackground(this, kPageColour);

    const auto read = contour::readGridFile(gridPath.toStdString());
    if (read.grid) {
        map_ = contour::ContourMap::fromGrid(*read.grid);
        if (!map_->error.empty()) showMessage(this, QString::fromStdString(map_->error));
    } else {
        showMessage(this, QString::fromStdString(read.error));
    }

    slider_->setRange(0, 100);
    slider_->setMinimumWidth(120);
    connect(slider_, &QSlider::valueChanged, this, &ContourMapWindow::setTransparency);
    connect(slider_, &QSlider::sliderReleased, this, &ContourMapWindow::refresh);
    auto* transparency = new QGroupBox(QStringLiteral("背景图透明度设置"), this);
    auto* t = new QHBoxLayout(transparency);
    t->addWidget(slider_);
    t->addWidget(transparencyLabel_);

    const auto button = [this](const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(QStringLiteral("刷新"), &ContourMapWindow::refresh));
    buttons->addWidget(button(QStringLiteral("插入背景图"), &ContourMapWindow::insertBackground));
    buttons->addWidget(button(QStringLiteral("线型设置"), &ContourMapWindow::editLevels));
    buttons->addWidget(button(QStringLiteral("复制到剪贴板"), &ContourMapWindow::copyToClipboard));
    buttons->addWidget(button(QStringLiteral("保存图片"), &ContourMapWindow::savePicture));
    buttons->addWidget(transparency);
    buttons->addStretch();
    buttons->addWidget(button(QStringLiteral("确定"), &QDialog::accept));
    buttons->addWidget(button(QStringLiteral("取消"), &QDialog::reject));

    connect(area_, &ContourDrawingArea::doubleClicked, this, &ContourMapWindow::editLevels);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area_, 1);
    layout->addLayout(buttons);
}

void ContourMapWindow::refresh() { area_->update(); }

void ContourMapWindow::setTransparency(int percent)
{
    transparencyLabel_->setText(QStringLiteral("透明度:%1％").arg(percent));
    if (map_) map_->transparency = percent;
    if (!slider_->isSliderDown()) refresh();
}

void ContourMapWindow::insertBackground()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) patterns << "*." + QString::fromLatin1(format);
    const QString path = chooseFile(this, {QStringLiteral("插入背景图片"), {},
                                           QStringLiteral("支持图像格式(%1);;所有文件(*)").arg(patterns.join(' ')), false});
    if (path.isEmpty() || !map_) return;
    QImage image(path);
    if (image.isNull()) {
        showMessage(this, QStringLiteral("无法读取图片文件：%1").arg(path));
        return;
    }
    map_->background = std::move(image);
    refresh();
}

void ContourMapWindow::editLevels()
{
    if (!map_) {
        showMessage(this, kNoData);
        return;
    }
    if (map_->levels.count() == 0) return;
    LevelDialog dialog(static_cast<float>(map_->grid.zlo), static_cast<float>(map_->grid.zhi), map_->styles, this);
    if (execModal(dialog) != QDialog::Accepted) return;
    map_->setLevels(dialog.styles());
    refresh();
}

void ContourMapWindow::copyToClipboard() { QApplication::clipboard()->setImage(area_->grabMap()); }

void ContourMapWindow::savePicture()
{
    if (!map_) {
        showMessage(this, kNoData);
        return;
    }
    const QString path = chooseFile(this, {QStringLiteral("保存图片"), QStringLiteral("等值线图.png"),
                                           QStringLiteral("PNG图片(*.png);;SVG矢量图(*.svg)"), true});
    if (path.isEmpty()) return;
    QString reason;
    if (!contour::saveContourMap(*map_, path, &reason)) showMessage(this, reason);
}

// --- drawing area ---

ContourDrawingArea::ContourDrawingArea(ContourMapWindow* window) : QWidget(window), window_(window)
{
    setMinimumSize(contour::kDrawingSize);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMouseTracking(true);
}

QImage ContourDrawingArea::grabMap() { return grab().toImage(); }

void ContourDrawingArea::paintEvent(QPaintEvent*)
{
    if (!window_->hasMap()) return;
    QPainter painter(this);
    contour::paintContourMap(painter, window_->map(), logicalDpiX());
}

QRect* ContourDrawingArea::frameAt(const QPoint& pos, bool& corner)
{
    if (!window_->hasMap()) return nullptr;
    auto& m = window_->map();
    QRect* frames[] = {&m.mapFrame, &m.legendFrame, m.background.isNull() ? nullptr : &m.pictureFrame};
    for (QRect* f : frames) {
        if (!f) continue;
        corner = (pos - f->bottomRight()).manhattanLength() <= 10;
        if (corner || f->contains(pos)) return f;
    }
    return nullptr;
}

void ContourDrawingArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    last_ = event->position().toPoint();
    dragged_ = frameAt(last_, resizing_);
}

void ContourDrawingArea::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!dragged_) {
        bool corner = false;
        const QRect* f = frameAt(pos, corner);
        setCursor(f ? (corner ? Qt::SizeFDiagCursor : Qt::SizeAllCursor) : Qt::ArrowCursor);
        return;
    }
    if (resizing_) {
        dragged_->setBottomRight(QPoint(std::max(pos.x(), dragged_->left() + 40), std::max(pos.y(), dragged_->top() + 40)));
    } else {
        dragged_->translate(pos - last_);
    }
    last_ = pos;
    update();
}

void ContourDrawingArea::mouseReleaseEvent(QMouseEvent*) { dragged_ = nullptr; }

void ContourDrawingArea::mouseDoubleClickEvent(QMouseEvent*) { emit doubleClicked(); }

}  // namespace qelvo::ui
