// "2009新导则公路交通噪声预测": input form with the vehicle table, text-only result form;
// every tab switch computes. With the barrier correction and embankment windows.
#pragma once

#include <QDialog>

#include "noise/highway_2009.h"
#include "common/catalogue.h"
#include "presentation/form_page.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qelvo::ui {

class TabSheet;

// "无限长屏障修正": the chart and the finite barrier's attenuation read from it.
class FiniteBarrierWindow : public QDialog {
    Q_OBJECT
public:
    FiniteBarrierWindow(float infinite, QWidget* parent = nullptr);
    QLineEdit* valueField() const { return value_; }
    float value() const;

private:
    QLineEdit* value_;
};

// "高路堤或低路堑衰减量计算": the path difference over the road edge, and the attenuation
// read from the chart.
class EmbankmentWindow : public QDialog {
    Q_OBJECT
public:
    EmbankmentWindow(float r, QWidget* parent = nullptr);
    ModelPage<noise::EmbankmentInput, noise::EmbankmentResult>* page() const { return page_; }
    QLineEdit* attenuationField() const { return abar_; }

private:
    ModelPage<noise::EmbankmentInput, noise::EmbankmentResult>* page_;
    QLineEdit* abar_;
};

class Highway2009Form : public ModelPage<noise::Highway2009Input, noise::Highway2009Result> {
public:
    explicit Highway2009Form(QWidget* parent = nullptr);

    ResultTable* vehicles() const { return vehicles_; }
    // Reads the table and the fields, then computes.
    bool computeAll();
    void applyRules();
    void openPathDifference();   // "声程差计算"
    void openFiniteCorrection(); // "修正为有限长屏障"
    void openEmbankment();       // "声衰减计算"

private:
    void speedEdited(int row);

    ResultTable* vehicles_;
    QPushButton* pathButton_ = nullptr;
    QPushButton* finiteButton_ = nullptr;
    QPushButton* embankmentButton_ = nullptr;
    QPushButton* autoA_ = nullptr;
};

class Highway2009Page : public QWidget {
    Q_OBJECT
public:
    // The tab titles come from the slot.
    explicit Highway2009Page(const PageSlot& slot, QWidget* parent = nullptr);
    TabSheet* tabs() const { return tabs_; }
    Highway2009Form* form() const { return form_; }
    QPlainTextEdit* resultText() const { return text_; }

private:
    TabSheet* tabs_;
    Highway2009Form* form_;
    QPlainTextEdit* text_;
};

}  // namespace qelvo::ui
