#include "air/point_source.h"

#include <gtest/gtest.h>

#include <cmath>

#include "hostile_inputs.h"

namespace qelvo::air {
namespace {

// The cell of the table at distance x and offset y, as the page shows it.
std::string cellAt(const Table& t, const char* x, const char* y)
{
    std::size_t column = 0;
    while (column < t.columns.size() && t.columns[column] != x) ++column;
    for (const auto& row : t.rows)
        if (row[0] == y && column < row.size()) return row[column];
    return "?";
}

// Numbers from an independent /usr/bin/python3 recomputation of the guideline's formulas
// (single-precision rounding of U, h, Qh, ΔH, He and the coefficients as the model stores
// them): defaults are class A, rural, U10 = 2, H = 50 m, Q = 1000 mg/s, t = 1 h.
TEST(PointSource, WindyDefaultsGradeThree)
{
    const PointSourceResult r = computePointSource({});
    ASSERT_FALSE(r.refusal.refused());
    const Table t = pointSourceTable(r);
    EXPECT_EQ(t.name, "点源扩散模式计算结果");
    ASSERT_EQ(t.columns.size(), 12u);
    ASSERT_EQ(t.rows.size(), 11u);
    EXPECT_EQ(t.columns[0], "Y＼X");
    EXPECT_EQ(t.columns[11], "1000");
    EXPECT_EQ(t.rows[0][0], "-500");
    // x = 300, y = 0: σy = 0.524232·300^0.901074, σz = 0.0799904·300^1.12154,
    // C = Q/(2π·U·σy·σz)·2·exp(−He²/2σz²) = 0.010136696.
    EXPECT_EQ(cellAt(t, "300", "0"), "0.010137");
    EXPECT_EQ(cellAt(t, "300", "100"), "0.005427");
    EXPECT_EQ(cellAt(t, "300", "-100"), "0.005427");
    EXPECT_EQ(cellAt(t, "400", "0"), "0.010033");  // the σz law of 300 < x ≤ 500
    for (const auto& row : t.rows) EXPECT_EQ(row[1], "0.000000");  // the column x = 0
    EXPECT_NEAR(r.cm, 0.009927169419825077, 1e-9);
    EXPECT_NEAR(r.Xm, 390.7179870605469, 1e-4);
    EXPECT_EQ(pointSourceText(r),
              "——————————有风时，各参数详细结果如下————————\r\n烟筒下风向一次最大地面浓度cm=0.009927 [mg/m^3]\r\n"
              "距烟筒距离Xm=390.717987 [m]\r\n烟筒出口风速U=2.238504 [m/s]\r\n烟筒有效高度He=73.859482 [m]\r\n"
              "烟气抬升高度ΔH=23.859482 [m]\r\n混合层厚度h=1694.376343 [m]\r\n回归指数αy=0.901074,回归指数αz=2.108810\r\n"
              "回归系数γy=0.524232,回归系数γz=0.000212\r\n烟气热释放率Qh=760.616577 [KJ/s]\r\n");
    // The X-C curve is the axis row, the grid file reaches from Xmin to Xmax with zhi = cm.
    const Report report = makeReport(pointSourceCalculator(), r);
    ASSERT_EQ(report.curves.size(), 1u);
    const Curve& curve = report.curves[0];
    EXPECT_EQ(curve.title, "下风向浓度曲线图");
    EXPECT_EQ(curve.xLabel, "X —— 污染源下风向（m）");
    EXPECT_EQ(curve.yLabel, "c —— 地面浓度（mg/m^3）");
    ASSERT_EQ(curve.xs.size(), 11u);
    EXPECT_EQ(curve.xs[3], 300);
    EXPECT_NEAR(curve.ys[3], 0.010136696419051605, 1e-9);
    EXPECT_EQ(curve.ys[0], 0);
    EXPECT_EQ(r.xlo, 0);
    EXPECT_EQ(r.xhi, 1000);
    EXPECT_EQ(r.ylo, -500);
    EXPECT_EQ(r.yhi, 500);
    EXPECT_EQ(r.zhi, r.cm);
}

TEST(PointSource, MixingLayerReflections)
{
    PointSourceInput in;
    in.hMode = 1;
    in.h = 100;
    in.Ymin = -300;
    struct Case {
        int grade;
        const char* y0;
        const char* y300;
    } cases[] = {
        {0, "0.006424", "0.003379"},  // 18 terms between the ground and h = 100 m
        {1, "0.006424", "0.003379"},
        {2, "0.001181", "0.000622"},  // the ground alone
    };
    for (const auto& c : cases) {
        in.grade = c.grade;
        const Table t = pointSourceTable(computePointSource(in));
        EXPECT_EQ(cellAt(t, "1000", "0"), c.y0) << c.grade;
        EXPECT_EQ(cellAt(t, "1000", "-300"), c.y300) << c.grade;
    }
    in.hMode = 0;  // with h = 1694 m the reflections add nothing at 1000 m
    in.grade = 0;
    EXPECT_EQ(cellAt(pointSourceTable(computePointSource(in)), "1000", "0"), "0.001181");
}

TEST(PointSource, CalmAndLowWind)
{
    PointSourceInput in;
    in.stability = 3;  // D
    in.U10 = 1;
    PointSourceResult r = computePointSource(in);
    ASSERT_FALSE(r.refusal.refused());
    Table t = pointSourceTable(r);
    EXPECT_EQ(cellAt(t, "500", "0"), "0.000422");
    EXPECT_EQ(cellAt(t, "500", "100"), "0.000379");
    // The axis value keeps the G of the column's last receptor (y = 500 m) over η0².
    EXPECT_NEAR(r.axis[5], 0.000095728, 1e-9);
    EXPECT_EQ(pointSourceText(r),
              "——————————小风和静风时，各参数详细结果如下————————\r\n烟筒出口风速U=1.273050 [m/s]\r\n"
              "烟筒有效高度He=175.720093 [m]\r\n烟气抬升高度ΔH=125.720093 [m]\r\n回归系数γy=0.332409,回归系数γz=0.120000");

    in.U10 = 0.3f;  // the calm column of coefficients
    EXPECT_EQ(cellAt(pointSourceTable(computePointSource(in)), "200", "-100"), "0.001345");

    // No wind at all: U = 0, G = 1 and C = 2Q/((2π)^1.5·γ02·η²). At x = 100, y = 0:
    // γ01 = 0.47·2^0.3 = 0.578638, η² = 100² + (0.578638/0.12)²·175.720093² = 727950,
    // C = 2000 / (15.74959·0.12·727950) = 0.0014537.
    in.U10 = 0;
    r = computePointSource(in);
    t = pointSourceTable(r);
    EXPECT_EQ(cellAt(t, "100", "0"), "0.001454");
    // cm has no value by the windy formula then: the grid's largest value stands in.
    float top = 0;
    for (float c : r.c) top = std::max(top, c);
    EXPECT_EQ(r.cm, top);
    EXPECT_NEAR(r.cm, 0.001453711, 1e-9);  // next to the source
    EXPECT_EQ(r.zhi, top);
    EXPECT_EQ(r.Xm, 100);
}

TEST(PointSource, NormalIntegralBySimpson)
{
    // Simpson from one panel, halving until two estimates differ by < 1e−5 (python).
    EXPECT_NEAR(normalIntegral(1), 0.8556244948682876, 1e-15);
    EXPECT_NEAR(normalIntegral(3), 1.249930359018812, 1e-15);
    EXPECT_NEAR(normalIntegral(0.8), 0.7222714527504006, 1e-14);  // stops only after 3 halvings
    EXPECT_NEAR(normalIntegral(2.2), 1.2184633178517152, 1e-14);  // … 4
    EXPECT_EQ(normalIntegral(0), 0);
    EXPECT_NEAR(normalIntegral(1e30), std::sqrt(std::acos(-1.0) / 2), 1e-5);  // no endless halving
}

TEST(PointSource, BoundaryCases)
{
    PointSourceInput in;
    in.U10 = 1.5f;  // windy
    EXPECT_NE(pointSourceText(computePointSource(in)).find("有风时"), std::string::npos);
    in.U10 = 1.4999f;
    EXPECT_NE(pointSourceText(computePointSource(in)).find("小风和静风时"), std::string::npos);

    in = {};
    in.t = 0.4f;  // stops at the first grid point: the emptied table with its first label
    PointSourceResult r = computePointSource(in);
    EXPECT_EQ(r.refusal.message, "取样时间不能小于0.5h，请重新输入！");
    Table t = pointSourceTable(r);
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows[0], std::vector<std::string>{"-500"});
    EXPECT_EQ(t.columns.size(), 12u);
    in.diffusionMode = 1;  // hand-entered parameters need no sampling time
    EXPECT_FALSE(computePointSource(in).refusal.refused());

