#include "kit/core/units.h"

#include <array>
#include <string>

#include "kit/core/classroom.h"

namespace tavek {

namespace {

using Op = Unit::Op;

// The SI unit of each kind comes first among its kind. Millimetres and
// centimetres divide by an exact 1000 or 100 rather than multiplying by 0.001
// or 0.01, so that 1500 mm gives exactly 1.5 m.
constexpr std::array kUnits{
    Unit{"m", Kind::Length, Op::Multiply, 1.0},
    Unit{"mm", Kind::Length, Op::Divide, 1000.0},
    Unit{"cm", Kind::Length, Op::Divide, 100.0},
    Unit{"yd", Kind::Length, Op::Multiply, 0.9144},
    Unit{"ft", Kind::Length, Op::Multiply, 0.3048},
    Unit{"km", Kind::Length, Op::Multiply, 1000.0},
    Unit{"in", Kind::Length, Op::Multiply, 0.0254},
    Unit{"mi", Kind::Length, Op::Multiply, 1609.0,
         "A milha é tomada como 1609 m; a milha internacional mede 1609.344 m."},
    Unit{"s", Kind::Time, Op::Multiply, 1.0},
    Unit{"h", Kind::Time, Op::Multiply, 3600.0},
    Unit{"min", Kind::Time, Op::Multiply, 60.0},
    Unit{"dia", Kind::Time, Op::Multiply, 86400.0},
    Unit{"ano", Kind::Time, Op::Multiply, 31560000.0},
    Unit{"kg", Kind::Mass, Op::Multiply, 1.0},
    Unit{"g", Kind::Mass, Op::Multiply, 0.001},
    Unit{"oz", Kind::Mass, Op::Multiply, 0.02835},
    Unit{"slug", Kind::Mass, Op::Multiply, 14.5939},
    Unit{"ton", Kind::Mass, Op::Multiply, 907.18474,
         "A tonelada daqui é a tonelada curta americana, 907.18474 kg; a tonelada métrica tem 1000 kg.",
         "tonelada curta"},
    Unit{"lb", Kind::Mass, Op::Multiply, 0.45359237},
    Unit{"m/s", Kind::Speed, Op::Multiply, 1.0},
    Unit{"km/h", Kind::Speed, Op::Multiply, classroom::kmhToMs},
    Unit{"mi/h", Kind::Speed, Op::Multiply, classroom::mihToMs},
    Unit{"cm/s", Kind::Speed, Op::Multiply, classroom::cmsToMs},
    Unit{"m/s²", Kind::Acceleration, Op::Multiply, 1.0},
    Unit{"N", Kind::Force, Op::Multiply, 1.0},
    Unit{"kN", Kind::Force, Op::Multiply, 1000.0},
    Unit{"mN", Kind::Force, Op::Divide, 1000.0},
    Unit{"J", Kind::Energy, Op::Multiply, 1.0},
    Unit{"kJ", Kind::Energy, Op::Multiply, 1000.0},
    Unit{"mJ", Kind::Energy, Op::Divide, 1000.0},
    Unit{"W", Kind::Power, Op::Multiply, 1.0},
    Unit{"kW", Kind::Power, Op::Multiply, 1000.0},
    Unit{"mW", Kind::Power, Op::Divide, 1000.0},
    Unit{"hp", Kind::Power, Op::Divide, classroom::horsepowerPerWatt},
    Unit{"°", Kind::Angle, Op::Multiply, 1.0},
};

} // namespace

std::span<const Unit> units() { return kUnits; }

const Unit* unit_named(std::string_view name)
{
    for (const Unit& u : kUnits)
        if (name == u.name)
            return &u;
    // "3 dias", "2 anos": the plural the statements write.
    if (name.size() > 1 && name.back() == 's')
        for (const Unit& u : kUnits)
            if (name.substr(0, name.size() - 1) == u.name && (u.kind == Kind::Time))
                return &u;
    // m/s2 for m/s², typed without the superscript.
    if (name == "m/s2")
        return unit_named("m/s²");
    return nullptr;
}

const Unit& si_unit(Kind kind)
{
    for (const Unit& u : kUnits)
        if (u.kind == kind)
            return u;
    return kUnits.front();
}

const Unit* si_unit_of(std::string_view name)
{
    const Unit* u = unit_named(name);
    return u ? &si_unit(u->kind) : nullptr;
}

double to_si(const Unit& unit, double value)
{
    return unit.op == Op::Divide ? value / unit.factor : value * unit.factor;
}

double from_si(const Unit& unit, double si) { return unit.op == Op::Divide ? si * unit.factor : si / unit.factor; }

const char* kind_name(Kind kind)
{
    switch (kind) {
    case Kind::Length: return "um comprimento";
    case Kind::Time: return "um tempo";
    case Kind::Mass: return "uma massa";
    case Kind::Speed: return "uma velocidade";
    case Kind::Acceleration: return "uma aceleração";
    case Kind::Force: return "uma força";
    case Kind::Energy: return "um trabalho";
    case Kind::Power: return "uma potência";
    case Kind::Angle: return "um ângulo";
    }
    return "";
}

} // namespace tavek
