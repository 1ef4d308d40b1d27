#include "kit/core/solution.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <functional>
#include <optional>

#include "kit/core/number.h"
#include "kit/core/outcome.h"

namespace tavek {

namespace {

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string trimmed(std::string s)
{
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

void markup(Line& line, std::string_view text)
{
    if (text.empty())
        return;
    if (!line.empty() && line.back().kind == Piece::Kind::Markup)
        line.back().text += text;
    else
        line.push_back({Piece::Kind::Markup, std::string(text)});
}

void number(Line& line, std::string text) { line.push_back({Piece::Kind::Number, std::move(text)}); }

// " m/s²" after a number, "30°" without the blank; nothing for a pure number.
void unitAfter(Line& line, std::string_view unit)
{
    if (unit.empty())
        return;
    if (unit != "°")
        markup(line, " ");
    markup(line, unit);
}

std::string escaped(std::string_view text)
{
    std::string r;
    r.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': r += "&amp;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        case '"': r += "&quot;"; break;
        default: r += c;
        }
    }
    return r;
}

// A power's digits and signs as superscript characters: "-4" becomes "⁻⁴".
std::string superscript(std::string_view text)
{
    static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string r;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            r += kDigits[c - '0'];
        } else if (c == '-') {
            r += "⁻";
        } else if (text.substr(i, 3) == "−") {
            r += "⁻";
            i += 2;
        } else {
            r += c;
        }
    }
    return r;
}

// Walks the program's markup, handing plain runs and the opening and closing
// of subscripts to `emit`; a power is written out in superscript characters.
template <class Emit>
void walkMarkup(std::string_view text, Emit&& emit)
{
    bool sub = false;
    std::string run;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '^' && i + 1 < text.size() && text[i + 1] == '{') {
            const std::size_t close = text.find('}', i + 2);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            run += superscript(text.substr(i + 2, end - i - 2));
            i = end;
        } else if (c == '_' && i + 1 < text.size() && text[i + 1] == '{' && !sub) {
            emit(run, 1);
            run.clear();
            sub = true;
            ++i;
        } else if (c == '}' && sub) {
            emit(run, -1);
            run.clear();
            sub = false;
        } else {
            run += c;
        }
    }
    emit(run, 0);
}

std::string lines(const std::vector<Line>& ls)
{
    std::string r;
    for (const Line& l : ls) {
        if (!r.empty())
            r += "<br>";
        r += to_html(l);
    }
    return r;
}

void section(std::string& html, std::string_view title, const std::vector<Line>& ls)
{
    if (ls.empty())
        return;
    html += "<p><b>";
    html += title;
    html += "</b><br>";
    html += lines(ls);
    html += "</p>";
}

void paragraph(std::string& html, std::string_view text)
{
    html += "<p>";
    html += escaped(text);
    html += "</p>";
}

} // namespace

namespace {

// "1.5 × 10⁶": a mantissa and its power of ten.
std::string timesTen(std::string_view mantissa, int exponent)
{
    std::string r(mantissa);
    r += " × 10";
    r += superscript(std::to_string(exponent));
    return r;
}

// The exponent of a number written "1.5e+06", its 'e' at `at`.
int exponentAt(std::string_view s, std::size_t at)
{
    int exponent = 0;
    std::from_chars(s.data() + at + 1 + (s[at + 1] == '+'), s.data() + s.size(), exponent);
    return exponent;
}

// The exponent of the leading digit of x (finite, not zero).
int exponentOf(double x)
{
    char buffer[40];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 16);
    const std::string_view s(buffer, static_cast<std::size_t>(r.ptr - buffer));
    return exponentAt(s, s.find('e'));
}

// A number as a working writes it: its text, whether it is written with a
// power of ten, what it reads as and one unit of its last digit.
struct Written {
    std::string text;
    bool timesTen = false;
    long double value = 0;
    long double lastDigit = 0;
};

// x rounded to `d` decimals (to 10^-d). Fixed notation from 0.0001 up to
// 10^15, trailing zeros kept down to `keep` decimals; outside it (or for a
// rounding beyond the units or beyond 17 decimals) a power of ten.
Written writeAt(double x, int d, int keep)
{
    Written w;
    const int e = x == 0 ? 0 : exponentOf(x);
    if (x == 0 || (e >= -4 && e < 15 && d >= 0 && d <= 17)) {
        w.text = trimmed(write_number(x, 0, d));
        const auto point = w.text.find('.');
        int decimals = point == std::string::npos ? 0 : static_cast<int>(w.text.size() - point - 1);
        while (decimals > keep && w.text.back() == '0') {
            w.text.pop_back();
            --decimals;
        }
        if (decimals == 0 && !w.text.empty() && w.text.back() == '.')
            w.text.pop_back();
        w.value = read_number(w.text).value;
        w.lastDigit = std::pow(10.0L, -decimals);
        return w;
    }
    char buffer[40];
    const int significant = std::max(1, d + e + 1);
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, significant - 1);
    const std::string_view s(buffer, static_cast<std::size_t>(r.ptr - buffer));
    const auto at = s.find('e');
    std::string mantissa(s.substr(0, at));
    const int exponent = exponentAt(s, at);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    const auto point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    w.value = read_number(std::string(s)).value;
    w.text = timesTen(mantissa, exponent);
    w.timesTen = true;
    w.lastDigit = std::pow(10.0L, exponent - decimals);
    return w;
}