    in = {};
    in.latitude = 0.5f;  // near the equator, still a latitude: h = 0.056·2/(0.0001456·sin 0.5°)
    r = computePointSource(in);
    EXPECT_FALSE(r.refusal.refused());
    EXPECT_NEAR(r.h, 88148.47341140523, 0.01);

    in = {};
    in.Xmin = 50;
    in.Xmax = 1000;  // 50, 150, …, 950: the last column before Xmax
    r = computePointSource(in);
    EXPECT_EQ(r.xs.size(), 10u);
    EXPECT_EQ(r.xs.back(), 950);
    EXPECT_EQ(r.xhi, 1000);
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(r.axis[i], r.c[5 * 10 + i]) << i;  // the row y = 0
}

TEST(PointSource, FieldsEnabledByTheirModes)
{
    PointSourceInput in;
    for (const char* key : {"U", "dH", "h", "ay", "gz"}) EXPECT_FALSE(pointSourceFieldEnabled(in, key)) << key;
    for (const char* key : {"Qv", "Pa", "latitude", "region", "H"}) EXPECT_TRUE(pointSourceFieldEnabled(in, key)) << key;
    in.uMode = in.dHMode = in.hMode = in.diffusionMode = kEntered;
    for (const char* key : {"U", "dH", "h", "ay", "gz", "H"}) EXPECT_TRUE(pointSourceFieldEnabled(in, key)) << key;
    for (const char* key : {"Qv", "Ts", "D", "dTdZ", "Ta", "Pa", "latitude", "region"})
        EXPECT_FALSE(pointSourceFieldEnabled(in, key)) << key;
}

TEST(PointSource, GridCap)
{
    PointSourceInput in;
    in.Xmin = 0;
    in.Xmax = 1999;
    in.Ymin = 0;
    in.Ymax = 1999;
    in.step = 1;  // exactly 2000 × 2000 cells is allowed
    const PointSourceResult r = computePointSource(in);
    ASSERT_FALSE(r.refusal.refused());
    EXPECT_EQ(r.c.size(), 4'000'000u);
    const std::string tooMany = "网格点数过多（超过400万），请增大步长后重新输入！";
    in.Ymax = 2000;
    EXPECT_EQ(computePointSource(in).refusal.message, tooMany);
    in = {};
    in.Xmax = 3e38f;
    in.step = 1;
    EXPECT_EQ(computePointSource(in).refusal.message, tooMany);
    in.Xmax = 1e10f;
    in.Ymin = 1e10f;  // a reversed range is refused before any counting
    in.Ymax = -1e10f;
    EXPECT_EQ(computePointSource(in).refusal.focusKey, "Ymax");
}

TEST(PointSource, RefusalsInOrder)
{
    struct Case {
        void (*change)(PointSourceInput&);
        const char* message;
        const char* key;
    } cases[] = {
        {[](PointSourceInput& i) { i.U10 = -0.1f; }, "地面10m高风速U10不能小于0，请重新输入！", "U10"},
        {[](PointSourceInput& i) { i.latitude = 0; }, "地理纬度必须大于0度且不大于90度，请重新输入！", "latitude"},
        {[](PointSourceInput& i) { i.latitude = 90.5f; }, "地理纬度必须大于0度且不大于90度，请重新输入！", "latitude"},
        {[](PointSourceInput& i) { i.H = 0; }, "烟筒距地面几何高度H必须大于0，请重新输入！", "H"},
        {[](PointSourceInput& i) { i.Q = -1; }, "点源排放量Q不能小于0，请重新输入！", "Q"},
        {[](PointSourceInput& i) { i.uMode = 1, i.U = 0; }, "有风时烟筒出口风速U必须大于0，请重新输入！", "U"},
        {[](PointSourceInput& i) { i.uMode = 1, i.U = -1, i.U10 = 1; }, "烟筒出口风速U不能小于0，请重新输入！", "U"},
        {[](PointSourceInput& i) { i.Ta = 120; }, "烟气出口温度必须大于环境大气温度，请重新输入！", "Ts"},
        {[](PointSourceInput& i) { i.U10 = 1, i.dTdZ = 0.02f; }, "静风和小风下大气温度梯度宜小于0.01K/m，请重新输入！", "dTdZ"},
        {[](PointSourceInput& i) { i.dHMode = 1, i.dH = -50; }, "烟筒有效高度He必须大于0，请重新输入！", "dH"},
        {[](PointSourceInput& i) { i.step = 0; }, "步长必须大于0，请重新输入！", "step"},
        {[](PointSourceInput& i) { i.Xmin = -100; }, "下风向坐标Xmin不能小于0，请重新输入！", "Xmin"},
        {[](PointSourceInput& i) { i.Xmax = -1; }, "Xmax必须大于等于Xmin，请重新输入！", "Xmax"},
        {[](PointSourceInput& i) { i.Ymax = -501; }, "Ymax必须大于等于Ymin，请重新输入！", "Ymax"},
        {[](PointSourceInput& i) { i.diffusionMode = 1, i.az = 0; }, "回归指数αz必须大于0，请重新输入！", "az"},
        {[](PointSourceInput& i) { i.diffusionMode = 1, i.gz = -1; }, "回归系数γz必须大于0，请重新输入！", "gz"},
        {[](PointSourceInput& i) { i.t = 100; }, "取样时间t必须小于100h，请重新输入！", "t"},
        {[](PointSourceInput& i) { i.Q = 3e38f, i.dHMode = 1, i.dH = -49.999f, i.step = 0.01f, i.Xmax = 0.02f, i.Ymin = i.Ymax = 0; },
         "计算结果超出数值范围，请检查输入数据后重新输入！", ""},
    };
    for (const auto& c : cases) {
        PointSourceInput in;
        c.change(in);
        const Refusal r = computePointSource(in).refusal;
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.focusKey, c.key);
    }
    // The first failing check wins: a bad U10 before a bad step.
    PointSourceInput both;
    both.U10 = -1;
    both.step = 0;
    EXPECT_EQ(computePointSource(both).refusal.focusKey, "U10");
}

TEST(PointSource, HostileInputsAndCommandLine)
{
    testing::expectResultOrRefusal(pointSourceCalculator());
    PointSourceInput calm;
    calm.U10 = 0.2f;
    testing::expectResultOrRefusal(pointSourceCalculator(), calm);
    PointSourceInput reflecting;
    reflecting.grade = 0;
    reflecting.hMode = 1;
    testing::expectResultOrRefusal(pointSourceCalculator(), reflecting);

    // U10 = 1.5: U = 1.678878, He = 81.812645, cm = 0.011438584 (python).
    const RunOutcome out = eraseTypes(pointSourceCalculator()).run({{"U10", "1.5"}, {"grade", "一级"}});
    ASSERT_EQ(out.status, RunOutcome::Status::Ok);
    EXPECT_EQ(out.report.fields[0], (std::pair<std::string, std::string>{"cm", "0.0114386"}));
    EXPECT_EQ(out.report.fields[1], (std::pair<std::string, std::string>{"Xm", "410.133"}));
    EXPECT_EQ(out.report.tables.at(0).columns[0], "Y＼X");
}

}  // namespace
}  // namespace qelvo::air
