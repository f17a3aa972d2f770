// The main window: the button column with the category menus on the left, the page host
// with its 38 page slots on the right, the clock line, "窗口总在最前面" and the link label.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <map>

#include "common/catalogue.h"

class QAction;
class QCheckBox;
class QMenu;
class QPushButton;

namespace qelvo::ui {

class ClockLabel;
class ClosingAnimation;

inline const QString kMainWindowTitle = QStringLiteral("Qelvo环评计算");

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Hides every page and shows one; a slot outside 1…38 shows slot 1. Pages are never
    // recreated or reset.
    void showPage(int slot);
    int currentSlot() const { return currentSlot_; }
    QWidget* page(int slot) const;

    // What choosing a menu entry does.
    void runCommand(int command);

    QPushButton* button(int controlId) const;
    QMenu* categoryMenu(int controlId) const;
    QAction* commandAction(int command) const;
    ClockLabel* clock() const { return clock_; }
    QCheckBox* topmostBox() const { return topmost_; }
    QRect pageHostRect() const { return hostRect_; }
    ClosingAnimation* closingAnimation() const { return closing_; }

    void setAlwaysOnTop(bool on);
    void openAbout();
    void runUpdater();

    // Esc: ends at once, without the animation.
    void endNow();

signals:
    void ended();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QPushButton* addButton(int controlId, const QString& text, const QRect& place);
    void layoutPages();

    std::array<QWidget*, kSlotCount> pages_{};
    int currentSlot_ = 0;
    std::map<int, QPushButton*> buttons_;
    std::map<int, QMenu*> menus_;
    std::map<int, QAction*> actions_;
    ClockLabel* clock_ = nullptr;
    QCheckBox* topmost_ = nullptr;
    QRect hostRect_;
    ClosingAnimation* closing_ = nullptr;
    bool ending_ = false;
};

}  // namespace qelvo::ui
