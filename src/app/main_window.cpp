#include "app/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

#include "app/about_box.h"
#include "app/clock_label.h"
#include "app/closing_animation.h"
#include "app/link_label.h"
#include "app/page_factory.h"
#include "presentation/dialog_units.h"
#include "presentation/messages.h"
#include "presentation/desktop.h"
#include "presentation/page_style.h"

namespace qelvo::ui {
namespace {

struct Place {
    int x, y, w, h;
};

// The button column, in dialog units.
const std::map<int, Place> kButtonPlaces = {
    {1000, {8, 8, 74, 18}},  {1001, {8, 26, 74, 18}},  {1003, {8, 44, 74, 17}},
    {1008, {8, 61, 74, 17}}, {1009, {8, 78, 74, 17}},  {1005, {8, 95, 74, 18}},
    {1007, {8, 113, 74, 18}}, {1006, {8, 131, 74, 18}}, {1010, {8, 176, 74, 17}},
};
constexpr int kUpdateButton = 1007;
constexpr int kAboutButton = 1006;

const char* kButtonStyle =
    "QPushButton { background-color: rgb(152,242,196); border: 1px solid rgb(96,150,124); border-radius: 2px; }"
    "QPushButton:focus { background-color: rgb(214,244,229); }"
    "QPushButton:hover { background-color: rgb(164,196,248); }"
    "QPushButton:pressed { border-style: inset; }"
    "QPushButton::menu-indicator { image: none; width: 0px; }";

// A flat, light popup menu.
const char* kMenuStyle =
    "QMenu { background: rgb(252,252,249); border: 1px solid rgb(138,134,122); padding: 2px; }"
    "QMenu::item { padding: 4px 22px 4px 22px; color: black; }"
    "QMenu::item:selected { background: rgb(193,210,238); border: 1px solid rgb(49,106,197); }"
    "QMenu::separator { height: 1px; background: rgb(197,194,184); margin: 3px 4px; }";

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(kMainWindowTitle);
    paintBackground(this, kMainWindowColour);
    const DialogUnits du(font());
    setFixedSize(du.x(459), du.y(305));

    auto* column = new QGroupBox(this);
    column->setGeometry(du.rect(7, 3, 75, 283));

    for (const auto& menu : programCatalogue().menus()) {
        QPushButton* b = addButton(menu.buttonId, QString::fromStdString(menu.buttonText), [&] {
            const Place& p = kButtonPlaces.at(menu.buttonId);
            return du.rect(p.x, p.y, p.w, p.h);
        }());
        auto* popup = new QMenu(QString::fromStdString(menu.popupTitle), this);
        popup->setStyleSheet(kMenuStyle);
        for (const auto& entry : menu.entries) {
            if (entry.isSeparator()) {
                popup->addSeparator();
                continue;
            }
            QAction* action = popup->addAction(QString::fromStdString(entry.label));
            const int command = entry.command;
            connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
            actions_[command] = action;
        }
        b->setMenu(popup);
        b->setVisible(menu.shown);
        menus_[menu.buttonId] = popup;
    }
    const auto placeOf = [&](int id) {
        const Place& p = kButtonPlaces.at(id);
        return du.rect(p.x, p.y, p.w, p.h);
    };
    connect(addButton(kUpdateButton, QStringLiteral("在线更新"), placeOf(kUpdateButton)), &QPushButton::clicked, this,
            &MainWindow::runUpdater);
    connect(addButton(kAboutButton, QStringLiteral("关 于"), placeOf(kAboutButton)), &QPushButton::clicked, this,
            &MainWindow::openAbout);

    // The page host: every page is a child of the main window, placed over this rectangle.
    hostRect_ = du.rect(85, 8, 371, 281);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        QWidget* page = createPage(slot, this);
        page->setObjectName(QStringLiteral("page%1").arg(slot));
        page->setGeometry(hostRect_);
        page->hide();
        pages_[slot - 1] = page;
    }
    showPage(1);

