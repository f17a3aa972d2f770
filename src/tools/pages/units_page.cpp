#include "tools/pages/units_page.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <algorithm>

#include "common/shipped_files.h"
#include "presentation/messages.h"

namespace qelvo::ui {

namespace {
constexpr int kValueWidth = 110;
constexpr int kUnitWidth = 130;
// The system's error texts are shown cut to this many characters.
constexpr int kMaxErrorText = 99;
}  // namespace

tools::UnitFilePlaces programUnitFilePlaces()
{
    return {shippedFolder(QCoreApplication::applicationDirPath().toStdString(), tools::kUnitFileName),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()};
}

std::function<tools::UnitFilePlaces()>& unitFilePlaces()
{
    static std::function<tools::UnitFilePlaces()> places = &programUnitFilePlaces;
    return places;
}

UnitsPage::UnitsPage(QWidget* parent)
    : FormPage(QStringLiteral("单位换算"), parent), categories_(new QComboBox(this)), unitsA_(new QComboBox(this)),
      unitsB_(new QComboBox(this))
{
    using R = Record;
    categories_->setObjectName(QStringLiteral("categories"));
    unitsA_->setObjectName(QStringLiteral("unitsA"));
    unitsB_->setObjectName(QStringLiteral("unitsB"));
    for (auto* list : {categories_, unitsA_, unitsB_}) {
        list->setMinimumWidth(kUnitWidth);
        list->setMaxVisibleItems(16);
    }

    // 单位换算: the category, then value A, unit A <=> value B, unit B.
    valueA_ = lineEdit(field("valueA", "", &R::valueA));
    valueB_ = lineEdit(field("valueB", "", &R::valueB));
    auto* convert = new QGridLayout;
    convert->setHorizontalSpacing(8);
    convert->addWidget(new QLabel(QStringLiteral("单位种类选择"), this), 0, 0);
    convert->addWidget(categories_, 0, 1);
    convert->addWidget(valueA_, 1, 0);
    convert->addWidget(unitsA_, 1, 1);
    convert->addWidget(new QLabel(QStringLiteral("<=>"), this), 1, 2, Qt::AlignCenter);
    convert->addWidget(valueB_, 1, 3);
    convert->addWidget(unitsB_, 1, 4);
    convert->addWidget(note(QStringLiteral("注：在单位前面输入框直接输入数值就自动换算。")), 2, 0, 1, 6);
    convert->setColumnStretch(5, 1);
    static_cast<QGridLayout*>(group()->layout())->addLayout(convert, 0, 0, 1, 9);

    // 单位自行添加: category; 值 1 基准单位 值 单位 添加.
    startGroup(QStringLiteral("单位自行添加"));
    category_ = lineEdit(field("category", "单位种类", &R::category));
    value1_ = lineEdit(field("value1", "值", &R::value1));
    base_ = lineEdit(field("base", "基准单位", &R::base));
    value2_ = lineEdit(field("value2", "值", &R::value2));
    unit_ = lineEdit(field("unit", "单位", &R::unit));
    value1_->setReadOnly(true);
    value1_->setFocusPolicy(Qt::ClickFocus);
    value1_->setFixedWidth(40);
    auto* addButton = new QPushButton(QStringLiteral("添加"), this);
    connect(addButton, &QPushButton::clicked, this, &UnitsPage::addUnit);
    auto* add = new QGridLayout;
    add->setHorizontalSpacing(6);
    add->addWidget(new QLabel(QStringLiteral("单位种类"), this), 0, 0);
    add->addWidget(category_, 0, 1, 1, 3);
    const std::pair<const char*, QWidget*> row[] = {
        {"值", value1_}, {"基准单位", base_}, {"值", value2_}, {"单位", unit_}};
    int column = 0;
    for (const auto& [text, edit] : row) {
        add->addWidget(new QLabel(QString::fromUtf8(text), this), 1, column++);
        add->addWidget(edit, 1, column++);
    }
    add->addWidget(addButton, 1, column);
    add->addWidget(note(QStringLiteral("如需修改相应值或单位，可以在目录下data.ini文件里直接修改，也可以直接在文件里面添加，"
                                       "要按照相应格式，不要改变里面的格式。")),
                   2, 0, 1, column + 2);
    add->setColumnStretch(column + 1, 1);
    static_cast<QGridLayout*>(group()->layout())->addLayout(add, 0, 0, 1, 9);

    for (auto* edit : {valueA_, valueB_, category_}) edit->installEventFilter(this);
    connect(valueA_, &QLineEdit::returnPressed, this, &UnitsPage::convertFromA);
    connect(valueB_, &QLineEdit::returnPressed, this, &UnitsPage::convertFromB);
    connect(categories_, &QComboBox::activated, this, &UnitsPage::chooseCategory);
    connect(unitsA_, &QComboBox::activated, this, &UnitsPage::chooseUnits);
    connect(unitsB_, &QComboBox::activated, this, &UnitsPage::chooseUnits);

    const tools::UnitFileChoice choice = tools::locateUnitFile(unitFilePlaces()());
    path_ = choice.path.string();
    if (!choice.error.empty()) showMessageOf(choice.error);
    reload();
}

QLabel* UnitsPage::note(const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    return label;
}

QLineEdit* UnitsPage::lineEdit(const Field<Record>& f)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromStdString(f.desc.key));
    edit->setFixedWidth(f.desc.kind == FieldKind::Text ? kValueWidth - 20 : kValueWidth);
    binder().bind(edit, record_, f);
    return edit;
}

