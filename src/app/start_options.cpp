#include "app/start_options.h"

#include <QPushButton>
#include <QTimer>

#include "app/main_window.h"
#include "app/page_factory.h"
#include "presentation/messages.h"

namespace qelvo::ui {

StartOptions parseStartOptions(const QStringList& arguments)
{
    StartOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--page") && i + 1 < arguments.size()) {
            options.page = arguments[++i];
        } else if (a == QLatin1String("--press") && i + 1 < arguments.size()) {
            options.presses << arguments[++i];
        } else if (a == QLatin1String("--compute")) {
            options.compute = true;
        } else {
            options.problem = QStringLiteral("无法识别的启动参数：%1（可用 --page 编号、--compute、--press 按钮文字）").arg(a);
            return options;
        }
    }
    return options;
}

namespace {

// The shown button of the shown page with this text (or, for the compute button, the first
// whose text starts with "计算").
QPushButton* shownButton(QWidget* page, const QString& text, bool prefix)
{
    for (auto* b : page->findChildren<QPushButton*>())
        if (b->isVisible() && b->isEnabled() && (prefix ? b->text().startsWith(text) : b->text() == text)) return b;
    return nullptr;
}

}  // namespace

void applyStartOptions(MainWindow& window, const StartOptions& options)
{
    if (!options.problem.isEmpty()) {
        showMessage(&window, options.problem);
        return;
    }
    if (options.page.isEmpty()) return;
    const ListedCalculator* found = nullptr;
    for (const auto& entry : programCatalogue().entries())
        if (entry.calculator && QString::fromStdString(entry.calculator->id) == options.page && entry.slot > 0)
            found = &entry;
    if (!found) {
        showMessage(&window, QStringLiteral("没有编号为 %1 的计算页面（qelvo-calc list 列出全部）").arg(options.page));
        return;
    }
    window.showPage(found->slot);
    QWidget* page = window.page(found->slot);
    QTimer::singleShot(0, &window, [&window, page, options] {
        QStringList presses = options.presses;
        if (options.compute) presses.prepend(QString());
        for (const QString& text : presses) {
            QPushButton* b = text.isEmpty() ? shownButton(page, QStringLiteral("计算"), true) : shownButton(page, text, false);
            if (!b) {
                showMessage(&window, QStringLiteral("页面上没有“%1”按钮").arg(text.isEmpty() ? QStringLiteral("计算") : text));
                return;
            }
            b->click();
        }
    });
}

}  // namespace qelvo::ui
