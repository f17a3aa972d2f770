// "详细结果": a modal window showing one complete result text, read-only.
#pragma once

#include <QDialog>

class QTextEdit;

namespace qelvo::ui {

class DetailsWindow : public QDialog {
    Q_OBJECT
public:
    explicit DetailsWindow(const QString& text, QWidget* parent = nullptr);

    QTextEdit* textBox() const { return text_; }

    // Puts the selected text on the clipboard; with nothing selected nothing is copied.
    void copySelection();

private:
    QTextEdit* text_;
};

// Opens the details window modally with the text a page built.
void showDetails(QWidget* parent, const QString& text);

}  // namespace qelvo::ui
