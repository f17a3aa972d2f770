// "概率积分模型" page: ground subsidence at a surface point with the damage radius, and the
// subsidence basin around the panel as a contour map.
#pragma once

#include "presentation/form_page.h"
#include "tools/subsidence.h"

class QPlainTextEdit;

namespace qelvo::ui {

class SubsidencePage : public ModelPage<tools::SubsidenceInput, tools::SubsidenceResult> {
public:
    explicit SubsidencePage(QWidget* parent = nullptr);

    QPlainTextEdit* resultText() const { return result_; }

    // The basin button: computes the grid, writes the grid file and opens the contour map.
    void drawBasin();

    // Where the basin's grid file goes; the current folder's "result.grd" by default.
    void setGridPath(const QString& path) { gridPath_ = path; }

private:
    QPlainTextEdit* result_;
    QString gridPath_ = QStringLiteral("result.grd");
};

SubsidencePage* createSubsidencePage(QWidget* parent);

}  // namespace qelvo::ui
