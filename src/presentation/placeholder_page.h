// Stands in a page slot until its calculator is built: names it, computes nothing.
#pragma once

#include <QWidget>

namespace qelvo {
struct PageSlot;
}

namespace qelvo::ui {

inline const QString kNotYetProvided = QStringLiteral("该计算功能尚未提供");

class PlaceholderPage : public QWidget {
    Q_OBJECT
public:
    PlaceholderPage(const QString& name, QWidget* parent = nullptr);
};

// The placeholder of a slot: a tab container of placeholders where the slot has tabs.
QWidget* createPlaceholder(const PageSlot& slot, QWidget* parent);

}  // namespace qelvo::ui
