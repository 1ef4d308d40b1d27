#pragma once
// The units the program knows, each with the kind of quantity it measures
// and the classroom's factor to that kind's SI unit: the conversion window's
// sixteen, the quick SI conversion's speeds, and newtons, joules and watts
// with their k and m prefixes. The mile is 1609 m, the year 31 560 000 s and
// the ton the short ton on purpose: these are the figures the class uses.
#include <span>
#include <string_view>

namespace tavek {

enum class Kind { Length, Time, Mass, Speed, Acceleration, Force, Energy, Power, Angle };

struct Unit {
    enum class Op { Multiply, Divide };
    const char* name; // as the windows write it: "km/h", "dia"
    Kind kind;
    Op op;           // into SI
    double factor;
    const char* remark = nullptr; // what a worked solution says of a classroom factor
    const char* called = nullptr; // what a statement calls it where its symbol alone misleads
};

std::span<const Unit> units();
// The unit of that name (as written, or its plural "dias", "anos"), or nullptr.
const Unit* unit_named(std::string_view name);
// The SI unit of a kind ("m/s"), and the kind that a unit text measures.
const Unit& si_unit(Kind kind);
const Unit* si_unit_of(std::string_view name);

// A value in the unit, in SI, and back.
double to_si(const Unit& unit, double value);
double from_si(const Unit& unit, double si);

// "um comprimento", "uma velocidade": the kind in a sentence.
const char* kind_name(Kind kind);

} // namespace tavek
