#include "risk/pages/oil_film_page.h"

#include <QLineEdit>

#include "risk/pages/risk_page_parts.h"

namespace qelvo::ui {

namespace {

PageOptions oilFilmOptions()
{
    PageOptions o{QStringLiteral("油膜扩展直径计算"), QStringLiteral("计算结果")};
    o.resultFields = false;
    return o;
}

}  // namespace

OilFilmPage::OilFilmPage(QWidget* parent)
    : ModelPage(risk::oilFilmCalculator(), oilFilmOptions(), parent), result_(new QLineEdit(this))
{
    addNote(ui::shownText(risk::kOilFilmNote));
    result_->setObjectName(QStringLiteral("result"));
    result_->setReadOnly(true);
    addBelowButtons(result_);
    onComputed = [this](const Report& report) { result_->setText(ui::shownText(report.text)); };
}

}  // namespace qelvo::ui
