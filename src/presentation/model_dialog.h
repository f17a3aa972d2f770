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
    ModelDialog(const CalculatorDef<In, Out>& def, const QString& title, QWidget* parent = nullptr,
                const QString& computeText = QStringLiteral("计算"))
        : QDialog(parent), page_(new ModelPage<In, Out>(def, {QString(), computeText}, this))
    {
        setWindowTitle(title);
        paintBackground(this, kToolWindowColour);
        paintBackground(page_, kToolWindowColour);
        auto* buttons = okCancelButtons(this, [this] {
            if (finish()) accept();
        });
        layout_ = new QVBoxLayout(this);
        layout_->addWidget(page_);
        layout_->addWidget(buttons);
        addCalculatorHelp(this, def.id);
    }

    ModelPage<In, Out>* page() const { return page_; }
    const Out& result() const { return page_->result(); }
    bool finish() { return page_->compute(); }

protected:
    QVBoxLayout* mainLayout() const { return layout_; }

private:
    ModelPage<In, Out>* page_;
    QVBoxLayout* layout_ = nullptr;
};

}  // namespace qelvo::ui
