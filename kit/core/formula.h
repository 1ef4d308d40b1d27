#pragma once
// A formula of a worked solution as its text: the program's markup with
// `@name` standing for a quantity given or worked out before, + − × / ÷,
// brackets, |…|, √(…), ², ³ and sen, cos, tg, arctg of radians.
#include <functional>
#include <optional>
#include <string_view>

namespace tavek {

// A letter or a digit: what a quantity's @name is made of.
bool is_name_char(char c);

// A formula that is one other quantity: T_{C} = P.
bool is_alias(std::string_view formula);

// The value of a formula, its @names read in order from `operand`. Empty for
// a formula it cannot read, a division by zero or the root of a negative
// number.
std::optional<long double> formula_value(std::string_view formula, std::function<long double()> operand);

} // namespace tavek