// The value of a formula of a working, its @names read in order from
// `operand`. Empty for a formula it cannot read, a division by zero or the
// root of a negative number.
class FormulaValue {
public:
    template <class Operand>
    FormulaValue(std::string_view formula, Operand&& operand) : f_(formula), operand_(operand)
    {
    }

    std::optional<long double> value()
    {
        const long double v = sum();
        skipBlanks();
        if (!ok_ || at_ != f_.size() || !std::isfinite(v))
            return std::nullopt;
        return v;
    }

private:
    void skipBlanks()
    {
        while (at_ < f_.size() && f_[at_] == ' ')
            ++at_;
    }
    bool eat(std::string_view token)
    {
        skipBlanks();
        if (f_.substr(at_, token.size()) != token)
            return false;
        at_ += token.size();
        return true;
    }
    void expect(std::string_view token)
    {
        if (!eat(token))
            ok_ = false;
    }
    long double sum()
    {
        long double v = product();
        while (ok_) {
            if (eat("+"))
                v += product();
            else if (eat("−") || eat("-"))
                v -= product();
            else
                break;
        }
        return v;
    }
    long double product()
    {
        long double v = negated();
        while (ok_) {
            if (eat("×")) {
                v *= negated();
            } else if (eat("/") || eat("÷")) {
                const long double by = negated();
                if (by == 0)
                    ok_ = false;
                else
                    v /= by;
            } else {
                break;
            }
        }
        return v;
    }
    long double negated()
    {
        if (eat("−") || eat("-"))
            return -negated();
        return power();
    }
    long double power()
    {
        long double v = primary();
        for (;;) {
            if (eat("²") || eat("^{2}"))
                v *= v;
            else if (eat("³") || eat("^{3}"))
                v = v * v * v;
            else
                return v;
        }
    }
    long double inBrackets()
    {
        const long double v = sum();
        expect(")");
        return v;
    }
    long double primary()
    {
        if (!ok_)
            return 0;
        if (eat("("))
            return inBrackets();
        if (eat("|")) {
            const long double v = std::fabs(sum());
            expect("|");
            return v;
        }
        if (eat("√")) {
            const long double v = primary();
            if (v < 0)
                ok_ = false;
            return ok_ ? std::sqrt(v) : 0;
        }
        if (eat("sen("))
            return std::sin(inBrackets());
        if (eat("cos("))
            return std::cos(inBrackets());
        if (eat("tg("))
            return std::tan(inBrackets());
        if (eat("arctg("))
            return std::atan(inBrackets());
        if (eat("@")) {
            while (at_ < f_.size() && isNameChar(f_[at_]))
                ++at_;
            return operand_();
        }
        const std::size_t from = at_;
        while (at_ < f_.size() && ((f_[at_] >= '0' && f_[at_] <= '9') || f_[at_] == '.'))
            ++at_;
        if (at_ == from) {
            ok_ = false;
            return 0;
        }
        return read_number(f_.substr(from, at_ - from)).value;
    }

    std::string_view f_;
    std::function<long double()> operand_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// A formula that is one other quantity: T_{C} = P.
bool isAlias(std::string_view formula)
{
    return formula.size() > 1 && formula[0] == '@' && std::all_of(formula.begin() + 1, formula.end(), isNameChar);
}

} // namespace

std::string given_text(double x)
{
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x);
    const std::string_view s(buffer, static_cast<std::size_t>(r.ptr - buffer));
    const auto e = s.find('e');
    if (e == std::string_view::npos)
        return std::string(s);
    return timesTen(s.substr(0, e), exponentAt(s, e));
}

std::size_t Working::find(std::string_view name) const
{
    for (std::size_t i = quantities_.size(); i-- > 0;)
        if (quantities_[i].name == name)
            return i;
    assert(!"a formula or an answer names a quantity that was neither given nor worked out");
    return quantities_.size();
}

Working::Quantity Working::quantity(std::string_view name, std::string_view symbol, Real value,
                                    std::string_view unit, int decimals) const
{
    Quantity q;
    q.name = name;
    q.symbol = symbol;
    q.unit = unit;
    q.value = value.value();
    q.width = width_;
    q.decimals = decimals < 0 ? decimals_ : decimals;
    return q;
}

