// Drop-down lists and mode lines on the air pages, built on the fields FormPage lays out.
//
// A choice field that the page shows as a drop-down list keeps its radio buttons, hidden,
// as the bound widget: the list stands in their line and the two follow each other, so the
// page's reading, writing, enabling and showing by member pointer work unchanged. A text
// field with a list of suggestions ("污染因子") becomes an editable drop-down around its own
// line edit. A value entered by hand ("手工输入") stands in the line of its mode's radio
// buttons.
#pragma once

#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace qelvo::ui {

// The choice's radio buttons give way to a drop-down list of the same items; choosing an
// item checks its button and checking a button selects its item. Actions that follow the
// user's choice connect to the list's `activated`.
QComboBox* dropDownFor(QButtonGroup* group);

// The text field becomes the editable text of a drop-down list with these items; the field
// keeps its binding, its place and its label.
QComboBox* editableDropDownFor(QLineEdit* edit, const std::vector<std::string>& items);

// The value field moves to the end of its mode's radio line; its own label, emptied, goes
// along in front of it.
void placeBesideChoice(QButtonGroup* group, QWidget* value, QLabel* valueLabel);

}  // namespace qelvo::ui
