// The JTG B03-2006 highway model and its speed window.
#include "noise/highway_jtg2006.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"

namespace qelvo::noise {
namespace {

TEST(Highway2006, PageDefaults)
{
    const Highway2006Result r = computeHighway2006({});
    ASSERT_FALSE(r.refusal.refused());
    EXPECT_EQ(cformat("%.2f", r.r1), "29.44");
    EXPECT_EQ(cformat("%.2f", r.r2), "74.41");
    EXPECT_EQ(cformat("%.2f", std::sqrt(r.r1 * r.r2)), "46.81");
    EXPECT_EQ(cformat("%.2f", r.dLsh), "-4.82");
    EXPECT_EQ(cformat("%.2f", r.Ltraffic), "59.02");
    EXPECT_EQ(cformat("%.2f", r.Ltotal), "60.47");
    // A flow of exactly 300 takes the 15·lg rule, more takes 10·lg.
    // x0 = √(30² − 2.6²) − 8 = 21.88712, z = 3 − 1.2 = 1.8: r1 = √(29.38712² + 1.8²) = 29.44220,
    // r2 = √(74.38712² + 1.8²) = 74.40890, req = √(r1·r2) = 46.80557; 15·lg(7.5/req) = −11.92854
    // and 10·lg(7.5/req) = −7.95236.
    EXPECT_NEAR(r.dLd[0], -11.928544, 1e-5);
    EXPECT_NEAR(r.dLd[1], -7.952363, 1e-5);
    EXPECT_NE(highway2006Details(r).find("L交=59.02 [dB]\r\n加上背景噪声值的预测点公路交通噪声值L环=60.47 [dB] \r\n"),
              std::string::npos);
}

// Reference cases worked out independently from the guideline's formulas (a separate
// double-precision recomputation with the inputs rounded to float): L交, L环, the classes'
// LAeq and L0, r1, r2, the large vehicles' distance term ΔLd, ΔLsh and ΔLθ, each to 0.01 dB.
TEST(Highway2006, ReferenceCases)
{
    const struct {
        const char* what;
        void (*set)(Highway2006Input&);
        const char* expected;
    } cases[] = {
        {"defaults", [](Highway2006Input&) {},
         "59.02 60.47 | 55.74 56.29 51.98 | 87.85 83.49 77.72 | 29.44 74.41 -11.93 | -4.82 -0.79"},
        // r equal to |H2 − H1| (2.6 m): the ground distance is 0, still defined.
        {"r = H2 − H1", [](Highway2006Input& i) { i.r = 2.6f; },
         "49.67 56.12 | 48.19 45.19 40.88 | 87.85 83.49 77.72 | 1.87 44.54 -1.28 | -23.02 -0.79"},
        // Gradient above 7 %: +5 dB for large and medium vehicles, nothing for small ones.
        {"gradient > 7 %", [](Highway2006Input& i) { i.gradient = 3; },
         "63.50 64.08 | 60.74 61.29 51.98 | 92.85 88.49 77.72 | 29.44 74.41 -11.93 | -4.82 -0.79"},
        // 6～7 %: +3 dB; cement: +1.5 dB for small vehicles only.
        {"gradient 6～7 %, cement", [](Highway2006Input& i) { i.gradient = 2, i.surface = 1; },
         "61.81 62.63 | 58.74 59.29 53.48 | 90.85 86.49 79.22 | 29.44 74.41 -11.93 | -4.82 -0.79"},
        // 301 vehicles take 10·lg, 300 take 15·lg.
        {"flows 301 and 300", [](Highway2006Input& i) { i.NL = 301, i.NM = 300; },
         "60.09 61.26 | 59.73 51.06 51.98 | 87.85 83.49 77.72 | 29.44 74.41 -7.95 | -4.82 -0.79"},
        // A receiver higher than the source: no shadow.
        {"receiver above the source", [](Highway2006Input& i) { i.H1 = 5; },
         "63.83 64.36 | 60.54 61.10 56.79 | 87.85 83.49 77.72 | 29.54 74.50 -11.94 | 0.00 -0.79"},
        {"forest 20 m, θ = 90°, 1000 Hz", [](Highway2006Input& i) { i.b = 20, i.theta = 90, i.f = 1000; },
         "54.75 57.89 | 53.69 54.24 49.93 | 87.85 83.49 77.72 | 29.44 74.41 -11.93 | -4.87 -3.01"},
        {"two lanes of 3.75 m, A = 20, r = 60", [](Highway2006Input& i) { i.n = 2, i.W = 3.75f, i.A = 20, i.r = 60; },
         "59.42 60.76 | 56.23 56.63 52.32 | 87.85 83.49 77.72 | 41.86 45.60 -11.48 | -4.78 -0.79"},
    };
    for (const auto& c : cases) {
        Highway2006Input in;
        c.set(in);
        const Highway2006Result r = computeHighway2006(in);
        ASSERT_FALSE(r.refusal.refused()) << c.what << ": " << r.refusal.message;
        EXPECT_EQ(cformat("%.2f %.2f | %.2f %.2f %.2f | %.2f %.2f %.2f | %.2f %.2f %.2f | %.2f %.2f", r.Ltraffic,
                          double(r.Ltotal), r.LAeq[0], r.LAeq[1], r.LAeq[2], r.L0[0], r.L0[1], r.L0[2], r.r1, r.r2,
                          r.dLd[0], r.dLsh, r.dLtheta),
                  c.expected)
            << c.what;
    }
}

TEST(Highway2006, AClassWithoutTrafficHasNoLevel)
{
    // N = 0 for large vehicles: the total without them (56.86, with the background 59.04);
    // the details say so instead of −inf.
    Highway2006Input in;
    in.NL = 0;
    const Highway2006Result r = computeHighway2006(in);
    EXPECT_EQ(cformat("%.2f %.2f", r.Ltraffic, double(r.Ltotal)), "56.86 59.04");
    EXPECT_NE(highway2006Details(r).find("各车在预测点处小时等效声级LAeq：\r\n大型车：无车流；中型车：56.29[dB]；小型车：51.98[dB]\r\n"),
              std::string::npos);
    const Report report = makeReport(highway2006Calculator(), r);
    EXPECT_EQ(report.text.find("inf"), std::string::npos);
}

TEST(Highway2006, ChecksInOrder)
{
    const auto message = [](auto change) {
        Highway2006Input in;
        change(in);
        return computeHighway2006(in).refusal.message;
    };
    EXPECT_EQ(message([](auto& i) { i.H2 = 0.5f; }), "声源位置不合逻辑，请重新输入！");
    EXPECT_EQ(message([](auto& i) { i.n = 8; }), "该模式只适用于双向六车道及以下的公路，请重新输入！");
    EXPECT_EQ(message([](auto& i) { i.VS = 141; }),
              "该模式只适用于车辆平均行驶速度为48～140km/h的公路，请重新输入或重新计算车速！");
    EXPECT_EQ(message([](auto& i) { i.r = 3; i.A = 0; i.W = 0.01f; i.n = 1; }),
              "该模式只适用于预测点在距噪声等效行车线7.5m以远处，请重新输入预测点离声源距离r！");
    // Beyond the guideline's checks, what would leave a level undefined.
    EXPECT_EQ(message([](auto& i) { i.r = 2.5f; }), "预测点与声源间直线距离r不能小于两者的高差，请重新输入！");
    EXPECT_EQ(message([](auto& i) { i.NM = -5; }), "车辆小时车流量N不能为负数，请重新输入！");
    EXPECT_EQ(message([](auto& i) { i.NL = 0, i.NM = 0, i.NS = 0; }), "三种车型的小时车流量N不能都为0，请重新输入！");
    EXPECT_EQ(message([](auto& i) { i.theta = -10; }), "预测点向公路两端视线间的夹角θ必须大于0，请重新输入！");
    EXPECT_EQ(message([](auto& i) { i.theta = 0; }), "预测点向公路两端视线间的夹角θ必须大于0，请重新输入！");
    EXPECT_EQ(message([](auto& i) { i.f = 0; }), "声波频率f必须大于0，请重新输入！");
    Highway2006Input negative;
    negative.NS = -1;
    EXPECT_EQ(computeHighway2006(negative).refusal.focusKey, "NS");
}

TEST(Highway2006, SpeedWindow)
{
    const SpeedResult v = computeSpeeds({});
    EXPECT_EQ(cformat("%.2f %.2f %.2f", v.V1, v.V2, v.V3), "68.48 65.25 65.79");
    SpeedInput mix{0.3f, 0.3f, 0.4f};
    EXPECT_EQ(computeSpeeds(mix).refusal.message, "各车车型比总数不是1,请重新输入！");  // 1 + 3e-8 in double
    SpeedInput slower;
    slower.Vd = 60;
    EXPECT_NEAR(computeSpeeds(slower).V1, v.V1 * 60 * 0.008333334, 1e-3);
}

}  // namespace
}  // namespace qelvo::noise
