// River mixing below an outfall: the two-dimensional steady mixing model and the
// cumulative-flow model (each with or without first-order decay) at one receptor or over a
// grid of receptors, and the F-R model along the stream. Pages read fields, call these and
// show the numbers; the grid goes on to the results window, Excel and the contour map.
#pragma once

#include <vector>

#include "common/calculator.h"

namespace qelvo::water {

struct Mixing2dInput {
    float Ch = 0.5f, H = 0.6f, u = 0.3f, B = 50, Cp = 100, My = 5, Qp = 1, a = 0, K1 = 1;
    float x = 20, y = 10;                                    // the single receptor
    float xmax = 500, xc = 20, ymin = 0, ymax = 50, yc = 10;  // the grid
    int model = 0;                                           // 1: with decay
};

struct CumFlowInput {
    float Ch = 0.1f, H = 0.5f, Qh = 10, u = 0.2f, Cp = 100, My = 5, Qp = 1, a = 0, K1 = 1;
    float x = 20, y = 10;
    float xmax = 500, xc = 20, ymin = 0, ymax = 100, yc = 10;
    int model = 0;
};

struct FrInput {
    float Ch = 0.1f, Qh = 10, Cp = 100, Qp = 1, K1 = 1, H = 0.5f, u = 0.2f, R = 100, n = 0.05f, eps = 1;
    float xmax = 1000, xc = 10;
    int model = 0;
};

// Concentrations at one receptor, mg/L, before rounding to single precision.
double mixing2dAt(const Mixing2dInput& in, double x, double y);
double cumFlowAt(const CumFlowInput& in, double x, double y);

struct PointResult {
    float C = 0;
    Refusal refusal;
};

PointResult computeMixing2dPoint(const Mixing2dInput& in);
PointResult computeCumFlowPoint(const CumFlowInput& in);

enum class MixingKind { TwoDimensional, CumulativeFlow };

// A grid of receptors: columns x_j = j·xc (never 0), rows y_i = ymin + i·yc.
struct MixingGrid {
    MixingKind kind = MixingKind::TwoDimensional;
    int model = 0;
    float xmax = 0, ymin = 0, ymax = 0;
    std::vector<float> xs, ys;
    std::vector<float> c;  // ys.size() rows of xs.size() values
    Refusal refusal;
};

// The grid actions first put the lateral range in order (ymin ≤ ymax), as the page does
// with its own fields.
void orderLateralRange(float& ymin, float& ymax);

// How many receptor columns (x = xc … trunc(xmax/xc)·xc) and rows (y = ymin … in steps of
// yc up to ymax) a grid has, counted before anything is allocated: a refusal for steps that
// are not positive, a grid without columns, or more than kMaxGridCells cells (exactly
// kMaxGridCells is allowed).
struct GridShape {
    int columns = 0, rows = 0;
};
Refusal mixingGridShape(float xmax, float xc, float ymin, float ymax, float yc, GridShape& shape);
MixingGrid computeMixing2dGrid(const Mixing2dInput& in);
MixingGrid computeCumFlowGrid(const CumFlowInput& in);

// The grid as the results window shows it: "Y＼X", the distances, then a row per y; named
// with its sheet name.
Table mixingTable(const MixingGrid& grid);

struct FrRow {
    float x, C;
};
struct FrResult {
    std::vector<FrRow> rows;
    Refusal refusal;
};
FrResult computeFr(const FrInput& in);
// The F-R list without rows: its titles.
Table frTable();

// The results window's title by kind and model (0 without decay, 1 with).
const char* mixingWindowTitle(MixingKind kind, int model);

const CalculatorDef<Mixing2dInput, PointResult>& mixing2dCalculator();
const CalculatorDef<Mixing2dInput, MixingGrid>& mixing2dGridCalculator();
const CalculatorDef<CumFlowInput, PointResult>& cumFlowCalculator();
const CalculatorDef<CumFlowInput, MixingGrid>& cumFlowGridCalculator();
const CalculatorDef<FrInput, FrResult>& frCalculator();

}  // namespace qelvo::water