Real Working::fact(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
                   std::string_view note)
{
    Quantity q = quantity(name, symbol, value, unit, -1);
    q.text = given_text(q.value);
    q.bracket = q.text.front() == '-' || q.text.find("×") != std::string::npos;
    q.textValue = q.value;

    Line line;
    markup(line, symbol);
    markup(line, " = ");
    number(line, q.text);
    unitAfter(line, unit);
    if (!note.empty()) {
        markup(line, " (");
        markup(line, note);
        markup(line, ")");
    }
    s_.data.push_back(std::move(line));
    quantities_.push_back(std::move(q));
    return value;
}

Real Working::given(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
                    std::string_view note)
{
    return fact(name, symbol, value, unit, note);
}

Real Working::known(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
                    std::string_view note)
{
    return fact(name, symbol, value, unit, note);
}

void Working::write(Quantity& q, int d)
{
    q.d = d;
    Written w = writeAt(q.value, d, std::min(d, q.decimals));
    q.text = std::move(w.text);
    // Bracketed by its text, so that -0.0000 is too.
    q.bracket = w.timesTen || q.text.front() == '-';
    q.textValue = w.value;
    q.lastDigit = w.lastDigit;
}

bool Working::checks(const Quantity& q) const
{
    if (q.formula.empty() || q.alias)
        return true;
    std::size_t next = 0;
    const auto v = FormulaValue(q.formula, [&] { return quantities_[q.operands[next++]].textValue; }).value();
    // Within 0.6 of its last digit, so that a student redoing it in double
    // precision lands within one.
    return v && std::fabs(*v - q.textValue) <= 0.6L * q.lastDigit;
}

// Checks the lines from `from` on and gives the quantities they substitute
// the digits they need; a quantity whose own line cannot carry more digits
// keeps fewer, and a line that still does not check out loses its numbers.
void Working::settle(std::size_t from)
{
    std::vector<std::size_t> pending{from};
    std::vector<bool> changed(quantities_.size(), false);
    changed[from] = true;
    const auto rewritten = [&](std::size_t i) {
        changed[i] = true;
        pending.push_back(i);
        for (std::size_t user : quantities_[i].users) {
            changed[user] = true;
            pending.push_back(user);
        }
    };
    while (!pending.empty()) {
        const std::size_t i = pending.back();
        pending.pop_back();
        if (quantities_[i].unchecked || checks(quantities_[i]))
            continue;
        std::vector<std::size_t> operands = quantities_[i].operands;
        std::sort(operands.begin(), operands.end());
        operands.erase(std::unique(operands.begin(), operands.end()), operands.end());
        bool raised = false;
        for (std::size_t o : operands) {
            Quantity& p = quantities_[o];
            if (p.fixed || p.d >= p.hi || p.textValue == p.value)
                continue;
            write(p, p.d + 1);
            rewritten(o);
            raised = true;
        }
        Quantity& q = quantities_[i];
        if (raised) {
            pending.push_back(i);
        } else if (q.d > q.lo) {
            q.hi = q.d - 1;
            write(q, q.hi);
            rewritten(i);
        } else {
            q.unchecked = true;
        }
    }
    for (std::size_t i = 0; i < quantities_.size(); ++i)
        if (changed[i] && !quantities_[i].fixed)
            render(quantities_[i]);
}

// `line` followed by q's formula with the symbols or the numbers of what it names.
void Working::expand(Line& line, const Quantity& q, bool numbers) const
{
    std::size_t next = 0;
    const std::string_view f = q.formula;
    for (std::size_t i = 0; i < f.size();) {
        if (f[i] != '@') {
            const std::size_t at = std::min(f.find('@', i), f.size());
            markup(line, f.substr(i, at - i));
            i = at;
            continue;
        }
        ++i;
        while (i < f.size() && isNameChar(f[i]))
            ++i;
        const Quantity& p = quantities_[q.operands[next++]];
        if (!numbers) {
            markup(line, p.symbol);
            continue;
        }
        if (p.bracket)
            markup(line, "(");
        number(line, p.text);
        if (p.bracket)
            markup(line, ")");
    }
}

void Working::render(const Quantity& q)
{
    Line line;
    markup(line, q.symbol);
    markup(line, " = ");
    if (!q.formula.empty()) {
        expand(line, q, false);
        markup(line, " = ");
        if (!q.alias && !q.unchecked) {
            expand(line, q, true);
            markup(line, " = ");
        }
    }
    number(line, q.text);
    unitAfter(line, q.unit);
    if (q.shown) {
        // An answer whose working needed more digits than the window shows.
        const std::string shown = trimmed(write_number(q.value, q.width, q.decimals));
        if (shown != q.text) {
            markup(line, " ≈ ");
            number(line, shown);
            unitAfter(line, q.unit);
        }
    }
    s_.substitutions[q.line] = std::move(line);
}

