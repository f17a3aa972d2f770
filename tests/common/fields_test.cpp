#include "common/fields.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace {

struct Sample {
    float f = 1.5f;
    double d = 2.25;
    int n = 3;
    std::string s = "x";
    int mode = 0;
    int on = 0;
};

const Fields<Sample>& sampleFields()
{
    static const Fields<Sample> fields = {
        field("f", "单精度", &Sample::f),
        field("d", "双精度", &Sample::d),
        field("n", "整数", &Sample::n),
        field("s", "文字", &Sample::s),
        choiceField("mode", "模式", &Sample::mode, {"酸性", "碱性"}),
        checkField("on", "开关", &Sample::on),
    };
    return fields;
}

const Field<Sample>& byKey(const std::string& key)
{
    for (const auto& f : sampleFields())
        if (f.desc.key == key) return f;
    throw std::out_of_range(key);
}

TEST(Fields, KindFollowsTheMember)
{
    EXPECT_EQ(byKey("f").desc.kind, FieldKind::Single);
    EXPECT_EQ(byKey("d").desc.kind, FieldKind::Double);
    EXPECT_EQ(byKey("n").desc.kind, FieldKind::Integer);
    EXPECT_EQ(byKey("s").desc.kind, FieldKind::Text);
    EXPECT_EQ(byKey("mode").desc.kind, FieldKind::Choice);
    EXPECT_EQ(byKey("on").desc.kind, FieldKind::Check);
}

TEST(Fields, DisplayForms)
{
    Sample s;
    s.f = 1234567.f;
    s.d = 1.0 / 3;
    EXPECT_EQ(displayText(s, byKey("f")), "1.23457e+006");
    EXPECT_EQ(displayText(s, byKey("d")), "0.333333333333333");
    EXPECT_EQ(displayText(s, byKey("n")), "3");
    EXPECT_EQ(displayText(s, byKey("s")), "x");
}

TEST(Fields, AssignStoresOrLeavesTheMember)
{
    Sample s;
    EXPECT_TRUE(assignText(s, byKey("f"), "0.1"));
    EXPECT_EQ(s.f, 0.1f);
    EXPECT_FALSE(assignText(s, byKey("f"), "abc"));
    EXPECT_EQ(s.f, 0.1f);  // unchanged
    EXPECT_FALSE(assignText(s, byKey("d"), ""));
    EXPECT_EQ(s.d, 2.25);
    EXPECT_FALSE(assignText(s, byKey("n"), "2.5"));
    EXPECT_TRUE(assignText(s, byKey("n"), " 42 "));
    EXPECT_EQ(s.n, 42);
    EXPECT_TRUE(assignText(s, byKey("s"), " a b "));
    EXPECT_EQ(s.s, " a b ");
}

TEST(Fields, ChoicesByIndexOrTextAndChecksZeroOrOne)
{
    Sample s;
    EXPECT_TRUE(assignText(s, byKey("mode"), "碱性"));
    EXPECT_EQ(s.mode, 1);
    EXPECT_TRUE(assignText(s, byKey("mode"), "0"));
    EXPECT_EQ(s.mode, 0);
    EXPECT_FALSE(assignText(s, byKey("mode"), "2"));
    EXPECT_FALSE(assignText(s, byKey("mode"), "-1"));
    EXPECT_FALSE(assignText(s, byKey("mode"), "中性"));
    EXPECT_TRUE(assignText(s, byKey("on"), "1"));
    EXPECT_EQ(s.on, 1);
    EXPECT_FALSE(assignText(s, byKey("on"), "2"));
    EXPECT_EQ(s.on, 1);
}

// A file's texts are checked before any is used: the check takes exactly what assignText takes.
TEST(Fields, AcceptsTextAgreesWithAssign)
{
    const std::vector<std::pair<std::string, std::vector<const char*>>> cases = {
        {"f", {"0.1", " 2e3 ", "abc", "", "1e39", "-0", "0"}},
        {"d", {"1e300", "1e309", ".5", "0.5", "nan"}},
        {"n", {"42", "2.5", "2147483648", "-3"}},
        {"s", {"", "上海", "\xff"}},
        {"mode", {"碱性", "1", "2", "-1", "中性"}},
        {"on", {"0", "1", "2", "yes"}},
    };
    for (const auto& [key, texts] : cases) {
        for (const char* text : texts) {
            Sample s;
            EXPECT_EQ(acceptsText(byKey(key).desc, text), assignText(s, byKey(key), text)) << key << "=" << text;
        }
    }
    EXPECT_FALSE(acceptsText(byKey("s").desc, "\xff"));
    EXPECT_TRUE(acceptsText(byKey("mode").desc, "碱性"));
    EXPECT_FALSE(acceptsText(byKey("f").desc, "1e39"));  // beyond single precision
    EXPECT_EQ(parseWhole(byKey("mode").desc, "碱性"), 1);
    EXPECT_EQ(parseWhole(byKey("on").desc, "2"), std::nullopt);
}

TEST(Fields, TextsMustBeUtf8)
{
    Sample s;
    EXPECT_TRUE(assignText(s, byKey("s"), "上海"));
    EXPECT_EQ(s.s, "上海");
    // A stray byte, a cut sequence, an overlong form, a surrogate: refused, the member kept.
    for (const char* bytes : {"\xff", "a\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe4\xb8"}) {
        EXPECT_FALSE(isUtf8(bytes)) << bytes;
        EXPECT_FALSE(assignText(s, byKey("s"), bytes));
        EXPECT_EQ(s.s, "上海");
    }
    for (const char* text : {"", "abc", "＝", "𝄞", "\xf4\x8f\xbf\xbf"}) EXPECT_TRUE(isUtf8(text)) << text;
    // Echoed with the replacement character instead of each bad byte.
    EXPECT_EQ(validUtf8("a\xff" "b\xc3"), "a\xef\xbf\xbd" "b\xef\xbf\xbd");
    EXPECT_EQ(validUtf8("上海"), "上海");
    EXPECT_STREQ(kindNoun(FieldKind::Text), "有效的文字");
}

}  // namespace
}  // namespace qelvo
