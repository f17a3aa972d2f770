// The fire and explosion pages: BLEVE, pool fire, jet fire and vapour cloud explosion. Each
// has its parameter group, the group of the receptor distance, "计算结果", the result text
// and the table of the distances at which the fire's radiation (the blast's overpressure)
// falls to the damage thresholds, with its curve window.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "presentation/form_page.h"
#include "risk/bleve.h"
#include "risk/jet_fire.h"
#include "risk/pages/risk_page_parts.h"
#include "risk/pool_fire.h"
#include "risk/vce.h"

namespace qelvo::ui {

PageOptions consequenceOptions(const QString& group);

template <class In, class Out>
class ConsequencePage : public ModelPage<In, Out> {
public:
    ConsequencePage(const CalculatorDef<In, Out>& def, const QString& group, const QString& openingText,
                    std::vector<risk::Threshold> thresholds, std::string levelUnit, QWidget* parent)
        : ModelPage<In, Out>(def, consequenceOptions(group), parent),
          results_(this, openingText, emptyTableOf(def), std::move(thresholds), std::move(levelUnit))
    {
        this->onComputed = [this](const Report& report) { results_.show(report); };
    }

    ConsequenceResults& results() { return results_; }

private:
    ConsequenceResults results_;
};

class BlevePage : public ConsequencePage<risk::BleveInput, risk::BleveResult> {
public:
    explicit BlevePage(QWidget* parent = nullptr);
};

class PoolFirePage : public ConsequencePage<risk::PoolFireInput, risk::PoolFireResult> {
public:
    explicit PoolFirePage(QWidget* parent = nullptr);
};

class JetFirePage : public ConsequencePage<risk::JetFireInput, risk::JetFireResult> {
public:
    explicit JetFirePage(QWidget* parent = nullptr);
};

class VcePage : public ConsequencePage<risk::VceInput, risk::VceResult> {
public:
    explicit VcePage(QWidget* parent = nullptr);

    void setMethod(int method);  // the radio buttons: which fields and buttons are enabled
    void openLookup();           // "根据无因次距离查超压"
    const risk::VceMemory& memory() const { return memory_; }
    QPushButton* lookupButton() const { return lookup_; }

private:
    risk::VceMemory memory_;  // kept between commands
    QPushButton* lookup_;
};

}  // namespace qelvo::ui
