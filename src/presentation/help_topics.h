// Where the program's help lies and which file a topic is.
//
// The help is a folder of UTF-8 HTML files: help/calculators/<calculator id>.html, one topic
// per calculator, and the reference pages of the "参考资料" buttons in folders of their own,
// named by a locator such as "\qelvohelp.chm::\固废预测\沉淀池污泥量计算.htm" whose part after
// "::" is the file's path below the help folder. Topics are shown in the help window
// (presentation/help_window.h), never by another program.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace qelvo::ui {

// The help folder: the first that exists of $QELVO_HELP_DIR, help/ beside the program,
// ../share/qelvo/help beside the program (an installed program) and the source tree's
// help/ (a program run from its build folder). None: help/ beside the program.
QString helpDirectory();

// The topic path, below the help folder, that a "参考资料" locator names.
QString locatorTopic(const QString& locator);

// The topic path of a calculator's help.
QString calculatorTopic(const std::string& calculatorId);

// The local file of a topic path or locator (it need not exist).
QString helpFilePath(const QString& topicOrLocator);

// Shows the topic a "参考资料" locator names in the help window.
void openHelpTopic(QWidget* parent, const QString& locator);

}  // namespace qelvo::ui
