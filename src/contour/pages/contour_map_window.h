// "等值线图": the contour map of the grid a calculator has just written, with its legend,
// movable frames, editable levels and styles, a background picture, copy and save.
#pragma once

#include <QDialog>
#include <optional>

#include "contour/contour_map.h"

class QLabel;
class QSlider;

namespace qelvo::ui {

inline const QString kNoData = QStringLiteral("没有数据");

class ContourDrawingArea;

class ContourMapWindow : public QDialog {
    Q_OBJECT
public:
    // Reads the grid file; when it cannot be read its reader's message is shown and the
    // window opens without a map.
    explicit ContourMapWindow(const QString& gridPath = QStringLiteral("result.grd"), QWidget* parent = nullptr);

    bool hasMap() const { return map_.has_value(); }
    contour::ContourMap& map() { return *map_; }
    QLabel* transparencyLabel() const { return transparencyLabel_; }
    QSlider* transparencySlider() const { return slider_; }
    ContourDrawingArea* drawingArea() const { return area_; }

    void refresh();
    void insertBackground();
    void editLevels();  // "线型设置" and a double click in the drawing area
    void copyToClipboard();
    void savePicture();
    void setTransparency(int percent);

private:
    std::optional<contour::ContourMap> map_;
    ContourDrawingArea* area_;
    QLabel* transparencyLabel_;
    QSlider* slider_;
};

// The drawing area: paints the map and lets the mouse move a frame (drag inside it) or
// resize it (drag its lower right corner).
class ContourDrawingArea : public QWidget {
    Q_OBJECT
public:
    explicit ContourDrawingArea(ContourMapWindow* window);

    QImage grabMap();

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRect* frameAt(const QPoint& pos, bool& corner);

    ContourMapWindow* window_;
    QRect* dragged_ = nullptr;
    bool resizing_ = false;
    QPoint last_;
};

}  // namespace qelvo::ui
