#include "kit/core/solution.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <stdexcept>

#include "kit/core/classroom.h"
#include "kit/core/exercise_record.h"
#include "kit/core/formula.h"
#include "kit/core/markup.h"
#include "kit/core/number.h"
#include "kit/core/worked_number.h"

namespace tavek {

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
    add_markup(line, symbol);
    add_markup(line, " = ");
    add_number(line, q.text);
    add_unit(line, unit);
    if (!note.empty()) {
        add_markup(line, " (");
        add_markup(line, note);
        add_markup(line, ")");
    }
    s_.data.push_back(std::move(line));
    s_.values.emplace_back(q.name, q.value);
    quantities_.push_back(std::move(q));
    return value;
}

Real Working::given(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
                    std::string_view note)
{
    return fact(name, symbol, value, unit, note);
}

Real Working::knownPi()
{
    const Real pi = known("pi", "π", classroom::pi, "");
    remark(classroom::piSentence);
    return pi;
}

Real Working::known(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
                    std::string_view note)
{
    s_.known.emplace_back(name, value.value());
    return fact(name, symbol, value, unit, note);
}

void Working::write(Quantity& q, int d)
{
    q.d = d;
    Written w = written_at(q.value, d, std::min(d, q.decimals));
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
    const auto v = formula_value(q.formula, [&] { return quantities_[q.operands[next++]].textValue; });
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
            add_markup(line, f.substr(i, at - i));
            i = at;
            continue;
        }
        ++i;
        while (i < f.size() && is_name_char(f[i]))
            ++i;
        const Quantity& p = quantities_[q.operands[next++]];
        if (!numbers) {
            add_markup(line, p.symbol);
            continue;
        }
        if (p.bracket)
            add_markup(line, "(");
        add_number(line, p.text);
        if (p.bracket)
            add_markup(line, ")");
    }
}

void Working::render(const Quantity& q)
{
    Line line;
    add_markup(line, q.symbol);
    add_markup(line, " = ");
    if (!q.formula.empty()) {
        expand(line, q, false);
        add_markup(line, " = ");
        if (!q.alias && !q.unchecked) {
            expand(line, q, true);
            add_markup(line, " = ");
        }
    }
    add_number(line, q.text);
    add_unit(line, q.unit);
    if (q.shown) {
        // An answer whose working needed more digits than the window shows.
        const std::string shown = unpadded(q.value, q.width, q.decimals);
        if (shown != q.text) {
            add_markup(line, " ≈ ");
            add_number(line, shown);
            add_unit(line, q.unit);
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
    q.alias = is_alias(formula);
    for (std::size_t i = 0; (i = formula.find('@', i)) != std::string_view::npos;) {
        std::size_t end = ++i;
        while (end < formula.size() && is_name_char(formula[end]))
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
        const int e = exponent_of(q.value);
        q.lo = -e;
        q.hi = 16 - e;
        // An answer its own decimals write exactly needs no more than them.
        if (read_number(unpadded(q.value, 0, q.decimals)).value == q.value)
            q.hi = std::max(q.hi, q.decimals);
    }
    int d = q.decimals;
    // A quantity the format would write as nothing but zeros gets three
    // significant digits.
    if (q.value != 0 && std::fabs(q.value) < 0.5 * std::pow(10.0, -d))
        d = std::max(d, 2 - exponent_of(q.value));
    write(q, std::clamp(d, q.lo, q.hi));
    q.line = s_.substitutions.size();
    s_.substitutions.emplace_back();
    if (!q.formula.empty()) {
        Line symbols;
        add_markup(symbols, symbol);
        add_markup(symbols, " = ");
        expand(symbols, q, false);
        s_.formulas.push_back(std::move(symbols));
    }
    s_.values.emplace_back(q.name, q.value);
    quantities_.push_back(std::move(q));
    settle(index);
    return value;
}

Real Working::given(std::string_view name, Real value)
{
    const Given* g = record_ ? record_->given(name) : nullptr;
    if (!g)
        throw std::logic_error("a given the exercise's record does not have: " + std::string(name));
    return fact(name, g->symbol, value, g->unit, g->cell || drawsStated_ ? "" : "sorteado pelo programa");
}

Real Working::step(std::string_view name, std::string_view formula, Real value)
{
    const Answer* a = record_ ? record_->answer(name) : nullptr;
    if (!a || !a->symbol)
        throw std::logic_error("an answer the exercise's record does not have: " + std::string(name));
    const int width = width_;
    width_ = a->width;
    const Real r = step(name, a->symbol, formula, value, a->unit, a->decimals);
    width_ = width;
    return r;
}

double Working::value(std::string_view name) const
{
    const std::size_t i = find(name);
    if (i == quantities_.size())
        throw std::logic_error("a quantity neither given nor worked out: " + std::string(name));
    return quantities_[i].value;
}

void Working::shows(std::string_view name, std::string target)
{
    const std::size_t i = find(name);
    if (i == quantities_.size())
        return;
    Quantity& q = quantities_[i];
    s_.shown.emplace_back(std::move(target), unpadded(q.value, q.width, q.decimals));
    if (!q.fixed && !q.shown) {
        q.shown = true;
        render(q);
    }
}

void Working::remark(std::string_view text)
{
    Line line;
    add_markup(line, text);
    s_.remarks.push_back(std::move(line));
}

} // namespace tavek
