// "油膜扩展直径计算": the Blokker formula's page with its one-line result.
#pragma once

#include "presentation/form_page.h"
#include "risk/oil_film.h"

class QLineEdit;

namespace qelvo::ui {

class OilFilmPage : public ModelPage<risk::OilFilmInput, risk::OilFilmResult> {
public:
    explicit OilFilmPage(QWidget* parent = nullptr);
    QLineEdit* resultLine() const { return result_; }

private:
    QLineEdit* result_;
};

}  // namespace qelvo::ui
