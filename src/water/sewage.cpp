#include "water/sewage.h"


namespace qelvo::water {

SewageResult computeSewage(const SewageInput& in)
{
    SewageResult r;
    if (in.CODi < 0 || in.CODs < 0 || in.N < 0 || in.Nr < 0 || in.d < 0 || in.NHi < 0 || in.NHs < 0) {
        r.refusal = {"不能是负数，请重新输入", "N", "错误"};
        return r;
    }
    if (in.Nr > in.N) {
        r.refusal = {"逻辑常识错误，请重新输入", "Nr", "错误"};
        return r;
    }
    // Water use per head and the discharged share: the yearly water use divides by k.
    if (in.q1 < 0 || in.q2 < 0) {
        r.refusal = {"不能是负数，请重新输入", in.q1 < 0 ? "q1" : "q2", "错误"};
        return r;
    }
    if (!(in.k > 0)) {
        r.refusal = {"排水量所占用水量的百分比必须大于0，请重新输入", "k", "错误"};
        return r;
    }
    // Litres to tonnes and the percentage in one factor.
    r.Qd = ((in.N - in.Nr) * in.q1 + in.q2 * in.Nr) * in.k * 1e-5f;
    r.Qy = r.Qd * in.d;
    r.Wy = r.Qy * 100 / in.k;
    r.Ecod = r.Qy * in.CODi * 1e-6f;
    r.Ecods = r.Qy * in.CODs * 1e-6f;
    r.Rcod = r.Ecod - r.Ecods;
    r.Enh = r.Qy * in.NHi * 1e-6f;
    r.Enhs = r.Qy * in.NHs * 1e-6f;
    r.Rnh = r.Enh - r.Enhs;
    // Refuse: 0.5 kg a day for a worker living off site, 1 kg for one living on site.
    r.Gd = (in.N - in.Nr) * 0.5f + in.Nr;
    r.Gy = r.Gd * in.d * 0.001f;
    return r;
}

const CalculatorDef<SewageInput, SewageResult>& sewageCalculator()
{
    using In = SewageInput;
    using Out = SewageResult;
    static const CalculatorDef<In, Out> def{
        "water.sewage",
        "生活污水和垃圾",
        {field("N", "工人数", &In::N),
         field("Nr", "其中住宿人数", &In::Nr),
         field("d", "工作天数", &In::d),
         field("q1", "不住宿每人每日用水量以", &In::q1).withUnit("升计;"),
         field("q2", "住宿每人每日用水量以", &In::q2).withUnit("升计"),
         field("k", "排水量按照用水量的", &In::k).withUnit("%计"),
         field("CODi", "COD初始浓度", &In::CODi).withUnit("mg/L"),
         field("CODs", "COD达标浓度", &In::CODs).withUnit("mg/L"),
         field("NHi", "NH3-N初始浓度", &In::NHi).withUnit("mg/L"),
         field("NHs", "NH3-N达标浓度", &In::NHs).withUnit("mg/L")},
        {field("Wy", "年用水量", &Out::Wy).withUnit("吨"),
         field("Qd", "日排放量", &Out::Qd).withUnit("吨"),
         field("Qy", "年排放量", &Out::Qy).withUnit("吨"),
         field("Ecod", "COD年排放量", &Out::Ecod).withUnit("吨"),
         field("Ecods", "COD达标年排放量", &Out::Ecods).withUnit("吨"),
         field("Enh", "NH3-N年排放量", &Out::Enh).withUnit("吨"),
         field("Enhs", "NH3-N达标年排放量", &Out::Enhs).withUnit("吨"),
         field("Rcod", "COD削减量", &Out::Rcod).withUnit("吨"),
         field("Rnh", "NH3-N削减量", &Out::Rnh).withUnit("吨"),
         field("Gd", "生活垃圾日产量", &Out::Gd).withUnit("千克"),
         field("Gy", "生活垃圾年产量", &Out::Gy).withUnit("吨")},
        &computeSewage,
    };
    return def;
}

}  // namespace qelvo::water
