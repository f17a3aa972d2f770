// "参考资料": the reference pages that lie as local HTML files in help/ beside the program.
//
// A topic is named by its locator, "\qelvohelp.chm::\固废预测\沉淀池污泥量计算.htm"; the
// part after "::" is the file's path below help/.
#pragma once

#include <QString>

class QWidget;

namespace qelvo::ui {

// The local file a topic locator names (it need not exist).
QString helpFilePath(const QString& locator);

// Opens the topic in the default browser, or says which file is missing.
void openHelpTopic(QWidget* parent, const QString& locator);

}  // namespace qelvo::ui
