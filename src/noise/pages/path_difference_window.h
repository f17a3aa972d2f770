// "声程差计算": the modal path-difference window that noise pages open and read back.
#pragma once

#include <QDialog>

#include "noise/path_difference.h"
#include "presentation/form_page.h"

class QPlainTextEdit;

namespace qelvo::ui {

using PathDifferencePage = ModelPage<noise::PathDifferenceInput, noise::PathDifferenceResult>;

class BarrierPicture;

class PathDifferenceWindow : public QDialog {
    Q_OBJECT
public:
    // The caller gives the source–receiver distance r and presets the mode (0 finite,
    // 1 infinite); only that mode's radio button is shown.
    PathDifferenceWindow(float r, int mode, QWidget* parent = nullptr);

    PathDifferencePage* page() const { return page_; }
    QPlainTextEdit* resultText() const { return text_; }
    const noise::PathDifferenceResult& result() const { return page_->result(); }
    int mode() const { return page_->input().mode; }

    void setMode(int mode);

private:
    PathDifferencePage* page_;
    QPlainTextEdit* text_;
    BarrierPicture* picture_;
};

}  // namespace qelvo::ui
