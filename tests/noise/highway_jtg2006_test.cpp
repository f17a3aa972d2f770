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
    EXPECT_NEAR(r.dLd[0], 15 * std::log10(7.5 / std::sqrt(r.r1 * r.r2)), 1e-9);
    EXPECT_NEAR(r.dLd[1], 10 * std::log10(7.5 / std::sqrt(r.r1 * r.r2)), 1e-9);
    EXPECT_NE(highway2006Details(r).find("L交=59.02 [dB]\r\n加上背景噪声值的预测点公路交通噪声值L环=60.47 [dB] \r\n"),
              std::string::npos);
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
