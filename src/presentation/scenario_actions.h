// Saving and reopening a page's inputs as a scenario file (common/scenario.h): Ctrl+S and
// Ctrl+O on the page, and the same two entries in its right-click menu. The files are chosen
// through the file dialog seam (messages.h), problems said through the message seam.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/calculator.h"

class QAction;
class QWidget;

namespace qelvo::ui {

// What a page offers for its scenarios.
struct ScenarioSource {
    std::string calculatorId;
    std::vector<FieldSpec> inputs;
    // Reads the page's fields as a computation does (a text that is no number is said and
    // stops the save); may be empty.
    std::function<bool()> read;
    // Every input's text as the page shows it now.
    std::function<Assignments()> texts;
    // Shows checked texts in the fields (choices and checks first, as the page makes them).
    std::function<void(const Assignments&)> show;
    // Where a text that is no value of its field sends the focus before a save.
    std::function<QWidget*(const std::string& key)> widgetFor;
};

inline const char* kSaveScenarioText = "保存方案(&S)...";
inline const char* kOpenScenarioText = "打开方案(&O)...";

// One source for a page whose inputs stand on several forms (tabs), each form's source made
// for the same calculator: every input is read from, and shown in, the form that shows it.
ScenarioSource joinScenarioSources(std::vector<ScenarioSource> forms);

// Adds the two actions to the page (its right-click menu and their shortcuts, active while
// the page is shown); returns them, save first.
std::pair<QAction*, QAction*> addScenarioActions(QWidget* page, ScenarioSource source);

// What the actions do: ask for a file, then write or read it; every problem is said and
// leaves the page and the files as they were.
void saveScenario(QWidget* page, const ScenarioSource& source);
void openScenario(QWidget* page, const ScenarioSource& source);

}  // namespace qelvo::ui
