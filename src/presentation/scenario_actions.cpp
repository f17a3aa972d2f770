#include "presentation/scenario_actions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QWidget>

#include "common/scenario.h"
#include "presentation/messages.h"

namespace qelvo::ui {

namespace {

const QString kFilter = QStringLiteral("方案文件(*.json);;所有文件(*)");

// The folder of the last file saved or opened, for the next dialog.
QString& lastFolder()
{
    static QString folder = QDir::homePath();
    return folder;
}

QString proposedPath(const ScenarioSource& source)
{
    return QDir(lastFolder()).filePath(QString::fromStdString(source.calculatorId) + QStringLiteral(".json"));
}

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

void saveScenario(QWidget* page, const ScenarioSource& source)
{
    if (source.read && !source.read()) return;
    const Assignments texts = source.texts();
    // A text that is no value of its field would make a file that cannot be opened again.
    for (const auto& [key, text] : texts) {
        for (const auto& field : source.inputs) {
            if (field.key != key || acceptsText(field, text)) continue;
            showMessage(page, field.kind == FieldKind::Integer ? kNotAnInteger : kNotANumber);
            if (QWidget* w = source.widgetFor ? source.widgetFor(key) : nullptr) {
                w->setFocus();
                if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
            }
            return;
        }
    }
    const QString path = chooseFile(page, {QStringLiteral("保存方案"), proposedPath(source), kFilter, true});
    if (path.isEmpty()) return;
    lastFolder() = QFileInfo(path).absolutePath();
    const std::string failure = writeScenario(localPath(path), source.calculatorId, texts);
    if (!failure.empty()) showMessage(page, QString::fromStdString(failure));
}

void openScenario(QWidget* page, const ScenarioSource& source)
{
    const QString path = chooseFile(page, {QStringLiteral("打开方案"), lastFolder(), kFilter, false});
    if (path.isEmpty()) return;
    lastFolder() = QFileInfo(path).absolutePath();
    const ScenarioRead read = readScenario(localPath(path), source.calculatorId, source.inputs);
    if (!read.problem.empty()) {
        showMessage(page, QString::fromStdString(read.problem));
        return;
    }
    source.show(read.scenario.inputs);
}

ScenarioSource joinScenarioSources(std::vector<ScenarioSource> forms)
{
    ScenarioSource joined;
    joined.calculatorId = forms.at(0).calculatorId;
    joined.inputs = forms.at(0).inputs;
    // The form that shows a key (its widget), else the first, which keeps it in the record.
    const auto formOf = [forms](const std::string& key) -> std::size_t {
        for (std::size_t i = 0; i < forms.size(); ++i)
            if (forms[i].widgetFor(key)) return i;
        return 0;
    };
    joined.read = [forms] {
        for (const auto& f : forms)
            if (f.read && !f.read()) return false;
        return true;
    };
    joined.texts = [forms, formOf] {
        std::vector<Assignments> each;
        for (const auto& f : forms) each.push_back(f.texts());
        Assignments texts = each.at(0);
        for (auto& [key, text] : texts) {
            for (const auto& [k, t] : each[formOf(key)])
                if (k == key) text = t;
        }
        return texts;
    };
    joined.show = [forms, formOf](const Assignments& texts) {
        std::vector<Assignments> each(forms.size());
        for (const auto& item : texts) each[formOf(item.first)].push_back(item);
        for (std::size_t i = 0; i < forms.size(); ++i)
            if (!each[i].empty()) forms[i].show(each[i]);
    };
    joined.widgetFor = [forms, formOf](const std::string& key) { return forms[formOf(key)].widgetFor(key); };
    return joined;
}

std::pair<QAction*, QAction*> addScenarioActions(QWidget* page, ScenarioSource source)
{
    auto* save = new QAction(QString::fromUtf8(kSaveScenarioText), page);
    auto* open = new QAction(QString::fromUtf8(kOpenScenarioText), page);
    save->setObjectName(QStringLiteral("saveScenario"));
    open->setObjectName(QStringLiteral("openScenario"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    // A page is one of many in the main window; only the shown one answers its shortcuts.
    save->setShortcutContext(Qt::WindowShortcut);
    open->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(save, &QAction::triggered, page, [page, source] { saveScenario(page, source); });
    QObject::connect(open, &QAction::triggered, page, [page, source] { openScenario(page, source); });
    page->addAction(save);
    page->addAction(open);
    page->setContextMenuPolicy(Qt::ActionsContextMenu);
    return {save, open};
}

}  // namespace qelvo::ui
