#include "air/pages/protection_distance_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <new>

#include "air/pages/drop_downs.h"
#include "air/pages/screening_page_engine.h"
#include "air/pollutant_standards.h"
#include "presentation/background_task.h"
#include "presentation/messages.h"

namespace qelvo::ui {

using air::ProtectionInput;

namespace {

PageOptions options()
{
    PageOptions o{QStringLiteral("大气环境防护距离"), QString()};
    o.resultFields = false;
    return o;
}

}  // namespace

ProtectionDistancePage::ProtectionDistancePage(QWidget* parent)
    : ModelPage(air::protectionDistanceCalculator(), options(), parent)
{
    addNote(QStringLiteral("—————大气导则HJ2.2-2008"));
    std::vector<std::string> names;
    for (const auto& p : air::pollutantStandards()) names.emplace_back(p.name);
    pollutants_ = editableDropDownFor(lineEdit(&ProtectionInput::pollutant), names);
    connect(pollutants_, &QComboBox::activated, this, &ProtectionDistancePage::choosePollutant);
    button_ = addButton(QString::fromUtf8(air::kProtectionButtonText), [this] { computeDistance(); });
    text_ = addResultText();
}

void ProtectionDistancePage::choosePollutant(int index)
{
    const auto& list = air::pollutantStandards();
    if (index < 0 || index >= int(list.size())) return;
    lineEdit(&ProtectionInput::S)->setText(QString::fromUtf8(list[std::size_t(index)].limit));
}

bool ProtectionDistancePage::computeDistance()
{
    binder().read();
    const ProtectionInput in = input();
    if (const Refusal r = air::checkProtection(in); r.refused()) {
        refuse(r);
        return false;
    }
    button_->setText(QString::fromUtf8(air::kProtectionBusyText));
    button_->setEnabled(false);
    const std::unique_ptr<air::ScreeningEngine> engine = pageScreeningEngine();
    air::ProtectionOutcome out;
    const Task task = [&](TaskControl& control) {
        try {
            out = air::runProtectionDistance(in, *engine, [&] { return control.cancelled(); });
        } catch (const std::bad_alloc&) {
            out = {.failure = kOutOfMemory};
        } catch (const std::exception&) {
            out = {.failure = kComputationFailed};
        }
    };
    const TaskOutcome outcome = runInBackground(this, task);
    button_->setText(QString::fromUtf8(air::kProtectionButtonText));
    button_->setEnabled(true);
    binder().write();
    if (outcome == TaskOutcome::Cancelled || out.cancelled) return false;
    if (out.refusal.refused()) {
        refuse(out.refusal);
        return false;
    }
    if (!out.failure.empty()) {
        // No result: the box keeps its text, the message says why.
        showMessage(this, QString::fromStdString(out.failure));
        return false;
    }
    text_->setPlainText(QString::fromStdString(out.text));
    return true;
}

}  // namespace qelvo::ui