    clock_ = new ClockLabel(this);
    clock_->setGeometry(du.rect(11, 275, 71, 8));

    topmost_ = new QCheckBox(QStringLiteral("窗口总在最前面"), this);
    topmost_->setGeometry(du.rect(9, 290, 71, 12));
    topmost_->setChecked(false);
    // Its own text colour on the window colour; the box itself keeps the style's white face
    // and frame, so that it reads as a check box when unchecked too.
    QPalette topmostPalette = topmost_->palette();
    topmostPalette.setColor(QPalette::WindowText, QColor(178, 0, 176));
    topmostPalette.setColor(QPalette::Base, Qt::white);
    topmost_->setPalette(topmostPalette);
    topmost_->setAutoFillBackground(false);
    connect(topmost_, &QCheckBox::toggled, this, &MainWindow::setAlwaysOnTop);

    auto* link = new LinkLabel(kUpdateLinkText, kUpdateUrl, this);
    link->setGeometry(du.rect(329, 293, 121, 8));

    closing_ = new ClosingAnimation(this, [this] {
        ending_ = true;
        close();
    });
}

QPushButton* MainWindow::addButton(int controlId, const QString& text, const QRect& place)
{
    auto* b = new QPushButton(text, this);
    b->setGeometry(place);
    b->setStyleSheet(kButtonStyle);
    buttons_[controlId] = b;
    return b;
}

void MainWindow::showPage(int slot)
{
    if (slot < 1 || slot > kSlotCount) slot = 1;
    for (QWidget* page : pages_) page->hide();
    pages_[slot - 1]->show();
    currentSlot_ = slot;
}

QWidget* MainWindow::page(int slot) const
{
    return slot >= 1 && slot <= kSlotCount ? pages_[slot - 1] : nullptr;
}

void MainWindow::runCommand(int command)
{
    const ListedCalculator* entry = programCatalogue().entry(command);
    if (!entry) return;
    if (entry->slot > 0) {
        showPage(entry->slot);
        return;
    }
    // A window of its own (the decibel calculator): an open one is replaced by a fresh one.
    if (const auto open = commandWindow(command)) open(this);
}

QPushButton* MainWindow::button(int controlId) const
{
    const auto it = buttons_.find(controlId);
    return it == buttons_.end() ? nullptr : it->second;
}

QMenu* MainWindow::categoryMenu(int controlId) const
{
    const auto it = menus_.find(controlId);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* MainWindow::commandAction(int command) const
{
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::setAlwaysOnTop(bool on)
{
    const QPoint position = pos();
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) {
        show();
        move(position);
    }
}

void MainWindow::openAbout()
{
    AboutBox box(this);
    execModal(box);
}

void MainWindow::runUpdater()
{
    // The updater lies beside the program; without one nothing happens and nothing is said.
    const QString updater = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("update"));
    if (QFileInfo(updater).isExecutable()) desktop().startProgram(updater);
}

void MainWindow::endNow()
{
    ending_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (ending_) {
        event->accept();
        // Windows of their own (the decibel calculator) end with the main window.
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isWindow()) child->close();
        emit ended();
        return;
    }
    event->ignore();
    closing_->start();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        endNow();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // Stands in for the window's system menu entry; pages keep their own right-click menus.
    if (hostRect_.contains(event->pos())) return;
    QMenu menu(this);
    menu.setStyleSheet(kMenuStyle);
    menu.addAction(QStringLiteral("关于 Qelvo(&A)..."), this, &MainWindow::openAbout);
    menu.exec(event->globalPos());
}

void MainWindow::showEvent(QShowEvent* event)
{
    layoutPages();
    QWidget::showEvent(event);
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    if (isVisible()) layoutPages();
    QWidget::moveEvent(event);
}

void MainWindow::layoutPages()
{
    for (QWidget* page : pages_) page->setGeometry(hostRect_);
}

}  // namespace qelvo::ui
