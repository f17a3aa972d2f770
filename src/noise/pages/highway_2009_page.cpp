#include "noise/pages/highway_2009_page.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "presentation/plain_text.h"
#include "presentation/tab_sheet.h"
#include "common/number_parse.h"
#include "noise/industrial_noise.h"
#include "noise/propagation.h"
#include "noise/pages/attenuation_rules.h"
#include "noise/pages/highway_charts.h"
#include "presentation/curve_chart.h"
#include "noise/pages/path_difference_window.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"

namespace qelvo::ui {

namespace {
const QString kInfiniteLabel = QStringLiteral("无限长声屏障衰减量Abar[dB]");
const QString kFiniteLabel = QStringLiteral("有限长声屏障衰减量Abar[dB]");
}  // namespace

FiniteBarrierWindow::FiniteBarrierWindow(float infinite, QWidget* parent)
    : QDialog(parent), value_(new QLineEdit(QStringLiteral("0"), this))
{
    setWindowTitle(QStringLiteral("无限长屏障修正"));
    paintBackground(this, kToolWindowColour);
    addCalculatorHelp(this, noise::infiniteBarrierCalculator().id);
    auto* prompt = new QLabel(QString::fromStdString(
                                  cformat("无限长屏障衰减量为%.2fdB，根据上图，请输入有限长屏障衰减量[dB]", double(infinite))),
                              this);
    prompt->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(finiteBarrierChart(this), 0, Qt::AlignHCenter);
    layout->addWidget(prompt);
    layout->addWidget(value_);
    layout->addWidget(okCancelButtons(this, [this] {
        if (parseSingle(value_->text().toStdString())) accept();
        else showMessage(this, kNotANumber);
    }));
}

float FiniteBarrierWindow::value() const { return parseSingle(value_->text().toStdString()).value_or(0); }

EmbankmentWindow::EmbankmentWindow(float r, QWidget* parent)
    : QDialog(parent),
      page_(new ModelPage<noise::EmbankmentInput, noise::EmbankmentResult>(
          noise::embankmentCalculator(), {QStringLiteral("高路堤或低路堑衰减量计算"), QStringLiteral("计算声程差")}, this)),
      abar_(new QLineEdit(QStringLiteral("0"), this))
{
    setWindowTitle(QStringLiteral("高路堤或低路堑衰减量计算"));
    paintBackground(this, kToolWindowColour);
    addCalculatorHelp(this, noise::embankmentCalculator().id);
    paintBackground(page_, kToolWindowColour);
    page_->setValue(&noise::EmbankmentInput::r, r);
    page_->lineEdit(&noise::EmbankmentInput::r)->setReadOnly(true);
    page_->onComputed = [this](const Report& report) {
        for (const auto& m : report.messages) {
            showMessage(this, QString::fromStdString(m));
            abar_->setText(QStringLiteral("0"));
        }
    };
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(new EmbankmentPicture(this));
    pictures->addWidget(barrierAttenuationChart(this));
    auto* abarRow = new QHBoxLayout;
    abarRow->addWidget(new QLabel(QStringLiteral("查下表可知衰减量Abar"), this));
    abarRow->addWidget(abar_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addWidget(page_);
    layout->addLayout(abarRow);
    layout->addWidget(okCancelButtons(this, [this] {
        if (parseSingle(abar_->text().toStdString())) accept();
        else showMessage(this, kNotANumber);
    }));
}

namespace {
PageOptions formOptions()
{
    PageOptions o{QStringLiteral("参数输入"), QString()};
    o.resultFields = false;
    o.notFields = {"VL", "VM", "VS", "NL", "NM", "NS", "LoL", "LoM", "LoS"};
    o.groupsBefore = {{"barrier", QStringLiteral("衰减与修正")}};
    return o;
}
}  // namespace

Highway2009Form::Highway2009Form(QWidget* parent)
    : ModelPage(noise::highway2009Calculator(), formOptions(), parent), vehicles_(new ResultTable(ResultTable::Form::Grid))
{
    // The vehicle table stands above the fields.
    vehicles_->setFixedRowCount(1);
    vehicles_->setFixedColumnCount(1);
    vehicles_->setEditable(true);
    vehicles_->setTable({QStringLiteral("车型"), QStringLiteral("V[km/h]平均车速"), QStringLiteral("N[辆/h]平均小时车流量"),
                         QStringLiteral("Lo[dBA]水平距离为7.5米处能量平均A声级")},
                        {{QStringLiteral("大型车"), "50", "50", "83.71"},
                         {QStringLiteral("中型车"), "60", "100", "80.78"},
                         {QStringLiteral("小型车"), "70", "200", "76.68"}});
    vehicles_->setRowHeight(25);
    vehicles_->setHeaderRowHeight(25);
    // Each column at least as wide as its title (the fourth title is long).
    const int widths[] = {50, 110, 140, 130};
    const QFontMetrics titles = vehicles_->horizontalHeader()->fontMetrics();
    for (int c = 0; c < 4; ++c)
        vehicles_->setColumnWidth(c, std::max(widths[c], titles.horizontalAdvance(vehicles_->text(0, c)) + 16));
    vehicles_->setFixedHeight(25 * 4 + 4);
    pageLayout()->insertWidget(0, vehicles_);
    QObject::connect(vehicles_->model(), &QAbstractItemModel::dataChanged, this,
                     [this](const QModelIndex& index) {
                         if (index.column() == 0) speedEdited(index.row() + 1);
                     });

    using In = noise::Highway2009Input;
    autoA_ = addButtonBeside(&In::a, QStringLiteral("自动计算"), [this] { fillAirAbsorption(*this); });
    pathButton_ = addButton(QStringLiteral("声程差计算"), [this] { openPathDifference(); });
    finiteButton_ = addButton(QStringLiteral("修正为有限长屏障"), [this] { openFiniteCorrection(); });
    embankmentButton_ = addButton(QStringLiteral("声衰减计算"), [this] { openEmbankment(); });
    for (int In::*check : {&In::barrier, &In::embankment, &In::rural, &In::air, &In::ground, &In::intersection})
        QObject::connect(checkBox(check), &QAbstractButton::toggled, this, [this] { applyRules(); });
    applyRules();
}

void Highway2009Form::speedEdited(int row)
{
    if (row < 1 || row > 3) return;
    const double V = leadingNumber(vehicles_->text(row, 1).toStdString());
    const QString lo = V > 0 && std::isfinite(V) ? QString::fromStdString(cformat("%.2f", noise::referenceLevel(row - 1, V))) : QString();
    if (vehicles_->text(row, 3) != lo) vehicles_->setText(row, 3, lo);
}

void Highway2009Form::applyRules()
{
    using In = noise::Highway2009Input;
    const auto checked = [this](int In::*m) { return checkBox(m)->isChecked(); };
    const bool barrier = checked(&In::barrier);
    setFieldsEnabled(barrier, &In::Abar);
    label(&In::Abar)->setEnabled(barrier);
    pathButton_->setEnabled(barrier);
    finiteButton_->setEnabled(barrier);
    barrierExcludesGround(*this, barrier);
    setFieldsEnabled(checked(&In::air), &In::a, &In::hr, &In::pa);
    autoA_->setEnabled(checked(&In::air));
    embankmentButton_->setEnabled(checked(&In::embankment));
    setFieldsEnabled(checked(&In::embankment), &In::embankmentA);
    setFieldsEnabled(checked(&In::rural), &In::ruralA);
    setFieldsEnabled(checked(&In::intersection), &In::crossing);
}

bool Highway2009Form::computeAll()
{
    noise::Highway2009Input& in = record();
    float* cells[3][3] = {{&in.VL, &in.NL, &in.LoL}, {&in.VM, &in.NM, &in.LoM}, {&in.VS, &in.NS, &in.LoS}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const double v = leadingNumber(vehicles_->text(row + 1, col + 1).toStdString());
            if (!fitsSingle(v)) {
                showMessage(this, QStringLiteral("车型表中的数值超出范围，请重新输入！"));
                return false;
            }
            *cells[row][col] = static_cast<float>(v);
        }
    return compute();
}

void Highway2009Form::openPathDifference()
{
    binder().read();
    PathDifferenceWindow window(input().r, 1, this);
    if (execModal(window) != QDialog::Accepted) return;
    const auto a = noise::computeInfiniteBarrier({window.result().delta1, input().f, input().T});
    if (a.refusal.refused()) return refuse(a.refusal);  // Abar stays as it was
    setValue(&noise::Highway2009Input::Abar, a.Abar);
    label(&noise::Highway2009Input::Abar)->setText(kInfiniteLabel);
}

void Highway2009Form::openFiniteCorrection()
{
    binder().read();
    FiniteBarrierWindow window(input().Abar, this);
    if (execModal(window) != QDialog::Accepted) return;
    setValue(&noise::Highway2009Input::Abar, window.value());
    label(&noise::Highway2009Input::Abar)->setText(kFiniteLabel);
}

void Highway2009Form::openEmbankment()
{
    binder().read();
    EmbankmentWindow window(input().r, this);
    if (execModal(window) != QDialog::Accepted) return;
    lineEdit(&noise::Highway2009Input::embankmentA)->setText(window.attenuationField()->text().trimmed());
}

Highway2009Page::Highway2009Page(const PageSlot& slot, QWidget* parent)
    : QWidget(parent), tabs_(new TabSheet(this)), form_(new Highway2009Form), text_(new QPlainTextEdit)
{
    paintBackground(this, kPageColour);
    text_->setReadOnly(true);
    tabs_->addForm(scrollable(form_), QString::fromStdString(slot.tabs[0].title));
    tabs_->addForm(text_, QString::fromStdString(slot.tabs[1].title));
    form_->onComputed = [this](const Report& report) {
        text_->setPlainText(plainText(report.text));
    };
    // Every switch of tabs computes.
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { form_->computeAll(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(tabs_);
}

}  // namespace qelvo::ui
