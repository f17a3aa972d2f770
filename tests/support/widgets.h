// Finding a page's widgets the way a user sees them: by their text or their field key.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace qelvo::ui::testing {

// The push button with this text, or null.
inline QPushButton* button(QWidget* w, const QString& text)
{
    for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

// The line edit of the field with this key, or null.
inline QLineEdit* edit(QWidget* w, const char* key) { return w->findChild<QLineEdit*>(key); }

// The radio button with this text, or null.
inline QAbstractButton* radio(QWidget* w, const QString& text)
{
    for (auto* r : w->findChildren<QRadioButton*>())
        if (r->text() == text) return r;
    return nullptr;
}

// A mouse click on a tab, as the user chooses it.
inline void clickTab(QTabWidget* tabs, int index)
{
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}

}  // namespace qelvo::ui::testing
