// The fugitive emission pages: open storage (with the substance list that sets Pv), liquid
// evaporation (a result text), equipment leaks, odour (with its invalid-number message) and
// the dust tab container (transport, coal pile).
#pragma once

#include "air/dust.h"
#include "air/fugitive_emission.h"
#include "common/catalogue.h"
#include "presentation/form_page.h"

class QComboBox;
class QPlainTextEdit;

namespace qelvo::ui {

class TabSheet;

class OpenStoragePage : public ModelPage<air::OpenStorageInput, air::OpenStorageResult> {
public:
    explicit OpenStoragePage(QWidget* parent = nullptr);
    QComboBox* substanceList() const { return substances_; }
    // A substance of the list: Pv at the current T.
    void chooseSubstance();

private:
    QComboBox* substances_;
};

class LiquidEvaporationPage : public ModelPage<air::LiquidEvaporationInput, air::LiquidEvaporationResult> {
public:
    explicit LiquidEvaporationPage(QWidget* parent = nullptr);
    QPlainTextEdit* resultText() const { return text_; }

private:
    QPlainTextEdit* text_;
};

class EquipmentLeakPage : public ModelPage<air::EquipmentLeakInput, air::EquipmentLeakResult> {
public:
    explicit EquipmentLeakPage(QWidget* parent = nullptr);
};

class OdourPage : public ModelPage<air::OdourInput, air::OdourResult> {
public:
    explicit OdourPage(QWidget* parent = nullptr);
};

using TransportForm = ModelPage<air::TransportInput, air::TransportResult>;
using CoalPileForm = ModelPage<air::CoalPileInput, air::CoalPileResult>;

// "扬尘计算": the transport and coal pile forms under their tabs, and "参考资料".
class DustPage : public QWidget {
    Q_OBJECT
public:
    explicit DustPage(const PageSlot& slot, QWidget* parent = nullptr);
    TabSheet* tabs() const { return tabs_; }
    TransportForm* transportForm() const { return transport_; }
    CoalPileForm* coalPileForm() const { return coal_; }

private:
    TabSheet* tabs_;
    TransportForm* transport_;
    CoalPileForm* coal_;
};

}  // namespace qelvo::ui
