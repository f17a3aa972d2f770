#include "air/pages/fugitive_pages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "presentation/plain_text.h"
#include "air/pages/drop_downs.h"
#include "air/pages/page_fields.h"
#include "presentation/help_topics.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"
#include "presentation/tab_sheet.h"

namespace qelvo::ui {

namespace {

PageOptions options(const char* group, const QString& computeText, const char* help = nullptr)
{
    PageOptions o{QString::fromUtf8(group), computeText};
    if (help) o.helpTopic = QString::fromUtf8(help);
    return o;
}

}  // namespace

OpenStoragePage::OpenStoragePage(QWidget* parent)
    : ModelPage(air::openStorageCalculator(), options("马扎克公式", QStringLiteral("计算"), air::kOpenStorageHelp), parent)
{
    std::vector<std::string> names;
    for (const auto& s : air::substances()) names.emplace_back(s.name);
    fitDoubleFields(*this, input(), air::openStorageCalculator().inputs);
    fitDoubleFields(*this, result(), air::openStorageCalculator().outputs);
    substances_ = editableDropDownFor(lineEdit(&air::OpenStorageInput::substance), names);
    QObject::connect(substances_, &QComboBox::activated, this, [this] { chooseSubstance(); });
}

void OpenStoragePage::chooseSubstance()
{
    binder().read();
    const air::SubstancePressure p = air::substancePressureCalculator().compute(input());
    if (p.refusal.refused()) return refuse(p.refusal);
    setValue(&air::OpenStorageInput::Pv, p.Pv);
}

LiquidEvaporationPage::LiquidEvaporationPage(QWidget* parent)
    : ModelPage(air::liquidEvaporationCalculator(),
                options("液体(除水以外)蒸发量的计算", QStringLiteral("计算结果"), air::kLiquidEvaporationHelp), parent),
      text_(addResultText())
{
    onComputed = [this](const Report& report) {
        text_->setPlainText(plainText(report.text));
    };
}

EquipmentLeakPage::EquipmentLeakPage(QWidget* parent)
    : ModelPage(air::equipmentLeakCalculator(),
                options("生产设备和管道不严密处散发量计算", QStringLiteral("计算"), air::kEquipmentLeakHelp), parent)
{
}

OdourPage::OdourPage(QWidget* parent)
    : ModelPage(air::odourCalculator(), options("恶臭气体的散发速率", QStringLiteral("计算")), parent)
{
    fitDoubleFields(*this, input(), air::odourCalculator().inputs);
    fitDoubleFields(*this, result(), air::odourCalculator().outputs);
    addNote(QStringLiteral("计算公式如下:"));
    addNote(QStringLiteral("E=2CWm/M*(DLu/πF)^0.5"));
    // A rate that cannot be computed is shown as 0, with its message.
    onComputed = [this](const Report& report) {
        for (const auto& m : report.messages) showMessage(this, QString::fromStdString(m));
    };
}

DustPage::DustPage(const PageSlot& slot, QWidget* parent)
    : QWidget(parent), tabs_(new TabSheet(this)),
      transport_(new TransportForm(air::transportCalculator(), options("工程交通运输起尘计算", QStringLiteral("计算结果")))),
      coal_(new CoalPileForm(air::coalPileCalculator(),
                             options("采用清华大学在霍州电厂现场试验模式", QStringLiteral("计算结果"))))
{
    setWindowTitle(QStringLiteral("扬尘计算"));
    paintBackground(this, kPageColour);
    tabs_->addForm(transport_, QString::fromStdString(slot.tabs.at(0).title));
    tabs_->addForm(coal_, QString::fromStdString(slot.tabs.at(1).title));

    auto* help = new QPushButton(QStringLiteral("参考资料"), this);
    connect(help, &QPushButton::clicked, this, [this] { openHelpTopic(this, QString::fromUtf8(air::kDustHelp)); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 8, 6);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
}

}  // namespace qelvo::ui
