// A small modal tool window: one model's page with "确定" / "取消". On OK it computes with
// the fields as they stand and closes only when that succeeded, so the caller can take the
// results (LP1, the vehicle speeds, …).
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "presentation/form_page.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"

namespace qelvo::ui {

template <class In, class Out>
class ModelDialog : public QDialog {
public:
    ModelDialog(const CalculatorDef<In, Out>& def, const QString& title, QWidget* parent = nullptr)
        : QDialog(parent), page_(new ModelPage<In, Out>(def, {QString()}, this))
    {
        setWindowTitle(title);
        paintBackground(this, kToolWindowColour);
        paintBackground(page_, kToolWindowColour);
        auto* buttons = okCancelButtons(this, [this] {
            if (finish()) accept();
        });
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(page_);
        layout->addWidget(buttons);
    }

    ModelPage<In, Out>* page() const { return page_; }
    const Out& result() const { return page_->result(); }
    bool finish() { return page_->compute(); }

private:
    ModelPage<In, Out>* page_;
};

}  // namespace qelvo::ui
