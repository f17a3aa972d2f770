#include "noise/path_difference.h"

#include <cmath>

#include "common/number_format.h"

namespace qelvo::noise {

PathDifferenceResult computePathDifference(const PathDifferenceInput& in)
{
    PathDifferenceResult res;
    const double H = in.H, h1 = in.h1, h2 = in.h2, d1 = in.d1, d2 = in.d2, L = in.L, m1 = in.m1, r = in.r;
    if (r < d1) {
        res.refusal = {"声源距屏距离d1太远，大于声源离测点水平距离，请重新输入！", "d1"};
        return res;
    }
    const double D = d1 + d2;
    if (r < D) {
        res.refusal = {"预测点距屏d2太远，请重新输入！", "d2"};
        return res;
    }
    // The distances to the barrier must be real distances (d1 divides below).
    if (!(d1 > 0)) {
        res.refusal = {"声源距屏d1必须大于0，请重新输入！", "d1"};
        return res;
    }
    if (d2 < 0) {
        res.refusal = {"测点距屏d2不能为负数，请重新输入！", "d2"};
        return res;
    }
    const double m = std::sqrt(r * r - D * D);  // separation of S and P along the barrier
    // The receiver sees the source over the top.
    if ((D * H - d2 * h1) / d1 <= h2) {
        res.path = PathDifferenceResult::Path::Direct;
        return res;
    }
    const auto hyp = [](double a, double b, double c = 0) { return std::sqrt(a * a + b * b + c * c); };

    if (in.mode == 1) {
        const double k = m / D;
        const double SP = hyp(r, h2 - h1);
        const double SO1 = hyp(d1, k * d1, H - h1);
        const double O1P = hyp(d2, k * d2, H - h2);
        res.path = PathDifferenceResult::Path::OverInfinite;
        res.m = m;
        res.SP = SP;
        res.SO[0] = SO1;
        res.OP[0] = O1P;
        res.delta[0] = SO1 + O1P - SP;
        res.delta1 = static_cast<float>(res.delta[0]);
        return res;
    }

    const bool sameSide = in.position != 0;
    double m2;
    if (in.position == 0) {
        m2 = m - m1;
        if (m2 < 0) {
            res.refusal = {"预测点跟声源位于中垂线同侧且m1>=m2，请重新选择！", "position"};
            return res;
        }
    } else if (in.position == 1) {
        m2 = m1 - m;
        if (m2 < 0) {
            res.refusal = {"预测点跟声源位于中垂线不同侧，请重新选择！", "position"};
            return res;
        }
    } else {
        m2 = m1 + m;
    }
    // The receiver sees the source around the end of the barrier.
    const bool aroundEnd = sameSide ? (D * L / 2 - d2 * m1) / d1 <= m2 : (m1 + L / 2) * d2 / d1 + L / 2 <= m2;
    res.m2 = m2;
    if (aroundEnd) {
        res.path = PathDifferenceResult::Path::AroundEnd;
        return res;
    }
    const double t = sameSide ? (m2 - m1) / D : (m1 + m2) / D;
    const double s = (h2 - h1) / D;
    const double SP = hyp(hyp(d1, t * d1) + hyp(d2, t * d2), h2 - h1);
    const double SO1 = hyp(H - h1, d1, t * d1), O1P = hyp(H - h2, d2, t * d2);
    const double a2 = sameSide ? L / 2 + m1 : L / 2 - m1;
    const double b2 = L / 2 + m2;
    const double a3 = sameSide ? L / 2 - m1 : L / 2 + m1;
    const double b3 = L / 2 - m2;
    const double SO2 = hyp(a2, d1, s * d1), O2P = hyp(b2, d2, s * d2);
    const double SO3 = hyp(a3, d1, s * d1), O3P = hyp(b3, d2, s * d2);
    res.path = PathDifferenceResult::Path::OverFinite;
    res.SP = SP;
    const double SO[3] = {SO1, SO2, SO3}, OP[3] = {O1P, O2P, O3P};
    for (int i = 0; i < 3; ++i) {
        res.SO[i] = SO[i];
        res.OP[i] = OP[i];
        res.delta[i] = SO[i] + OP[i] - SP;
    }
    res.delta1 = static_cast<float>(res.delta[0]);
    res.delta2 = static_cast<float>(res.delta[1]);
    res.delta3 = static_cast<float>(res.delta[2]);
    return res;
}

namespace {

// The result text of the window.
void presentPathDifference(const PathDifferenceResult& r, Report& report)
{
    using Path = PathDifferenceResult::Path;
    switch (r.path) {
    case Path::Direct: report.text = "声音能直达,声程差为0"; break;
    case Path::AroundEnd:
        report.text = cformat("点声源屏障有限长\r\n预测点距屏障中垂线距离m2=%g[m]\r\n声音能直达,声程差为0", r.m2);
        break;
    case Path::OverInfinite:
        report.text = cformat("点声源屏障无限长\r\n声源与测点在屏障上的投影距离m=%g[m]\r\nSP=%g[m]\r\n"
                              "SO1=%g[m],O1P=%g[m];声程差δ1=SO1+O1P-SP=%g[m]",
                              r.m, r.SP, r.SO[0], r.OP[0], r.delta[0]);
        break;
    case Path::OverFinite:
        report.text = cformat("点声源屏障有限长\r\n预测点距屏障中垂线距离m2=%g[m]\r\nSP=%g[m]\r\n"
                              "SO1=%g[m],O1P=%g[m];声程差δ1=SO1+O1P-SP=%g[m]\r\n"
                              "SO2=%g[m],O2P=%g[m];声程差δ2=SO2+O2P-SP=%g[m]\r\n"
                              "SO3=%g[m],O3P=%g[m];声程差δ3=SO3+O3P-SP=%g[m]\r\n",
                              r.m2, r.SP, r.SO[0], r.OP[0], r.delta[0], r.SO[1], r.OP[1], r.delta[1], r.SO[2],
                              r.OP[2], r.delta[2]);
        break;
    }
}

}  // namespace

const CalculatorDef<PathDifferenceInput, PathDifferenceResult>& pathDifferenceCalculator()
{
    using In = PathDifferenceInput;
    using Out = PathDifferenceResult;
    static const CalculatorDef<In, Out> def{
        "noise.path_difference",
        "声程差计算",
        {choiceField("mode", "屏障", &In::mode, {"点声源 屏障有限长", "点声源 屏障无限长"}),
         field("H", "屏蔽高度H[m]", &In::H),
         field("h1", "声源高度h1[m]", &In::h1),
         field("h2", "测点高度h2[m]", &In::h2),
         field("d1", "声源距屏d1[m]", &In::d1),
         field("d2", "测点距屏d2[m]", &In::d2),
         field("L", "屏蔽长度L[m]", &In::L),
         field("m1", "声源离屏障中垂线距离m1 [m]", &In::m1),
         choiceField("position", "位置", &In::position,
                     {"声源与测点在中垂线的不同侧", "声源与测点在中垂线的同一侧且m1≥m2", "声源与测点在中垂线的同一侧且m1< m2"}),
         field("r", "声源离测点水平距离r[m]", &In::r)},
        {field("delta1", "δ1[m]", &Out::delta1), field("delta2", "δ2[m]", &Out::delta2),
         field("delta3", "δ3[m]", &Out::delta3)},
        &computePathDifference,
        &presentPathDifference,
    };
    return def;
}

}  // namespace qelvo::noise
