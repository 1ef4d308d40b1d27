#include "kit/core/formula.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "kit/core/number.h"

namespace tavek {

namespace {

// Reads a formula by recursive descent, worked out in long double as it goes.
class FormulaValue {
public:
    FormulaValue(std::string_view formula, std::function<long double()> operand)
        : f_(formula), operand_(std::move(operand))
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
            while (at_ < f_.size() && is_name_char(f_[at_]))
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

} // namespace

bool is_name_char(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool is_alias(std::string_view formula)
{
    return formula.size() > 1 && formula[0] == '@' && std::all_of(formula.begin() + 1, formula.end(), is_name_char);
}

std::optional<long double> formula_value(std::string_view formula, std::function<long double()> operand)
{
    return FormulaValue(formula, std::move(operand)).value();
}

} // namespace tavek
