#pragma once
// Double arithmetic that stops at the operation that goes wrong. A division by
// zero, an invalid operation or an overflow throws ArithmeticFault, so a
// calculator never writes an answer computed from inf or NaN. Detection is
// explicit at each operation: no floating-point traps, no fenv.
//
// A quantity a calculator keeps is a Real, a double. The steps of one formula
// are carried in extended precision (Extended, a long double with a 64-bit
// mantissa and a far wider exponent) and rounded to a double when the result
// is kept. So a square or a product on the way to a smaller answer never
// overflows: a fault comes only from a kept value that a double cannot hold,
// or from a division by zero or an invalid operation at the step itself.
//
// That needs a long double wider than a double: the x87 format of g++ on
// x86-64, Linux and mingw-w64 alike (whose start-up code sets the x87 to its
// full 64-bit mantissa). MSVC's long double is a plain 64-bit double, with
// which a step would overflow where the kept value does not; the assertion
// below refuses such a compiler rather than give it wrong faults.
#include <cmath>
#include <compare>
#include <exception>
#include <limits>

namespace tavek {

enum class Fault { DivisionByZero, InvalidOperation, Overflow };

class ArithmeticFault : public std::exception {
public:
    explicit ArithmeticFault(Fault kind) : kind_(kind) {}
    Fault kind() const { return kind_; }
    const char* what() const noexcept override { return "arithmetic fault"; }

private:
    Fault kind_;
};

static_assert(std::numeric_limits<long double>::max_exponent > std::numeric_limits<double>::max_exponent,
              "Extended needs a long double with a wider exponent than a double");

class Extended;

class Real {
public:
    constexpr Real(double v = 0.0) : v_(v) {} // NOLINT: numbers mix freely with literals
    // Keeps the result of a formula: rounds it to a double, an overflow when
    // it is beyond the double range.
    Real(Extended x); // NOLINT: a formula's result is kept by assignment
    constexpr double value() const { return v_; }

    Real& operator+=(Extended b);
    Real& operator-=(Extended b);
    Real& operator*=(Extended b);
    Real& operator/=(Extended b);

    static Real checked(double r)
    {
        if (!std::isfinite(r))
            throw ArithmeticFault(std::isnan(r) ? Fault::InvalidOperation : Fault::Overflow);
        return Real(r);
    }

private:
    double v_;
};

class Extended {
public:
    constexpr Extended(long double v = 0.0L) : v_(v) {} // NOLINT: literals join formulas
    constexpr Extended(Real r) : v_(r.value()) {}         // NOLINT: kept values join formulas
    constexpr long double wide() const { return v_; }
    // The value as it would be kept (an overflow beyond the double range).
    double value() const { return Real(*this).value(); }

    // Operands are always finite (every step is checked), so a result that is
    // not finite can only be an overflow of the extended range itself.
    static Extended checked(long double r)
    {
        if (!std::isfinite(r))
            throw ArithmeticFault(std::isnan(r) ? Fault::InvalidOperation : Fault::Overflow);
        return Extended(r);
    }

private:
    long double v_;
};

inline Real::Real(Extended x) : v_(checked(static_cast<double>(x.wide())).value()) {}

// Every operator takes Extended, so Real and literal operands alike are widened.
inline Extended operator+(Extended a, Extended b) { return Extended::checked(a.wide() + b.wide()); }
inline Extended operator-(Extended a, Extended b) { return Extended::checked(a.wide() - b.wide()); }
inline Extended operator*(Extended a, Extended b) { return Extended::checked(a.wide() * b.wide()); }
inline Extended operator/(Extended a, Extended b)
{
    if (b.wide() == 0.0L)
        throw ArithmeticFault(a.wide() == 0.0L ? Fault::InvalidOperation : Fault::DivisionByZero);
    return Extended::checked(a.wide() / b.wide());
}
inline Extended operator-(Extended a) { return Extended(-a.wide()); }
inline auto operator<=>(Extended a, Extended b) { return a.wide() <=> b.wide(); }
inline bool operator==(Extended a, Extended b) { return a.wide() == b.wide(); }

inline Real& Real::operator+=(Extended b) { return *this = Extended(*this) + b; }
inline Real& Real::operator-=(Extended b) { return *this = Extended(*this) - b; }
inline Real& Real::operator*=(Extended b) { return *this = Extended(*this) * b; }
inline Real& Real::operator/=(Extended b) { return *this = Extended(*this) / b; }

inline Extended sqrt(Extended x)
{
    if (x.wide() < 0.0L)
        throw ArithmeticFault(Fault::InvalidOperation);
    return Extended(std::sqrt(x.wide()));
}
inline Extended abs(Extended x) { return Extended(std::fabs(x.wide())); }
inline Extended sin(Extended x) { return Extended(std::sin(x.wide())); }
inline Extended cos(Extended x) { return Extended(std::cos(x.wide())); }
inline Extended atan(Extended x) { return Extended(std::atan(x.wide())); }

} // namespace tavek
