// What the program does at start-up beyond showing its window, for screenshots and
// demonstrations: `qelvo --page ID [--compute] [--press TEXT]...` shows the page of a
// calculator, presses its compute button and then the buttons named, in order.
#pragma once

#include <QString>
#include <QStringList>

namespace qelvo::ui {

class MainWindow;

struct StartOptions {
    QString page;          // a calculator id, or empty
    bool compute = false;  // press the page's compute button (the first one whose text starts with "计算")
    QStringList presses;   // then these buttons, by their text
    QString problem;       // an option that is not understood
};

StartOptions parseStartOptions(const QStringList& arguments);

// Shows the page and presses its buttons once the event loop runs; a message when the page
// or a button is not there.
void applyStartOptions(MainWindow& window, const StartOptions& options);

}  // namespace qelvo::ui
