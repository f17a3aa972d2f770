// The tab container of five pages: a tab control whose tabs are child forms.
#pragma once

#include <QTabWidget>

namespace qelvo::ui {

class TabSheet : public QTabWidget {
    Q_OBJECT
public:
    static constexpr int kMaxForms = 16;

    explicit TabSheet(QWidget* parent = nullptr);

    // Adds a form under a tab; the 17th is refused (false). The first form is shown.
    bool addForm(QWidget* form, const QString& title);
};

}  // namespace qelvo::ui
