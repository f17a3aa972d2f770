#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"
#include "noise/decibel.h"
#include "noise/decibel_calculator.h"

namespace qelvo::noise {
namespace {

TEST(Decibel, Arithmetic)
{
    EXPECT_NEAR(addLevels(60, 60), 63.0103, 1e-4);
    EXPECT_NEAR(subtractLevels(70, 60), 69.5424, 1e-4);
    EXPECT_NEAR(sumLevels({60, 60, 60}), 64.7712, 1e-4);
    EXPECT_TRUE(std::isinf(subtractLevels(60, 60)));
    EXPECT_TRUE(std::isnan(subtractLevels(60, 61)));
}

std::string keys(const char* sequence)
{
    const DbCalcResult r = runDecibelKeys({sequence});
    EXPECT_FALSE(r.refusal.refused()) << sequence;
    return formatDouble(r.display);
}

TEST(DecibelCalculator, WorkedSequences)
{
    const std::pair<const char*, const char*> cases[] = {
        {"60+60=", "63.01"},
        {"60+60+", "63.01"},        // the second + shows the running value
        {"60+60+60=", "64.77"},
        {"60+60+60==", "66.02"},    // = again adds 60 once more
        {"70-60=", "69.54"},
        {"60+60.5+60=", "64.94"},
        {"60+60=CE60=", "63.01"},   // the pending + survives CE and B := A
        {"60+60=70=", "60.00"},     // 70 is not used: 0 ⊕ Last2
        {"60=", "0.00"},            // = before any operator shows 0
        {"60+", "0.00"},            // the first operator forms no result
    };
    for (const auto& [sequence, shown] : cases) {
        const double value = std::stod(keys(sequence));
        EXPECT_EQ(cformat("%.2f", value), shown) << sequence;
    }
}

TEST(DecibelCalculator, EditingKeys)
{
    EXPECT_EQ(keys("5.←3"), "53");   // the point goes with the last fraction digit
    EXPECT_EQ(keys("5.3←7"), "57");
    EXPECT_EQ(keys("5.25←"), "5.2");
    EXPECT_EQ(keys("7←"), "0");
    EXPECT_EQ(keys("123←"), "12");
    EXPECT_EQ(keys("5."), "5");      // a point without digits is not visible
    EXPECT_EQ(keys("60-60="), "-inf");
    EXPECT_EQ(keys("60-61="), "nan");
    EXPECT_TRUE(runDecibelKeys({"6x"}).refusal.refused());
}

}  // namespace
}  // namespace qelvo::noise

#include "noise/noise_evaluation.h"

namespace qelvo::noise {
namespace {

TEST(NoiseEvaluation, LeqAndLdn)
{
    EvaluationInput in;
    EvaluationResult r = computeEvaluation(in);
    EXPECT_NEAR(r.value, 10 * std::log10((20 * 1e7 + 30 * std::pow(10, 6.5) + 40 * 1e6) / 90), 1e-9);
    EXPECT_EQ(makeReport(evaluationCalculator(), r).text, "总共有3个数据;    等效连续A声级Leq:65.71dBA");
    in.equalIntervals = 1;
    EXPECT_EQ(cformat("%.2f", computeEvaluation(in).value), "66.74");
    in.mode = 1;
    EXPECT_EQ(makeReport(evaluationCalculator(), computeEvaluation(in)).text, "昼夜等效声级Ldn:73.71dBA");
}

TEST(NoiseEvaluation, MissingPiecesCountAsZero)
{
    EvaluationInput in;
    in.durations = "20";  // only the first level has a duration
    EXPECT_NEAR(computeEvaluation(in).value, 70, 1e-9);
    in.levels = "70,,60";
    in.durations = "1,1,1";
    EXPECT_NEAR(computeEvaluation(in).value, 10 * std::log10((1e7 + 1 + 1e6) / 3), 1e-9);
    in.durations = "0,0";
    EXPECT_TRUE(computeEvaluation(in).refusal.refused());
    in.levels = " ";
    EXPECT_EQ(computeEvaluation(in).refusal.focusKey, "levels");
}

}  // namespace
}  // namespace qelvo::noise

#include "noise/workshop_noise.h"

