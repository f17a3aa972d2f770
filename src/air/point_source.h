// Ground-level concentrations of one elevated point source over a rectangular receptor grid
// by the guideline's Gaussian plume formulas: the windy model with mixing-layer reflections
// (grades 一级, 二级) or the ground reflection alone (三级), and the calm and low-wind model,
// with the maximum ground concentration cm and its distance Xm.
//
// The page's three tabs fill one PointSourceInput; computePointSource gives the numbers, and
// present makes the "Y＼X" list table, the result text and the X-C curve; the result holds
// the grid-file extent (zhi = cm) for the contour map. The grid is computed on all cores, and the model
// keeps no state: what the page keeps between computations comes in with the input.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/calculator.h"

namespace qelvo::air {

// The "自动计算" / "手工输入" radio groups.
constexpr int kAutomatic = 0, kEntered = 1;

struct PointSourceInput {
    // "污染源相关参数 "
    float H = 50;     // m
    float Q = 1000;   // mg/s
    float Xmin = 0, Xmax = 1000, Ymin = -500, Ymax = 500, step = 100;  // m
    int uMode = 0;    // 0 automatic, 1 entered
    float U = 3;      // m/s
    int grade = 2;    // 一级, 二级, 三级
    int dHMode = 0;   // 0 automatic, 1 entered
    float dH = 20;    // m
    float Qv = 10;    // m^3/s
    float Ts = 100;   // ℃
    float D = 1;      // m
    float dTdZ = 0.01f;  // K/m
    float Ta = 20;    // ℃
    float Pa = 101.325f;  // kPa
    // "气象相关参数 "
    float U10 = 2;    // m/s
    int stability = 0;  // A … F
    int surface = 0;    // rural, urban
    int hMode = 0;      // 0 automatic, 1 entered
    float h = 350;      // m
    float latitude = 27;  // degrees
    int region = 0;       // "浙江" …
    float t = 1;          // h
    int diffusionMode = 0;  // 0 automatic, 1 entered
    float ay = 0.901074f, az = 1.12154f, gy = 0.425809f, gz = 0.0799904f;
    // Kept by the result form: the heat release of the last automatic plume rise, shown
    // again when ΔH is entered by hand (Qh is then not recomputed).
    float lastQh = 0;
};

struct PointSourceResult {
    bool windy = true;
    float U = 0, He = 0, dH = 0, h = 0, Qh = 0;
    // The diffusion parameters in force after the last grid point, and the calm and low-wind
    // coefficients γ01, γ02.
    float ay = 0, az = 0, gy = 0, gz = 0, g01 = 0, g02 = 0;
    float cm = 0, Xm = 0;  // mg/m^3, m
    // The grid: column distances, row offsets, concentrations row after row (mg/m^3) and the
    // concentration on the plume axis of every column (the X-C curve).
    std::vector<float> xs, ys, c, axis;
    // The grid file's extent and the top of its value range, and the grid's step.
    float xlo = 0, xhi = 0, ylo = 0, yhi = 0, zhi = 0, step = 0;
    Refusal refusal;
};

// With a sampling-time refusal the page has already emptied its table: the result then holds
// the column distances and the first row's offset without values, as the table stands.
PointSourceResult computePointSource(const PointSourceInput& in);

// Receptors of the grid the input asks for (0 when its ranges or step admit none); grids
// beyond kMaxGridCells are refused before anything is allocated.
double pointSourceCells(const PointSourceInput& in);

// One receptor's concentration by the calm and low-wind model, and the probability integral
// Φ(s) it uses (Simpson's rule, halving until two estimates agree within 1e−5).
double calmConcentration(double Q, double U, double He, double g01, double g02, double x, double y);
double normalIntegral(double s);

// "Y＼X": distances across, offsets down, "%f" values; rows without values hold their label.
Table pointSourceTable(const PointSourceResult& r);
std::string pointSourceText(const PointSourceResult& r);
// The X-C curve at the columns' own distances, as the command line prints it (the curve
// window places its points by its own rule, presentation/curve_plot_window.h).
Curve pointSourceCurve(const PointSourceResult& r);

// Whether the forms enable a field in the chosen modes: an entered U, ΔH, h or set of
// diffusion parameters only in "手工输入"; the plume-rise inputs, latitude and region only
// while they are computed automatically.
bool pointSourceFieldEnabled(const PointSourceInput& in, std::string_view key);

// "结果导入EXCEL" sheet name.
inline const char* kPointSourceSheet = "点源扩散模式计算结果";

const CalculatorDef<PointSourceInput, PointSourceResult>& pointSourceCalculator();

}  // namespace qelvo::air
