// "关 于": the about box.
#pragma once

#include <QDialog>

namespace qelvo::ui {

inline const QString kProductLine = QStringLiteral("Qelvo " QELVO_VERSION);
inline const QString kContactMail = QStringLiteral("qelvo@example.com");

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace qelvo::ui