namespace qelvo::noise {
namespace {

TEST(WorkshopNoise, GreenDefaults)
{
    const GreenTable t = computeGreen({});
    ASSERT_EQ(t.rows.size(), 20u);
    EXPECT_EQ(cformat("%.1f", t.rows[0].Lp), "54.0");   // 80 − 15 − 11 + 10·lg(100/100)
    EXPECT_EQ(cformat("%.1f", t.rows[0].Ltot), "59.7");
    EXPECT_EQ(cformat("%.2f", computeGreenDistance({}).L), "9.03");
    GreenInput far;
    far.Lp1 = 30;  // levels that fall below zero show 0
    EXPECT_EQ(computeGreen(far).rows.back().Lp, 0.0f);
    GreenInput quiet;
    quiet.Ltarget = 58.4f;
    EXPECT_EQ(computeGreenDistance(quiet).refusal.message, kTargetNotAboveBackground);
}

TEST(WorkshopNoise, Lp1)
{
    const Lp1Result r = computeLp1({});
    EXPECT_EQ(cformat("%.2f", r.Lp1), "91.27");
    Lp1Input bad;
    bad.alpha = 1;
    EXPECT_TRUE(computeLp1(bad).refusal.refused());
    bad.alpha = 0;
    EXPECT_TRUE(computeLp1(bad).refusal.refused());
}

TEST(WorkshopNoise, StueberLevelAndDistanceAgree)
{
    StueberInput in;
    const double sum = 1 / (3 + 20 * (2 * 0.63 * 500 / 340.29)) + 1 / (3 + 20 * (2 * 1.2 * 500 / 340.29)) +
                       1 / (3 + 20 * (2 * 1.58 * 500 / 340.29));
    const double S = 200 + 40 * (1 + 0.0255 * 10);
    const double Lp = 90 - 10 * std::log10(6.28318 * 400) + 10 * std::log10(sum) + 10 * std::log10(S);
    EXPECT_NEAR(computeStueber(in).level, 10 * std::log10(std::pow(10, 5.84) + std::pow(10, 0.1 * Lp)), 1e-4);
    // At the distance found for a target, the predicted level meets that target.
    in.Ltarget = 62;
    in.r = computeStueberDistance(in).L;
    EXPECT_NEAR(computeStueber(in).level, 62, 0.01);
}

}  // namespace
}  // namespace qelvo::noise

#include "noise/path_difference.h"

namespace qelvo::noise {
namespace {

TEST(PathDifference, DirectSoundAndChecks)
{
    PathDifferenceInput in;  // r = 20, finite, different sides: m2 = 17.33 ≥ 8.33 — around the end
    PathDifferenceResult r = computePathDifference(in);
    EXPECT_EQ(makeReport(pathDifferenceCalculator(), r).text, "点声源屏障有限长\r\n预测点距屏障中垂线距离m2=17.3303[m]\r\n声音能直达,声程差为0");
    EXPECT_EQ(r.delta1, 0.0f);
    in = {};
    in.H = 1.2f;  // the sight line passes 1.53 m high at the receiver
    EXPECT_EQ(makeReport(pathDifferenceCalculator(), computePathDifference(in)).text, "声音能直达,声程差为0");
    in = {};
    in.r = 2;
    EXPECT_EQ(computePathDifference(in).refusal.message, "声源距屏距离d1太远，大于声源离测点水平距离，请重新输入！");
    in.r = 7;
    EXPECT_EQ(computePathDifference(in).refusal.message, "预测点距屏d2太远，请重新输入！");
    in.r = 8.5f;
    in.position = 1;  // m = 2.87 > m1: not on the same side with m1 ≥ m2
    EXPECT_EQ(computePathDifference(in).refusal.message, "预测点跟声源位于中垂线不同侧，请重新选择！");
}

TEST(PathDifference, InfiniteAndFiniteBarriers)
{
    PathDifferenceInput in;
    in.mode = 1;
    in.r = 8;  // r = D: the points face each other, m = 0
    PathDifferenceResult r = computePathDifference(in);
    const double over = std::sqrt(9.0 + 9) + std::sqrt(25.0 + 4) - std::sqrt(64.0 + 1);
    EXPECT_NEAR(r.delta1, over, 1e-5);
    EXPECT_NE(makeReport(pathDifferenceCalculator(), r).text.find("投影距离m=0[m]"), std::string::npos);

    in.mode = 0;
    in.r = 8.5f;
    r = computePathDifference(in);
    EXPECT_GT(r.delta1, 0);
    EXPECT_GT(r.delta2, 0);
    EXPECT_GT(r.delta3, 0);
    // Over the top the finite barrier's path is the infinite one's.
    in.mode = 1;
    EXPECT_NEAR(computePathDifference(in).delta1, r.delta1, 1e-5);
}

}  // namespace
}  // namespace qelvo::noise

