// qelvo-calc batch: one CSV record of results per case, refusals in their column.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/calculators.h"
#include "cli/cli.h"

namespace qelvo::cli {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome batch(const std::string& id, const std::string& csv, long progressEvery = 0, bool sameLine = false)
{
    std::istringstream in(csv);
    std::ostringstream out, err;
    const int code = runBatch(*findCalculator(id), in, out, err, {"cases.csv", progressEvery, sameLine});
    return {code, out.str(), err.str()};
}

// Sludge: V = Q·C·η/(1−P)/ρ, in t/d with C in mg/L: 50·300·0.6/0.8/300·1e-3 = 0.0375 (the
// page's defaults); Q=100: 0.075; Q=100, η=100 %: 0.125.
TEST(Batch, OneResultRecordPerCase)
{
    const Outcome r = batch("solid.sludge", "Q,eta\n50,60\n100,\n100,100\n");
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out,
              "case,V,refusal\n"
              "1,0.0375,\n"
              "2,0.075,\n"  // an empty cell: the default
              "3,0.125,\n");
    EXPECT_EQ(r.err, "");
}

TEST(Batch, RefusalsStandInTheirColumnAndTheBatchGoesOn)
{
    const Outcome r = batch("solid.sludge", "Q,P\n50,100\nabc,20\n50\n\n100,20\n");
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.out,
              "case,V,refusal\n"
              "1,,污泥含水率P必须小于100，请重新输入！\n"
              "2,,Q=abc 不是一个数，请重新输入！\n"
              "3,,第4行有1个值，表头有2项，请重新输入！\n"
              "4,0.075,\n");  // the blank line is no case
    EXPECT_EQ(r.err, "qelvo-calc: 4 个算例中 3 个没有计算，原因见 refusal 列\n");
}

TEST(Batch, TextsWithCommasAndQuotesAreQuoted)
{
    // The refusal echoes the value read from a quoted cell; its comma and quotes come back quoted.
    const Outcome r = batch("solid.sludge", "Q,P\n\"1,5\",20\n\"say \"\"8\"\"\",\"20\"\n");
    EXPECT_EQ(r.out,
              "case,V,refusal\n"
              "1,,\"Q=1,5 不是一个数，请重新输入！\"\n"
              "2,,\"Q=say \"\"8\"\" 不是一个数，请重新输入！\"\n");
}

TEST(Batch, AHeaderMustNameInputsOnce)
{
    const Outcome unknown = batch("solid.sludge", "Q,V\n1,2\n");
    EXPECT_EQ(unknown.code, kExitUsage);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("“V”不是 solid.sludge 的输入项"), std::string::npos) << unknown.err;
    const Outcome twice = batch("solid.sludge", "Q,Q\n1,2\n");
    EXPECT_EQ(twice.code, kExitUsage);
    EXPECT_NE(twice.err.find("输入项“Q”出现了两次"), std::string::npos) << twice.err;
    EXPECT_EQ(batch("solid.sludge", "").code, kExitUsage);
    EXPECT_EQ(batch("solid.sludge", "\xEF\xBB\xBFQ\n80\n").code, kExitOk);  // as spreadsheets save it
    EXPECT_NE(batch("solid.sludge", "\xff\n1\n").err.find("\xEF\xBF\xBD"), std::string::npos);  // echoed readably
}

TEST(Batch, AMalformedRecordStopsAfterTheCasesBefore)
{
    const Outcome r = batch("solid.sludge", "Q\n80\n\"90\n");
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.out, "case,V,refusal\n1,0.06,\n");  // 80·300·0.6/0.8/300·1e-3
    EXPECT_EQ(r.err, "qelvo-calc: cases.csv 第3行：引号没有闭合，其后的算例没有计算\n");
}

TEST(Batch, ProgressLinesEverySoManyCases)
{
    std::string csv = "Q\n";
    for (int i = 1; i <= 25; ++i) csv += std::to_string(i) + "\n";
    const Outcome r = batch("solid.sludge", csv, 10);
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.err, "已计算 10 个算例\n已计算 20 个算例\n");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 26);
    EXPECT_EQ(batch("solid.sludge", "Q\n1\n2\n", 1).err, "已计算 1 个算例\n已计算 2 个算例\n");
    EXPECT_EQ(batch("solid.sludge", csv, 0).err, "");  // none asked for
    // On a terminal: one line counting up, ended when the batch ends (if it was shown at all).
    EXPECT_EQ(batch("solid.sludge", csv, 10, true).err, "\r已计算 10 个算例\r已计算 20 个算例\n");
    EXPECT_EQ(batch("solid.sludge", "Q\n1\n", 1, true).err, "\r已计算 1 个算例\n");
    EXPECT_EQ(batch("solid.sludge", "Q\n1\n", 2, true).err, "");
}

TEST(Batch, OneRefusedCaseIsEnoughForExit2)
{
    const Outcome r = batch("solid.sludge", "P\n20\n100\n");
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.err, "qelvo-calc: 2 个算例中 1 个没有计算，原因见 refusal 列\n");
}

// The command line: a file, standard input, a missing file, a directory.
TEST(Batch, FromTheCommandLine)
{
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"batch", "solid.sludge", "/nonexistent/cases.csv"}, out, err), kExitRefused);
    EXPECT_EQ(err.str(), "qelvo-calc: 无法读取文件“/nonexistent/cases.csv”！\n");
    err.str("");
    EXPECT_EQ(runCli({"batch", "solid.sludge", "/tmp"}, out, err), kExitRefused);
    EXPECT_EQ(runCli({"batch", "solid.sludge"}, out, err), kExitUsage);
    EXPECT_EQ(runCli({"batch", "no.such", "x.csv"}, out, err), kExitUsage);
    EXPECT_EQ(runCli({"batch", "solid.sludge", "x.csv", "--fast"}, out, err), kExitUsage);
}

}  // namespace
}  // namespace qelvo::cli
