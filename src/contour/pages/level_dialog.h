// "等值线属性": the levels of a contour map with their line styles, to add, remove and edit.
#pragma once

#include <QDialog>
#include <QDoubleSpinBox>
#include <vector>

#include "contour/contour_map.h"

class QLineEdit;
class QTableWidget;

namespace qelvo::ui {

inline const QString kLevelOutOfRange = QStringLiteral("等级值数据超出范围");
inline const QString kLevelExists = QStringLiteral("等级值已经存在,请重新输入!");
inline const QString kSelectRowFirst = QStringLiteral("请选中行后再进行删除！");

class LevelDialog : public QDialog {
    Q_OBJECT
public:
    LevelDialog(float zlo, float zhi, std::vector<contour::LineStyle> styles, QWidget* parent = nullptr);

    const std::vector<contour::LineStyle>& styles() const { return styles_; }
    QTableWidget* list() const { return list_; }
    QLineEdit* valueEdit() const { return value_; }

    void add();             // "增加" with the typed value
    void removeSelected();  // "删除"
    void setLevelValue(int row, float value);
    void setLevelStyle(int row, float widthMm, const QColor& colour);

private:
    void fill();
    void editRow(int row, int column);

    float zlo_;
    float zhi_;
    std::vector<contour::LineStyle> styles_;
    QTableWidget* list_;
    QLineEdit* value_;
};

// "线宽" spin box: steps of 0.1 shown "%.2f"; a step that would leave 0 … 5 is ignored.
class LineWidthSpin : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit LineWidthSpin(QWidget* parent = nullptr);
    void stepBy(int steps) override;
};

}  // namespace qelvo::ui