#include "noise/highway_jtg2006.h"
#include "noise/propagation.h"

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

TEST(Highway2006, ShadowCorrectionLimits)
{
    EXPECT_NEAR(shadowCorrection(1e-9), -10 * std::log10(3.0), 1e-3);  // δ → 0
    EXPECT_NEAR(shadowCorrection(1 - 1e-7), shadowCorrection(1), 1e-3);  // continuous through t = 1
    EXPECT_NEAR(shadowCorrection(1 + 1e-7), shadowCorrection(1), 1e-3);
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

#include "noise/industrial_noise.h"

namespace qelvo::noise {
namespace {

TEST(IndustrialNoise, AbsorptionAndWeighting)
{
    EXPECT_NEAR(computeAirAbsorption({}).a, 2.8, 0.02);  // 20 °C, 70 %, 500 Hz
    EXPECT_EQ(cformat("%.1f", computeAWeighting({500}).dA), "-3.2");
    EXPECT_NEAR(computeAWeighting({1000}).dA, 0.0, 0.05);
    EXPECT_NEAR(computeAWeighting({63}).dA, -26.2, 0.1);
    EXPECT_TRUE(computeAWeighting({0}).refusal.refused());
}

TEST(IndustrialNoise, OutdoorDefaultsAtOneMetre)
{
    IndustrialInput in;
    in.sourceType = 1;
    const IndustrialResult r = computeIndustrial(in);
    ASSERT_EQ(r.points.size(), 20u);
    EXPECT_EQ(cformat("%.2f", r.points[0].Lpr), "89.00");
    EXPECT_EQ(cformat("%.2f", r.points[0].LA), "85.80");
    EXPECT_EQ(cformat("%.2f", r.points[0].Ltot), "85.80");
    EXPECT_EQ(industrialText(r).substr(0, industrialText(r).find("----")),
              "距声源1[m]预测点计算结果：\r\n几何发散衰减后Lpr=89.00[dB]\r\n空气吸收衰减Aatm=0.00[dB]\r\n");
    const Table t = industrialTable(r);
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows[0][0], "距离m");
    EXPECT_EQ(t.rows[0][1], "1");
    EXPECT_EQ(t.rows[3][0], "叠加背景值A声级dBA");
}

TEST(IndustrialNoise, IndoorSourceBarrierAndRefusals)
{
    IndustrialInput in;
    EXPECT_EQ(cformat("%.2f", computeIndustrial(in).LwOutdoor), "85.04");
    in.barrier = 1;
    in.step = 3;
    IndustrialResult r = computeIndustrial(in);
    ASSERT_EQ(r.points.size(), 1u);  // only the farthest point: 18 m
    EXPECT_EQ(r.points[0].r, 18);
    EXPECT_NE(industrialText(r).find("屏障无限长，屏障衰减"), std::string::npos);
    in.d1 = 0;  // all three zero: finite, three equal terms
    r = computeIndustrial(in);
    EXPECT_NE(industrialText(r).find("屏障有限长，屏障衰减Abar=-0.00[dB]"), std::string::npos);
    in.step = 0;
    EXPECT_EQ(computeIndustrial(in).refusal.focusKey, "step");
    in.step = 30;  // larger than the maximum: nothing to compute
    in.barrier = 0;
    EXPECT_TRUE(computeIndustrial(in).points.empty());
}

}  // namespace
}  // namespace qelvo::noise

#include "noise/highway_2009.h"

