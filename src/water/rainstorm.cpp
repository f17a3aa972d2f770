#include "water/rainstorm.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <stdexcept>

#include "common/number_format.h"
#include "common/number_parse.h"

namespace qelvo::water {

// --- formula parsing ---

struct RainFormula::Node {
    enum Kind { Number, P, T, Lg, Add, Sub, Mul, Div, Pow, Neg } kind;
    double value = 0;
    std::string text;  // a number as written, or "²" for a squared power
    bool parenthesised = false;
    std::unique_ptr<Node> a, b;
};

namespace {

using Node = RainFormula::Node;
using NodePtr = std::unique_ptr<Node>;

NodePtr make(Node::Kind kind, NodePtr a = {}, NodePtr b = {})
{
    auto n = std::make_unique<Node>();
    n->kind = kind;
    n->a = std::move(a);
    n->b = std::move(b);
    return n;
}

// expr := term (± term)* ; term := power ((·|/|implicit) power)* ; power := unary (^ unary | ²)?
class Parser {
public:
    explicit Parser(std::string_view s) : s_(s) {}

    NodePtr parse()
    {
        NodePtr n = expr();
        skip();
        if (pos_ != s_.size()) fail();
        return n;
    }

private:
    [[noreturn]] void fail() const { throw std::invalid_argument("unreadable formula: " + std::string(s_)); }
    void skip()
    {
        while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
    }
    bool eat(std::string_view token)
    {
        skip();
        if (s_.substr(pos_, token.size()) != token) return false;
        pos_ += token.size();
        return true;
    }
    bool startsPrimary()
    {
        skip();
        if (pos_ >= s_.size()) return false;
        const char c = s_[pos_];
        return c == '(' || c == 'P' || c == 't' || c == 'l' || (c >= '0' && c <= '9');
    }

