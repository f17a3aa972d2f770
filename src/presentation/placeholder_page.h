// Stands in a page slot until its calculator is built: names it, computes nothing.
#pragma once

#include <QWidget>

namespace qelvo::ui {

inline const QString kNotYetProvided = QStringLiteral("该计算功能尚未提供");

class PlaceholderPage : public QWidget {
    Q_OBJECT
public:
    PlaceholderPage(const QString& name, QWidget* parent = nullptr);
};

}  // namespace qelvo::ui
