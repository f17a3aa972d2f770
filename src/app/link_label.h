// The link label of the main window: red raised lettering that opens the update web page.
#pragma once

#include <QLabel>

namespace qelvo::ui {

inline const QString kUpdateUrl = QStringLiteral("https://www.example.com/qelvo/");
inline const QString kUpdateLinkText = QStringLiteral("Qelvo网站：获取最新版本");

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, const QString& url, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString url_;
};

}  // namespace qelvo::ui
