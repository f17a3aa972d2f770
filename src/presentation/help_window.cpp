#include "presentation/help_window.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "presentation/help_topics.h"

namespace qelvo::ui {
namespace {

constexpr const char* kHelpCalculatorProperty = "qelvoHelpCalculator";
constexpr int kTopicRole = Qt::UserRole;
const QString kCalculatorFolder = QStringLiteral("calculators/");
const QString kReferenceGroup = QStringLiteral("参考资料");

// The contents' groups of calculator topics: the domain part of the id, as the category
// buttons name it.
QString calculatorGroup(const QString& fileName)
{
    static const std::map<QString, QString> groups = {
        {QStringLiteral("water"), QStringLiteral("水预测工具")},  {QStringLiteral("air"), QStringLiteral("大气预测工具")},
        {QStringLiteral("noise"), QStringLiteral("噪声预测工具")}, {QStringLiteral("risk"), QStringLiteral("环境风险评价")},
        {QStringLiteral("solid"), QStringLiteral("固废预测工具")}, {QStringLiteral("tools"), QStringLiteral("其他工具")},
    };
    const auto it = groups.find(fileName.section(QLatin1Char('.'), 0, 0));
    return it == groups.end() ? QStringLiteral("其他") : it->second;
}

QString titleOf(const QString& html, const QString& fallback)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const auto m = title.match(html);
    const QString t = m.hasMatch() ? m.captured(1).simplified() : QString();
    return t.isEmpty() ? fallback : t;
}

// The words of a page, for the search: its body without tags, a few entities spelled out.
QString plainText(const QString& html)
{
    static const QRegularExpression head(QStringLiteral("<head>.*?</head>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = html;
    text.remove(head).remove(tag);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&nbsp;"), QStringLiteral(" "))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text.simplified();
}

// F1 and the right-click menu of a page that has a calculator's help.
class PageHelp : public QObject {
public:
    PageHelp(QWidget* page) : QObject(page), page_(page)
    {
        auto* action = new QAction(QStringLiteral("帮助"), page);
        action->setShortcut(QKeySequence::HelpContents);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, [this] { open(); });
        page->addAction(action);
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != page_ || event->type() != QEvent::ContextMenu) return false;
        const auto* e = static_cast<QContextMenuEvent*>(event);
        QWidget* at = page_->childAt(e->pos());
        pointed_ = at ? at : page_;
        QMenu menu(page_);
        menu.addActions(page_->actions());
        menu.exec(e->globalPos());
        pointed_ = nullptr;
        return true;
    }

private:
    void open()
    {
        // From the menu: the part right-clicked; by F1: the part that has the focus.
        QWidget* from = pointed_ ? pointed_.data() : QApplication::focusWidget();
        if (!from || (from != page_ && !page_->isAncestorOf(from))) from = page_;
        showHelp(page_, calculatorTopic(helpCalculatorOf(from)));
    }

    QWidget* page_;
    QPointer<QWidget> pointed_;
};

QPointer<HelpWindow>& theHelpWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), search_(new QLineEdit), contents_(new QTreeWidget), browser_(new QTextBrowser)
{
    setWindowTitle(QStringLiteral("帮助"));
    resize(960, 640);
    search_->setPlaceholderText(QStringLiteral("搜索帮助主题"));
    search_->setClearButtonEnabled(true);
    contents_->setHeaderHidden(true);
    contents_->setColumnCount(1);
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(search_);
    leftLayout->addWidget(contents_, 1);
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(left);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 680});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter);

    loadTopics();
    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::filter);
    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const QString topic = item ? item->data(0, kTopicRole).toString() : QString();
        if (!topic.isEmpty() && topic != current_) showTopic(topic);
    });
    // A link from one topic to another: the contents follow.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        if (!url.isLocalFile()) return;
        const QString topic = QDir(helpDirectory()).relativeFilePath(url.toLocalFile());
        if (topic == current_ || topic.startsWith(QStringLiteral(".."))) return;
        current_ = topic;
        select(topic);
    });
}

