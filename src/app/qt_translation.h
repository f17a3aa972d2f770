// Qt's own texts (the standard buttons of message boxes, the file dialogs) in Simplified
// Chinese, from Qt's translation catalogue.
#pragma once

class QTranslator;

namespace qelvo::ui {

// Loads qtbase_zh_CN.qm from translations/ beside the program or from Qt's translation
// folder and installs it in the application. Returns the installed translator (owned by the
// application), or null when no catalogue was found: Qt then speaks English.
QTranslator* installQtChinese();

}  // namespace qelvo::ui