namespace qelvo::noise {
namespace {

TEST(Highway2009, Defaults)
{
    const Highway2009Result r = computeHighway2009({});
    EXPECT_EQ(cformat("%.2f %.2f %.2f", r.Leq[0], r.Leq[1], r.Leq[2]), "55.74 53.78 50.87");
    EXPECT_EQ(cformat("%.2f", r.total), "58.67");
    EXPECT_EQ(cformat("%.2f", r.withBackground), "60.22");
    EXPECT_EQ(highway2009Text(r).substr(0, highway2009Text(r).find("----")),
              "总车流小时等效声级Leq=58.67[dB]\r\n总车流小时等效声级＋背景噪声=60.22[dB]\r\n");
    EXPECT_EQ(cformat("%.2f", referenceLevel(0, 50)), "83.71");
    EXPECT_EQ(cformat("%.2f", referenceLevel(1, 60)), "80.78");
    EXPECT_EQ(cformat("%.2f", referenceLevel(2, 70)), "76.68");
}

TEST(Highway2009, CorrectionsAndAttenuations)
{
    Highway2009Input in;
    in.rural = 1;
    in.ruralA = 12;  // used as 10
    in.surface = 1;  // cement: (V − 10)·0.05 below 50 km/h, else 2
    in.VL = 40;
    in.intersection = 1;
    in.crossing = 1;  // 40～70 m: +2
    const Highway2009Result r = computeHighway2009(in);
    EXPECT_EQ(r.rural, 10.0);
    EXPECT_NE(highway2009Text(r).find("农村房屋附加衰减量Abar=10.00[dB]"), std::string::npos);
    EXPECT_NE(highway2009Text(r).find("路面修正量△L路面:\r\n大型车＝1.50[dB]，中型车＝2.00[dB]"), std::string::npos);
    EXPECT_NE(highway2009Text(r).find("城市道路交叉路口噪声修正值Abar=＋2.00[dB]"), std::string::npos);
}

TEST(Highway2009, ChartCurves)
{
    const std::vector<Curve> finite = finiteBarrierCurves();
    ASSERT_EQ(finite.size(), 5u);
    EXPECT_EQ(finite[1].title, "无限长10dB");
    EXPECT_EQ(finite[1].xLabel, "屏障遮挡角与视角之比 β/θ");
    ASSERT_EQ(finite[1].xs.size(), 201u);
    EXPECT_DOUBLE_EQ(finite[1].ys.front(), 0);        // nothing screened
    EXPECT_NEAR(finite[1].ys.back(), 10, 1e-12);      // all screened: the infinite barrier's
    EXPECT_NEAR(finite[1].ys[100], 2.5964, 1e-4);     // −10·lg(0.5·0.1 + 0.5)
    EXPECT_NEAR(finite[4].ys[100], 2.9966, 1e-4);     // −10·lg(0.5·10^−2.5 + 0.5)
    const Curve delta = barrierAttenuationCurve();
    EXPECT_EQ(delta.xs.back(), 5);
    EXPECT_NEAR(delta.ys.front(), 4.7712, 1e-4);      // δ = 0: 10·lg 3
    for (std::size_t i = 1; i < delta.ys.size(); ++i) EXPECT_GT(delta.ys[i], delta.ys[i - 1]);
}

TEST(Highway2009, BarrierAndEmbankment)
{
    EXPECT_EQ(cformat("%.2f", computeInfiniteBarrier({}).Abar), "4.77");  // δ = 0: 10·lg 3
    EXPECT_GT(computeInfiniteBarrier({0.5f}).Abar, 10);
    EmbankmentResult e = computeEmbankment({});
    EXPECT_TRUE(e.illuminated);  // xe = 7, z = −1 ≤ 1.2
    EmbankmentInput far;
    far.r = 6;
    EXPECT_EQ(computeEmbankment(far).refusal.message, "预测点离声源水平距离不符合逻辑，请重输！");
    EmbankmentInput shadow;
    shadow.d1 = 15;  // the receiver lies below the sight line over the edge
    e = computeEmbankment(shadow);
    EXPECT_FALSE(e.illuminated);
    EXPECT_NEAR(e.delta, std::sqrt(225.0 + 1) + std::sqrt(25.0 + 0.64) - std::sqrt(400.0 + 1.8 * 1.8), 1e-5);
}

}  // namespace
}  // namespace qelvo::noise
