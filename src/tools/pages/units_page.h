// "单位换算器" page: converts a value between two units of a category as soon as the focus
// leaves a value field, and appends new units to the unit file ("添加").
#pragma once

#include <functional>
#include <vector>

#include "presentation/form_page.h"
#include "tools/unit_converter.h"
#include "tools/unit_file_location.h"

class QComboBox;
class QLabel;

namespace qelvo::ui {

// Where the page looks for its data.ini: the program's folder and the user's data folder
// (Qt's application data location). Tests replace it; QELVO_DATA_INI overrides both.
std::function<tools::UnitFilePlaces()>& unitFilePlaces();
tools::UnitFilePlaces programUnitFilePlaces();

class UnitsPage : public FormPage {
    Q_OBJECT
public:
    // What the page's fields hold: the two values, and the "单位自行添加" texts.
    struct Record {
        float valueA = 0;
        float valueB = 0;
        std::string category;     // 单位种类
        std::string value1 = "1"; // 值, always 1
        std::string base;         // 基准单位
        std::string value2;       // 值
        std::string unit;         // 单位
    };

    explicit UnitsPage(QWidget* parent = nullptr);

    QComboBox* categories() const { return categories_; }
    QComboBox* unitsA() const { return unitsA_; }
    QComboBox* unitsB() const { return unitsB_; }
    const Record& record() const { return record_; }
    float factorA() const { return fA_; }
    float factorB() const { return fB_; }
    const std::string& filePath() const { return path_; }

    // Reads the file and merges its categories into the list, then shows the current one.
    void reload();
    void chooseCategory(int index);
    void chooseUnits();    // a unit chosen in either list
    void convertFromA();   // the focus left value A
    void convertFromB();   // the focus left value B
    void categoryTyped();  // the focus left "单位种类"
    void addUnit();        // "添加"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* lineEdit(const Field<Record>& f);
    QLabel* note(const QString& text);
    void showCategory();
    void showMessageOf(const std::string& text);
    void convert(bool fromA);
    bool isListed(const std::string& category) const;

    Record record_;
    std::string path_;
    std::vector<tools::UnitRecord> records_;
    tools::CategoryList list_;
    float fA_ = 0, fB_ = 0;
    bool busy_ = false;  // a message of a focus change is up; the next focus change waits

    QComboBox* categories_;
    QComboBox* unitsA_;
    QComboBox* unitsB_;
    QLineEdit* valueA_ = nullptr;
    QLineEdit* valueB_ = nullptr;
    QLineEdit* category_ = nullptr;
    QLineEdit* value1_ = nullptr;
    QLineEdit* base_ = nullptr;
    QLineEdit* value2_ = nullptr;
    QLineEdit* unit_ = nullptr;
};

UnitsPage* createUnitsPage(QWidget* parent);

}  // namespace qelvo::ui