Real Working::step(std::string_view name, std::string_view symbol, std::string_view formula, Real value,
                   std::string_view unit, int decimals)
{
    Quantity q = quantity(name, symbol, value, unit, decimals);
    q.fixed = false;
    q.formula = formula;
    q.alias = isAlias(formula);
    for (std::size_t i = 0; (i = formula.find('@', i)) != std::string_view::npos;) {
        std::size_t end = ++i;
        while (end < formula.size() && isNameChar(formula[end]))
            ++end;
        const std::size_t o = find(formula.substr(i, end - i));
        if (o == quantities_.size()) {
            q.formula.clear(); // nothing to substitute from
            q.operands.clear();
            break;
        }
        q.operands.push_back(o);
        i = end;
    }
    const std::size_t index = quantities_.size();
    for (std::size_t o : q.operands)
        if (!quantities_[o].fixed && (quantities_[o].users.empty() || quantities_[o].users.back() != index))
            quantities_[o].users.push_back(index);

    if (q.value == 0) {
        q.lo = q.hi = q.decimals;
    } else {
        const int e = exponentOf(q.value);
        q.lo = -e;
        q.hi = 16 - e;
        // An answer its own decimals write exactly needs no more than them.
        if (read_number(trimmed(write_number(q.value, 0, q.decimals))).value == q.value)
            q.hi = std::max(q.hi, q.decimals);
    }
    int d = q.decimals;
    // A quantity the format would write as nothing but zeros gets three
    // significant digits.
    if (q.value != 0 && std::fabs(q.value) < 0.5 * std::pow(10.0, -d))
        d = std::max(d, 2 - exponentOf(q.value));
    write(q, std::clamp(d, q.lo, q.hi));
    q.line = s_.substitutions.size();
    s_.substitutions.emplace_back();
    if (!q.formula.empty()) {
        Line symbols;
        markup(symbols, symbol);
        markup(symbols, " = ");
        expand(symbols, q, false);
        s_.formulas.push_back(std::move(symbols));
    }
    quantities_.push_back(std::move(q));
    settle(index);
    return value;
}

void Working::shows(std::string_view name, std::string target)
{
    const std::size_t i = find(name);
    if (i == quantities_.size())
        return;
    Quantity& q = quantities_[i];
    s_.shown.emplace_back(std::move(target), trimmed(write_number(q.value, q.width, q.decimals)));
    if (!q.fixed && !q.shown) {
        q.shown = true;
        render(q);
    }
}

void Working::remark(std::string_view text)
{
    Line line;
    markup(line, text);
    s_.remarks.push_back(std::move(line));
}

std::string to_html(const Line& line)
{
    std::string r;
    for (const Piece& p : line) {
        if (p.kind == Piece::Kind::Number) {
            r += escaped(p.text);
            continue;
        }
        walkMarkup(p.text, [&r](const std::string& run, int tag) {
            r += escaped(run);
            switch (tag) {
            case 1: r += "<sub>"; break;
            case -1: r += "</sub>"; break;
            default: break;
            }
        });
    }
    return r;
}

std::string to_plain(const Line& line)
{
    std::string r;
    for (const Piece& p : line) {
        if (p.kind == Piece::Kind::Number)
            r += p.text;
        else
            walkMarkup(p.text, [&r](const std::string& run, int) { r += run; });
    }
    return r;
}

std::string solution_html(const Outcome* last)
{
    std::string html;
    if (!last) {
        paragraph(html, kNothingYet);
        return html;
    }
    const std::vector<std::string> messages = last->messages();
    if (!messages.empty()) {
        html += "<p>";
        for (std::size_t i = 0; i < messages.size(); ++i) {
            if (i)
                html += "<br>";
            html += escaped(messages[i]);
        }
        html += "</p>";
    }
    // A press refused at its checks has worked nothing out; one that stops
    // later (F2 < F1, a system that does not move) shows how far it got.
    const bool answered = last->wrote_anything();
    const Solution& s = last->solution;
    if (answered || !s.data.empty() || !s.remarks.empty()) {
        section(html, "Dados:", s.data);
        section(html, "Fórmulas:", s.formulas);
        section(html, "Substituição:", s.substitutions);
        if (!s.remarks.empty())
            html += "<p>" + lines(s.remarks) + "</p>";
    }
    if (last->fault) {
        std::string stop = "O cálculo parou com o erro \"";
        stop += fault_text(*last->fault);
        stop += "\".";
        paragraph(html, stop);
    }
    if (!answered)
        paragraph(html, kNoAnswer);
    else if (last->fault)
        paragraph(html, "As respostas seguintes não foram calculadas.");
    return html;
}

} // namespace tavek
