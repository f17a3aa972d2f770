// Ground subsidence over a longwall panel by the probability-integral method of Chinese
// mining-subsidence practice (《建筑物、水体、铁路及主要井巷煤柱留设与压煤开采规范》).
//
// The panel is p long along strike and a wide along dip (horizontal projection); the surface
// point (X, Y) is measured from the panel's corner: X along strike, Y along dip towards the
// down-dip side. computeSubsidence gives the movement and deformation at the point and the
// radius within which the ground moves beyond the usual damage thresholds;
// computeSubsidenceBasin the subsidence over a grid around the panel for the contour map.
#pragma once

#include <vector>

#include "common/calculator.h"

namespace qelvo::tools {

struct SubsidenceInput {
    float H0 = 500;        // 平均采深, m
    float tanBeta = 2.1f;  // 主要影响角正切 tgβ
    float theta = 85;      // 最大下沉角 θ (开采影响传播角), degrees
    float p = 70;          // 工作面走向长, m
    float a = 50;          // 工作面沿倾斜方向的水平距离, m
    float m = 2;           // 采厚, m
    float q = 0.7f;        // 下沉系数
    float b = 0.3f;        // 水平移动系数
    float alpha = 10;      // 煤层倾角, degrees
    float s1 = 0;          // 拐点偏移距, down-dip edge (Y = a), m
    float s2 = 0;          // up-dip edge (Y = 0)
    float s3 = 0;          // strike start (X = 0)
    float s4 = 0;          // strike end (X = p)
    float X = 50;          // the surface point, m
    float Y = 50;
    float step = 10;       // node spacing of the basin grid, m
};

struct SubsidenceResult {
    // The integration across the panel's dip width: from 0 to a, to this tolerance.
    double lower = 0, upper = 0, tolerance = 0;
    double r = 0;                 // main influence radius H0/tgβ, m
    double rUp = 0, rDown = 0;    // at the depths of the up-dip and down-dip edges, m
    double W0 = 0;                // maximum subsidence of full extraction, mm
    double Wmax = 0;              // deepest point of this panel's basin, mm
    double xMax = 0, yMax = 0;    // where it lies, m
    double X = 0, Y = 0;          // the point, m
    double W = 0;                 // subsidence at (X, Y), mm
    double ix = 0, iy = 0;        // tilt along strike and along dip, mm/m
    double Kx = 0, Ky = 0;        // curvature, mm/m² (1e-3/m)
    double Ux = 0, Uy = 0;        // horizontal movement, mm
    double ex = 0, ey = 0;        // horizontal strain, mm/m
    double R = 0;                 // 伤害半径: the largest of the four below, m
    double RW = 0, Ri = 0, RK = 0, Re = 0;  // beyond 10 mm, 3 mm/m, 0.2 mm/m², 2 mm/m
    Refusal refusal;
};

SubsidenceResult computeSubsidence(const SubsidenceInput& in);

// The subsidence basin: nodes every `step` metres over the panel and one and a half influence
// radii around it; W row after row (row 0 at ys[0]), mm.
struct SubsidenceBasin {
    std::vector<double> xs, ys;
    std::vector<float> W;
    double Wmax = 0;
    Refusal refusal;
};

SubsidenceBasin computeSubsidenceBasin(const SubsidenceInput& in);

// The basin as a table: "Y＼X", the x nodes, then one row per y node; named with its sheet
// name.
Table subsidenceBasinTable(const SubsidenceBasin& basin);

const CalculatorDef<SubsidenceInput, SubsidenceResult>& subsidenceCalculator();
const CalculatorDef<SubsidenceInput, SubsidenceBasin>& subsidenceBasinCalculator();

}  // namespace qelvo::tools
