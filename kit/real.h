#pragma once
// Double arithmetic that stops at the operation that goes wrong. A division by
// zero, an invalid operation or an overflow throws ArithmeticFault right where
// it happens, so a calculator never writes an answer computed from inf or NaN.
// Detection is explicit at each operation: no floating-point traps, no fenv.
#include <cmath>
#include <compare>
#include <exception>

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

class Real {
public:
    constexpr Real(double v = 0.0) : v_(v) {} // NOLINT: numbers mix freely with literals
    constexpr double value() const { return v_; }

    friend Real operator+(Real a, Real b) { return checked(a.v_ + b.v_); }
    friend Real operator-(Real a, Real b) { return checked(a.v_ - b.v_); }
    friend Real operator*(Real a, Real b) { return checked(a.v_ * b.v_); }
    friend Real operator/(Real a, Real b)
    {
        if (b.v_ == 0.0)
            throw ArithmeticFault(a.v_ == 0.0 ? Fault::InvalidOperation : Fault::DivisionByZero);
        return checked(a.v_ / b.v_);
    }
    friend Real operator-(Real a) { return Real(-a.v_); }
    Real& operator+=(Real b) { return *this = *this + b; }
    Real& operator-=(Real b) { return *this = *this - b; }
    Real& operator*=(Real b) { return *this = *this * b; }
    Real& operator/=(Real b) { return *this = *this / b; }

    friend auto operator<=>(Real a, Real b) { return a.v_ <=> b.v_; }
    friend bool operator==(Real a, Real b) { return a.v_ == b.v_; }

    // Operands are always finite (every operation is checked), so a result
    // that is not finite can only be an overflow.
    static Real checked(double r)
    {
        if (!std::isfinite(r))
            throw ArithmeticFault(std::isnan(r) ? Fault::InvalidOperation : Fault::Overflow);
        return Real(r);
    }

private:
    double v_;
};

inline Real sqrt(Real x)
{
    if (x.value() < 0.0)
        throw ArithmeticFault(Fault::InvalidOperation);
    return Real(std::sqrt(x.value()));
}
inline Real abs(Real x) { return Real(std::fabs(x.value())); }
inline Real sin(Real x) { return Real(std::sin(x.value())); }
inline Real cos(Real x) { return Real(std::cos(x.value())); }
inline Real atan(Real x) { return Real(std::atan(x.value())); }

} // namespace tavek