void HelpWindow::loadTopics()
{
    const QDir root(helpDirectory());
    std::map<QString, QTreeWidgetItem*> groups;
    const auto groupItem = [&](const QString& name) {
        auto& g = groups[name];
        if (!g) {
            g = new QTreeWidgetItem(QStringList{name});
            g->setFlags(Qt::ItemIsEnabled);
        }
        return g;
    };
    QStringList paths;
    QDirIterator it(root.path(), {QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) paths << root.relativeFilePath(it.next());
    paths.sort();
    for (const QString& path : paths) {
        QFile file(root.filePath(path));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString html = QString::fromUtf8(file.readAll());
        const bool calculator = path.startsWith(kCalculatorFolder);
        Topic topic{path, titleOf(html, QFileInfo(path).completeBaseName()), plainText(html), nullptr};
        topic.item = new QTreeWidgetItem(QStringList{topic.title});
        topic.item->setData(0, kTopicRole, path);
        topic.item->setToolTip(0, path);
        groupItem(calculator ? calculatorGroup(QFileInfo(path).fileName()) : kReferenceGroup)->addChild(topic.item);
        topics_.push_back(std::move(topic));
    }
    // The groups in the order of the category buttons, the reference pages last.
    for (const QString& name : {QStringLiteral("水预测工具"), QStringLiteral("大气预测工具"), QStringLiteral("噪声预测工具"),
                                QStringLiteral("环境风险评价"), QStringLiteral("固废预测工具"), QStringLiteral("其他工具"),
                                QStringLiteral("其他"), kReferenceGroup})
        if (const auto g = groups.find(name); g != groups.end()) contents_->addTopLevelItem(g->second);
    contents_->expandAll();
}

void HelpWindow::filter(const QString& text)
{
    const QString wanted = text.trimmed();
    for (const Topic& t : topics_)
        t.item->setHidden(!wanted.isEmpty() && !t.title.contains(wanted, Qt::CaseInsensitive) &&
                          !t.text.contains(wanted, Qt::CaseInsensitive));
    for (int i = 0; i < contents_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* group = contents_->topLevelItem(i);
        bool any = false;
        for (int j = 0; j < group->childCount(); ++j) any = any || !group->child(j)->isHidden();
        group->setHidden(!any);
    }
    contents_->expandAll();
}

QStringList HelpWindow::listedTopics() const
{
    QStringList list;
    for (int i = 0; i < contents_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* group = contents_->topLevelItem(i);
        if (group->isHidden()) continue;
        for (int j = 0; j < group->childCount(); ++j)
            if (!group->child(j)->isHidden()) list << group->child(j)->data(0, kTopicRole).toString();
    }
    return list;
}

void HelpWindow::showTopic(const QString& topic)
{
    current_ = topic;
    const QString path = QDir(helpDirectory()).filePath(topic);
    if (!QFileInfo(path).isFile()) {
        browser_->setSource(QUrl());
        browser_->setHtml(QStringLiteral("<h2>找不到帮助主题</h2><p>帮助文件“%1”不存在。</p>")
                              .arg(QDir::toNativeSeparators(path).toHtmlEscaped()));
        contents_->setCurrentItem(nullptr);
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(path));
    select(topic);
}

void HelpWindow::select(const QString& topic)
{
    for (const Topic& t : topics_) {
        if (t.path != topic) continue;
        contents_->setCurrentItem(t.item);
        contents_->scrollToItem(t.item);
        return;
    }
    contents_->setCurrentItem(nullptr);
}

HelpWindow* showHelp(QWidget* from, const QString& topic)
{
    QPointer<HelpWindow>& window = theHelpWindow();
    // A help window belongs to the window it is opened from, so that it takes input while a
    // modal tool window is open.
    QWidget* owner = from ? from->window() : nullptr;
    if (!window) {
        window = new HelpWindow(owner);
    } else if (window->parentWidget() != owner) {
        window->setParent(owner, Qt::Window);
    }
    window->showTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow* openHelpWindow() { return theHelpWindow(); }

void addCalculatorHelp(QWidget* page, const std::string& calculatorId)
{
    if (!page || calculatorId.empty()) return;
    setHelpCalculator(page, calculatorId);
    new PageHelp(page);
}

void setHelpCalculator(QWidget* part, const std::string& calculatorId)
{
    part->setProperty(kHelpCalculatorProperty, QString::fromStdString(calculatorId));
}

std::string helpCalculatorOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant id = w->property(kHelpCalculatorProperty);
        if (id.isValid()) return id.toString().toStdString();
    }
    return {};
}

}  // namespace qelvo::ui
