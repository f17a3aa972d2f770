// The liquid evaporation page and its three windows (flash, heat and mass evaporation).
//
// Each window opens afresh with its defaults, computes its rate with "计算" and is closed by
// its close box; the page then takes over what the window hands back:
// - flash: Q1 and t1; mass: Q3. Both read their fields once more when closed, so a value
//   typed after the last "计算" is carried over as it stands (the rate as its field shows it).
// - heat: Q2 and its t (into the page's t2), as they were at its last "计算", or as it opened.
#pragma once

#include <QDialog>
#include <QVBoxLayout>

#include "presentation/form_page.h"
#include "presentation/page_style.h"
#include "risk/pool_evaporation.h"

namespace qelvo::ui {

template <class In, class Out>
class EvaporationWindow : public QDialog {
public:
    EvaporationWindow(const CalculatorDef<In, Out>& def, bool readsFieldsOnClose, QWidget* parent = nullptr)
        : QDialog(parent), page_(new ModelPage<In, Out>(def, {QString()}, this)), readsOnClose_(readsFieldsOnClose)
    {
        setWindowTitle(QString::fromStdString(def.label));
        paintBackground(this, kPageColour);
        addCalculatorHelp(this, def.id);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page_);
        page_->onComputed = [this](const Report&) { takeFromPage(); };
    }

    ModelPage<In, Out>* page() const { return page_; }

    // What the page takes over when the window has closed.
    const In& handedInput() const { return handedInput_; }
    const Out& handedResult() const { return handedResult_; }

    // The close box (and Esc). A window that reads its fields on closing stays open while
    // one of them is not a number.
    void reject() override
    {
        if (readsOnClose_) {
            if (!page_->binder().read()) return;
            takeFromPage();
        }
        QDialog::reject();
    }

private:
    void takeFromPage()
    {
        handedInput_ = page_->input();
        handedResult_ = page_->result();
    }

    ModelPage<In, Out>* page_;
    bool readsOnClose_;
    In handedInput_{};
    Out handedResult_{};
};

using FlashWindow = EvaporationWindow<risk::FlashInput, risk::FlashResult>;
using HeatWindow = EvaporationWindow<risk::HeatInput, risk::HeatResult>;
using MassWindow = EvaporationWindow<risk::MassInput, risk::MassResult>;

class PoolEvaporationPage : public ModelPage<risk::PoolEvaporationInput, risk::PoolEvaporationResult> {
public:
    explicit PoolEvaporationPage(QWidget* parent = nullptr);

    void openFlash();  // "闪蒸量计算"
    void openHeat();   // "热量蒸发计算"
    void openMass();   // "质量蒸发计算"
};

}  // namespace qelvo::ui
