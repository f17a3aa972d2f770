// Colours and fonts every window of the program shares.
#pragma once

#include <QColor>

class QApplication;
class QWidget;

namespace qelvo::ui {

inline const QColor kMainWindowColour(0, 166, 228);
inline const QColor kPageColour(159, 185, 245);         // pages, tab containers, tab forms
inline const QColor kToolWindowColour(84, 188, 214);    // small modal tool windows
inline const QColor kDisabledTextColour(72, 72, 84);    // readable on every window colour

// Fills the widget's background with a colour (labels stay transparent on it).
void paintBackground(QWidget* widget, const QColor& colour);

// The program's font (a Simplified Chinese family at 9 pt) and common widget styles.
void applyProgramStyle(QApplication& app);

}  // namespace qelvo::ui
