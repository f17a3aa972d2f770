// The help window: the help topics in a list on the left, the chosen topic on the right, and a
// search box that keeps only the topics whose title or text contains what is typed.
//
// There is one help window; showHelp opens it (or brings it forward) at a topic. Calculator
// pages and tool windows reach the topic of their calculator by F1 and by "帮助" in their
// right-click menu (addCalculatorHelp).
#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace qelvo::ui {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows a topic by its path below the help folder; a topic without a file says so.
    void showTopic(const QString& topic);
    QString currentTopic() const { return current_; }

    // Keeps the topics whose title or text contains `text` (any case); empty keeps all.
    void filter(const QString& text);
    // The topic paths the contents list shows now, in their order.
    QStringList listedTopics() const;

    QLineEdit* searchBox() const { return search_; }
    QTreeWidget* contents() const { return contents_; }
    QTextBrowser* browser() const { return browser_; }

private:
    struct Topic {
        QString path;   // below the help folder
        QString title;  // the file's <title>, or its name
        QString text;   // its text without tags, for the search
        QTreeWidgetItem* item = nullptr;
    };
    void loadTopics();
    void select(const QString& topic);

    QLineEdit* search_;
    QTreeWidget* contents_;
    QTextBrowser* browser_;
    std::vector<Topic> topics_;
    QString current_;
};

// The help window, opened or brought forward at a topic path ("calculators/noise.green.html").
HelpWindow* showHelp(QWidget* from, const QString& topic);

// The help window if one is open, else null.
HelpWindow* openHelpWindow();

// F1 and a right-click "帮助" on a calculator page or tool window, opening its calculator's
// topic; the page's other actions (QWidget::addAction) stand in the same menu.
void addCalculatorHelp(QWidget* page, const std::string& calculatorId);
// A part of such a page that shows another calculator (a tab) names its own topic.
void setHelpCalculator(QWidget* part, const std::string& calculatorId);
// The calculator whose topic F1 opens from `widget`: its own or its nearest ancestor's.
std::string helpCalculatorOf(const QWidget* widget);

}  // namespace qelvo::ui