    NodePtr expr()
    {
        NodePtr n = term();
        for (;;) {
            if (eat("+")) n = make(Node::Add, std::move(n), term());
            else if (eat("−") || eat("-")) n = make(Node::Sub, std::move(n), term());
            else return n;
        }
    }
    NodePtr term()
    {
        NodePtr n = power();
        for (;;) {
            if (eat("·")) n = make(Node::Mul, std::move(n), power());
            else if (eat("/")) n = make(Node::Div, std::move(n), power());
            else if (startsPrimary()) n = make(Node::Mul, std::move(n), power());  // 910(1 + …)
            else return n;
        }
    }
    NodePtr power()
    {
        NodePtr n = unary();
        if (eat("^")) return make(Node::Pow, std::move(n), unary());
        if (eat("²")) {
            NodePtr two = make(Node::Number);
            two->value = 2;
            two->text = "²";
            return make(Node::Pow, std::move(n), std::move(two));
        }
        return n;
    }
    NodePtr unary()
    {
        if (eat("−") || eat("-")) return make(Node::Neg, unary());
        return primary();
    }
    NodePtr primary()
    {
        skip();
        if (eat("(")) {
            NodePtr n = expr();
            if (!eat(")")) fail();
            n->parenthesised = true;
            return n;
        }
        if (eat("lgP")) return make(Node::Lg, make(Node::P));
        if (eat("lg")) {
            if (!eat("(")) fail();
            NodePtr inner = expr();
            if (!eat(")")) fail();
            return make(Node::Lg, std::move(inner));
        }
        if (eat("P")) return make(Node::P);
        if (eat("t")) return make(Node::T);
        const std::size_t start = pos_;
        while (pos_ < s_.size() && ((s_[pos_] >= '0' && s_[pos_] <= '9') || s_[pos_] == '.')) ++pos_;
        if (pos_ == start) fail();
        NodePtr n = make(Node::Number);
        n->text = std::string(s_.substr(start, pos_ - start));
        n->value = parseDouble(n->text).value_or(0);
        return n;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

double eval(const Node& n, double P, double t)
{
    switch (n.kind) {
    case Node::Number: return n.value;
    case Node::P: return P;
    case Node::T: return t;
    case Node::Lg: return std::log10(eval(*n.a, P, t));
    case Node::Add: return eval(*n.a, P, t) + eval(*n.b, P, t);
    case Node::Sub: return eval(*n.a, P, t) - eval(*n.b, P, t);
    case Node::Mul: return eval(*n.a, P, t) * eval(*n.b, P, t);
    case Node::Div: return eval(*n.a, P, t) / eval(*n.b, P, t);
    case Node::Pow: return std::pow(eval(*n.a, P, t), eval(*n.b, P, t));
    case Node::Neg: return -eval(*n.a, P, t);
    }
    return 0;
}

// Compact text as the handbook prints it: "910×(1+0.61lgP)", "t+12.8P^0.076".
std::string render(const Node& n)
{
    std::string s;
    switch (n.kind) {
    case Node::Number: s = n.text; break;
    case Node::P: s = "P"; break;
    case Node::T: s = "t"; break;
    case Node::Lg: s = n.a->kind == Node::P ? "lgP" : "lg(" + render(*n.a) + ")"; break;
    case Node::Add: s = render(*n.a) + "+" + render(*n.b); break;
    case Node::Sub: s = render(*n.a) + "-" + render(*n.b); break;
    case Node::Mul: {
        const bool joined = n.a->kind == Node::Number && !n.b->parenthesised;
        s = render(*n.a) + (joined ? "" : "×") + render(*n.b);
        break;
    }
    case Node::Div: s = render(*n.a) + "/" + render(*n.b); break;
    case Node::Pow: s = render(*n.a) + (n.b->text == "²" ? "²" : "^" + render(*n.b)); break;
    case Node::Neg: s = "-" + render(*n.a); break;
    }
    return n.parenthesised ? "(" + s + ")" : s;
}

// Display width: CJK and box-drawing characters take two columns.
std::size_t width(const std::string& s)
{
    std::size_t w = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = s[i];
        if ((c & 0xC0) == 0x80) continue;
        w += c >= 0xE0 ? 2 : 1;
    }
    return w;
}

std::string spaces(std::size_t n) { return std::string(n, ' '); }

// A sum holding one term of the form k·P^m: the handbook writes it "t+kP" with m above.
const Node* powerOfPIn(const Node& n)
{
    if (n.kind == Node::Pow && n.a->kind == Node::P && n.b->kind == Node::Number) return &n;
    if (n.kind == Node::Add || n.kind == Node::Sub || n.kind == Node::Mul) {
        const Node* a = powerOfPIn(*n.a);
        const Node* b = powerOfPIn(*n.b);
        return a && b ? nullptr : (a ? a : b);
    }
    return nullptr;
}

std::string renderWithout(const Node& n, const Node* skipExponent)
{
    if (&n == skipExponent) return "P";
    switch (n.kind) {
    case Node::Add: return (n.parenthesised ? "(" : "") + renderWithout(*n.a, skipExponent) + "+" +
                           renderWithout(*n.b, skipExponent) + (n.parenthesised ? ")" : "");
    case Node::Mul: {
        const bool joined = n.a->kind == Node::Number && !n.b->parenthesised;
        return renderWithout(*n.a, skipExponent) + (joined ? "" : "×") + renderWithout(*n.b, skipExponent);
    }
    default: return render(n);
    }
}

}  // namespace

RainFormula::RainFormula(const std::string& text)
{
    const auto eq = text.find('=');
    if (eq == std::string::npos) throw std::invalid_argument("unreadable formula: " + text);
    mm_ = text.compare(0, 1, "i") == 0;
    root_ = Parser(std::string_view(text).substr(eq + 1)).parse();
}

RainFormula::~RainFormula() = default;
RainFormula::RainFormula(RainFormula&&) noexcept = default;

double RainFormula::evaluate(double P, double t) const { return eval(*root_, P, t); }

double RainFormula::q(double P, double t) const
{
    const double v = evaluate(P, t);
    return mm_ ? v * 166.66666666666666 : v;  // mm/min to L/(s·ha): 10000/60
}

std::string RainFormula::display(bool withUnit) const
{
    std::string numerator, denominator, exponent;
    if (root_->kind == Node::Div) {
        numerator = render(*root_->a);
        const Node& den = *root_->b;
        if (den.kind == Node::Pow && !den.parenthesised) {
            denominator = render(*den.a);
            exponent = render(*den.b);
            if (den.b->parenthesised) exponent = exponent.substr(1, exponent.size() - 2);
        } else if (const Node* p = den.kind == Node::Add || den.parenthesised ? powerOfPIn(den) : nullptr) {
            denominator = renderWithout(den, p);
            if (!denominator.empty() && denominator.front() == '(' && denominator.back() == ')')
                denominator = denominator.substr(1, denominator.size() - 2);
            exponent = render(*p->b);
        } else {
            denominator = render(den);
            if (den.parenthesised && den.kind == Node::Mul) denominator = denominator.substr(1, denominator.size() - 2);
        }
    } else {
        numerator = render(*root_);
    }
    // A fraction bar of two-column characters wide enough for both lines.
    const std::size_t lead = 5;  // "q =  "
    const std::size_t span = std::max(width(numerator), width(denominator) + width(exponent));
    const std::size_t bars = span / 2 + 2;
    const auto centred = [&](std::size_t w) { return lead + (2 * bars > w ? (2 * bars - w) / 2 : 0); };
    std::string bar;
    for (std::size_t k = 0; k < bars; ++k) bar += "─";
    std::string text = spaces(centred(width(numerator))) + numerator + "\n" + (mm_ ? "i =  " : "q =  ") + bar;
    if (withUnit) text += mm_ ? "  [毫米/分钟]" : "  [升/秒·公顷]";
    if (root_->kind != Node::Div) return text;
    const std::size_t denIndent = centred(width(denominator) + width(exponent));
    if (!exponent.empty()) text += "\n" + spaces(denIndent + width(denominator)) + exponent;
    text += "\n" + spaces(denIndent) + denominator;
    return text;
}

// --- the table and the calculator ---

namespace {

// Display texts as the handbook prints them, where they differ from the layout above,
// and the two entries whose printed numbers differ from the ones evaluated.
const std::map<std::string, std::string>& displayOverrides()
{
    static const std::map<std::string, std::string> texts = {
        {"温州", "      910×(1+0.61lgP)\nq =  ──────────  [升/秒·公顷]\n             0.49\n           t"},
        {"宁波", "        (18.105+13.9lgTe)\ni =  ───────────  [毫米/分钟]\n                  0.778\n        (t+13.265)"},
    };
    return texts;
}

const std::map<std::string, std::string>& displayFormulas()
{
    static const std::map<std::string, std::string> formulas = {
        {"随州", "q = 1190(1 + 0.9·lgP)/t^0.74"},
        {"莱阳", "i = (5.824 + 6.24·lgP)/(t + 8.173)^0.532"},
    };
    return formulas;
}

std::string stripUnit(std::string text)
{
    for (const char* unit : {"  [升/秒·公顷]", "  [毫米/分钟]"}) {
        const auto at = text.find(unit);
        if (at != std::string::npos) text.erase(at, std::string(unit).size());
    }
    return text;
}

}  // namespace

std::string rainstormDisplay(const RainstormEntry& entry, bool withUnit)
{
    const std::string key = *entry.city ? entry.city : entry.province;
    if (const auto it = displayOverrides().find(key); it != displayOverrides().end())
        return withUnit ? it->second : stripUnit(it->second);
    const auto shown = displayFormulas().find(key);
    return RainFormula(shown != displayFormulas().end() ? shown->second : entry.formula).display(withUnit);
}

const std::vector<std::string>& rainstormProvinces()
{
    static const std::vector<std::string> provinces = [] {
        std::vector<std::string> list;
        for (const auto& e : rainstormTable())
            if (list.empty() || list.back() != e.province) list.push_back(e.province);
        return list;
    }();
    return provinces;
}

std::vector<const RainstormEntry*> rainstormCities(int province)
{
    std::vector<const RainstormEntry*> cities;
    if (province < 0 || province >= static_cast<int>(rainstormProvinces().size())) return cities;
    for (const auto& e : rainstormTable())
        if (rainstormProvinces()[province] == e.province) cities.push_back(&e);
    return cities;
}

const RainstormEntry* rainstormEntry(int province, int city)
{
    const auto cities = rainstormCities(province);
    return city >= 0 && city < static_cast<int>(cities.size()) ? cities[city] : nullptr;
}

const RainstormEntry* rainstormEntry(int province, const std::string& city)
{
    if (city.empty()) return rainstormEntry(province, 0);
    if (const auto index = parseInteger(city)) return rainstormEntry(province, *index);
    for (const RainstormEntry* e : rainstormCities(province))
        if (city == e->city) return e;
    return nullptr;
}

namespace {

// Every formula of the table, parsed once, in table order; read-only afterwards, so the
// model can be called from any thread.
const RainFormula& parsedFormula(const RainstormEntry& entry)
{
    static const std::vector<RainFormula> parsed = [] {
        std::vector<RainFormula> list;
        list.reserve(rainstormTable().size());
        for (const auto& e : rainstormTable()) list.emplace_back(e.formula);
        return list;
    }();
    return parsed[static_cast<std::size_t>(&entry - rainstormTable().data())];
}

}  // namespace

RainstormResult computeRainstorm(const RainstormInput& in)
{
    RainstormResult r;
    const RainstormEntry* entry = rainstormEntry(in.province, in.city);
    if (!entry) {
        r.refusal = {"所选省份中没有城市“" + validUtf8(in.city) + "”，请重新选择！", "city"};
        return r;
    }
    // The formulas divide by a power of (t + b): a duration must be positive.
    if (!(in.t > 0)) {
        r.refusal = {"降雨历时t必须大于0，请重新输入！", "t"};
        return r;
    }
    r.q = static_cast<float>(parsedFormula(*entry).q(in.P, in.t));
    r.Q = in.psi * in.S * r.q * 0.0001f;  // m^2 to ha
    return r;
}

std::string rainstormText(const RainstormResult& r)
{
    // L/s to m^3/h: 3.6.
    return cformat("暴雨强度q=%g升/秒·公顷\n雨水流量Q=%g升/秒，即%g立方米/小时", double(r.q), double(r.Q),
                   double(r.Q * 3.6f));
}

const CalculatorDef<RainstormInput, RainstormResult>& rainstormCalculator()
{
    using In = RainstormInput;
    static const CalculatorDef<In, RainstormResult> def = [] {
        return CalculatorDef<In, RainstormResult>{
            "water.rainstorm",
            "暴雨强度和雨水量计算",
            {choiceField("province", "所在省份", &In::province, rainstormProvinces()),
             field("city", "城市（名称或序号）", &In::city),
             field("P", "重现期 P [年]", &In::P),
             field("t", "降雨历时t [分钟]", &In::t),
             field("S", "汇水面积S [m^2]", &In::S),
             field("psi", "径流系数 Ψ", &In::psi)},
            {field("q", "暴雨强度q [升/秒·公顷]", &RainstormResult::q), field("Q", "雨水流量Q [升/秒]", &RainstormResult::Q)},
            &computeRainstorm,
            [](const RainstormResult& r, Report& report) { report.text = rainstormText(r); },
            // lg P of a return period P ≤ 0 (and P ≤ 0.121 where the formula takes
            // lg(P − 0.121)): q has no finite value and is shown as it comes.
            [](const In&, const RainstormResult& r) { return !std::isfinite(r.q); },
        };
    }();
    return def;
}

}  // namespace qelvo::water
