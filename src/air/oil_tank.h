// Evaporation losses of oil storage tanks after the oil depot energy-saving design guide:
// working ("大呼吸") and standing ("小呼吸") losses of fixed-roof, floating-roof and internal
// floating-roof tanks. The selector's two lists choose one of five forms; each form gives
// one loss and its result line.
#pragma once

#include <string>
#include <string_view>

#include "common/calculator.h"

namespace qelvo::air {

enum class OilTankForm {
    FixedRoofWorking,     // F1
    FloatingWorking,      // F2, floating roof
    InternalWorking,      // F2, internal floating roof
    FixedRoofStanding,    // F3
    FloatingStanding,     // F4
    InternalStanding,     // F5
};

// "计算类别" (0 大呼吸, 1 小呼吸) and "罐种类" (0 拱顶罐, 1 浮顶油罐, 2 内浮顶油罐).
OilTankForm oilTankForm(int calculation, int tank);

struct OilTankInput {
    int calculation = 0;
    int tank = 0;
    // F1
    float f1Q = 20000, f1V1 = 20, f1V = 200, f1K1 = 0.75f, f1Py1 = 40, f1Py2 = 100, f1mu = 30;
    // F2
    float f2Q = 20000, f2D = 2, f2rho = 740, f2C = 0.00257f;
    int f2oil = 0, f2wall = 0;  // 汽油, 原油; 轻锈, 重锈, 喷涂内衬
    int f2columns = 0;          // the fixed roof rests on columns (internal floating roof only)
    float f2Nc = 3, f2Fc = 0.4f;
    // F3
    float f3D = 2, f3H = 0.2f, f3Fp = 1, f3K3 = 1, f3P = 70, f3Pa = 101.3f, f3dT = 6;
    // F4
    float f4D = 2, f4Kt = 1.2f, f4v = 2.1f, f4n = 1.5f, f4Kc = 1, f4Ff = 2, f4Mv = 30, f4Py = 70, f4Pa = 101.3f;
    // F5
    float f5D = 2, f5Fd = 0.3f, f5Kd = 0, f5Kc = 9.8f, f5Mv = 30, f5Py = 70, f5Pa = 101.3f, f5Fc = 0.4f;
};

struct OilTankResult {
    OilTankForm form = OilTankForm::FixedRoofWorking;
    float loss = 0;  // m^3/a for the fixed roof, kg/a otherwise
    Refusal refusal;
};

OilTankResult computeOilTank(const OilTankInput& in);

// Whether a field belongs to the form the selector shows: the selector's two lists always,
// "f1…" … "f5…" with their form, and the column controls of F2 with the internal floating roof.
bool oilTankFieldShown(const OilTankInput& in, std::string_view key);

// The form's "结果：" line.
std::string oilTankText(const OilTankResult& r);

// The wall adhesion factor C [m^3/1000m^2] by oil (汽油, 原油) and wall (轻锈, 重锈, 喷涂内衬),
// written into C when either list changes.
float wallAdhesion(int oil, int wall);

const CalculatorDef<OilTankInput, OilTankResult>& oilTankCalculator();

}  // namespace qelvo::air