void UnitsPage::showMessageOf(const std::string& text)
{
    showMessage(this, QString::fromStdString(text).left(kMaxErrorText));
}

bool UnitsPage::isListed(const std::string& category) const
{
    return std::find(list_.names.begin(), list_.names.end(), category) != list_.names.end();
}

void UnitsPage::reload()
{
    const tools::UnitFileText file = tools::readUnitFile(path_);
    if (!file.error.empty()) showMessageOf(file.error);
    records_ = tools::parseUnitFile(file.text);
    tools::mergeCategories(list_, records_);
    for (std::size_t i = categories_->count(); i < list_.names.size(); ++i)
        categories_->addItem(QString::fromStdString(list_.names[i]));
    categories_->setCurrentIndex(list_.current);
    showCategory();
}

void UnitsPage::showCategory()
{
    const std::string current = list_.current >= 0 ? list_.names[list_.current] : std::string();
    unitsA_->clear();
    unitsB_->clear();
    for (const auto& name : tools::categoryUnits(records_, current)) {
        unitsA_->addItem(QString::fromStdString(name));
        unitsB_->addItem(QString::fromStdString(name));
    }
    const tools::UnitRecord* first = tools::firstRecord(records_, current);
    record_.valueA = record_.valueB = first ? first->value1 : 0;
    record_.value1 = "1";
    record_.base = first ? first->base : "";
    record_.category = current;
    fA_ = record_.valueA;
    fB_ = record_.valueB;
    // Only the fields this step sets: texts typed into the others stay.
    valueA_->setText(QString::fromStdString(formatSingle(record_.valueA)));
    valueB_->setText(QString::fromStdString(formatSingle(record_.valueB)));
    value1_->setText(QStringLiteral("1"));
    base_->setText(QString::fromStdString(record_.base));
    category_->setText(QString::fromStdString(record_.category));
    base_->setReadOnly(isListed(record_.category));
}

void UnitsPage::chooseCategory(int index)
{
    list_.current = index;
    showCategory();
}

void UnitsPage::chooseUnits()
{
    if (auto f = tools::unitFactor(records_, unitsA_->currentText().toStdString())) record_.valueA = *f;
    if (auto f = tools::unitFactor(records_, unitsB_->currentText().toStdString())) record_.valueB = *f;
    fA_ = record_.valueA;
    fB_ = record_.valueB;
    valueA_->setText(QString::fromStdString(formatSingle(record_.valueA)));
    valueB_->setText(QString::fromStdString(formatSingle(record_.valueB)));
}

void UnitsPage::convert(bool fromA)
{
    binder().read();  // a text that is not a number keeps its previous value
    if (unitsA_->count() == 0) {
        showMessage(this, QString::fromUtf8(tools::kNoUnits), QString::fromUtf8(tools::kUnitsCaption));
    } else {
        const tools::UnitFactor a{unitsA_->currentText().toStdString(), fA_};
        const tools::UnitFactor b{unitsB_->currentText().toStdString(), fB_};
        const tools::Conversion c = fromA ? tools::convertUnits(record_.valueA, a, b) : tools::convertUnits(record_.valueB, b, a);
        if (c.refusal.refused()) showMessage(this, QString::fromStdString(c.refusal.message), QString::fromStdString(c.refusal.caption));
        else (fromA ? record_.valueB : record_.valueA) = c.value;
    }
    binder().write();
}

void UnitsPage::convertFromA() { convert(true); }
void UnitsPage::convertFromB() { convert(false); }

void UnitsPage::categoryTyped()
{
    value1_->setText(QStringLiteral("1"));
    base_->setReadOnly(isListed(category_->text().toStdString()));
}

void UnitsPage::addUnit()
{
    binder().read();
    const tools::NewUnit unit{record_.category, record_.value1, record_.base, record_.value2, record_.unit};
    if (const Refusal r = tools::checkNewUnit(unit); r.refused()) {
        refuse(r);
        return;
    }
    if (const std::string error = tools::appendUnitLine(path_, tools::unitLine(unit)); !error.empty()) {
        showMessageOf(error);
        return;
    }
    reload();
    record_.value2.clear();
    record_.unit.clear();
    binder().write();
    base_->setReadOnly(true);
}

bool UnitsPage::eventFilter(QObject* watched, QEvent* event)
{
    // The focus leaving a field for another control of the program; the window losing the
    // focus (another program, a message box) or a popup taking it is not that.
    if (event->type() == QEvent::FocusOut && !busy_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            busy_ = true;
            if (watched == valueA_) convertFromA();
            else if (watched == valueB_) convertFromB();
            else if (watched == category_) categoryTyped();
            busy_ = false;
        }
    }
    return FormPage::eventFilter(watched, event);
}

UnitsPage* createUnitsPage(QWidget* parent) { return new UnitsPage(parent); }

}  // namespace qelvo::ui
