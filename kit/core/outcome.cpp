#include "kit/core/outcome.h"

#include <stdexcept>

#include "kit/core/number.h"

namespace tavek {

std::string_view fault_text(Fault fault)
{
    switch (fault) {
    case Fault::DivisionByZero: return "Floating point division by zero.";
    case Fault::InvalidOperation: return "Invalid floating point operation.";
    case Fault::Overflow: return "Floating point overflow.";
    }
    return "Invalid floating point operation.";
}

void Outcome::message(std::string text, std::string focus)
{
    actions.push_back({Action::Kind::Message, std::move(focus), std::move(text)});
}
void Outcome::write(std::string target, std::string text)
{
    actions.push_back({Action::Kind::Write, std::move(target), std::move(text)});
}
void Outcome::show(std::string target) { actions.push_back({Action::Kind::Show, std::move(target), {}}); }
void Outcome::hide(std::string target) { actions.push_back({Action::Kind::Hide, std::move(target), {}}); }
void Outcome::append(std::string list, std::string line)
{
    actions.push_back({Action::Kind::Append, std::move(list), std::move(line)});
}
void Outcome::clear(std::string list) { actions.push_back({Action::Kind::Clear, std::move(list), {}}); }

std::vector<std::string> Outcome::messages() const
{
    std::vector<std::string> r;
    for (const auto& a : actions)
        if (a.kind == Action::Kind::Message)
            r.push_back(a.text);
    return r;
}

std::optional<std::string> Outcome::last_focus() const
{
    std::optional<std::string> r;
    for (const auto& a : actions)
        if (a.kind == Action::Kind::Message)
            r = a.target;
    return r;
}

std::optional<std::string> Outcome::written(std::string_view target) const
{
    std::optional<std::string> r;
    for (const auto& a : actions)
        if (a.kind == Action::Kind::Write && a.target == target)
            r = a.text;
    return r;
}

std::vector<std::string> Outcome::lines(std::string_view list) const
{
    std::vector<std::string> r;
    for (const auto& a : actions) {
        if (a.target != list)
            continue;
        if (a.kind == Action::Kind::Clear)
            r.clear();
        else if (a.kind == Action::Kind::Append)
            r.push_back(a.text);
    }
    return r;
}

bool Outcome::wrote_anything() const
{
    for (const auto& a : actions)
        if (a.kind == Action::Kind::Write || a.kind == Action::Kind::Append)
            return true;
    return false;
}

const Quantity* Outcome::answered(std::string_view quantity, long line) const
{
    for (const Quantity& q : answers)
        if (q.line == line && quantity == q.answer->quantity)
            return &q;
    return nullptr;
}

double Outcome::value(std::string_view name) const
{
    for (auto it = solution.values.rbegin(); it != solution.values.rend(); ++it)
        if (it->first == name)
            return it->second;
    throw std::out_of_range("no value named " + std::string(name));
}

bool Outcome::has(std::string_view name) const
{
    for (const auto& [n, v] : solution.values)
        if (n == name)
            return true;
    return false;
}

std::string answer_number(const Quantity& q)
{
    const Answer& a = *q.answer;
    if (a.isSentence())
        return a.sentences.at(static_cast<std::size_t>(q.value));
    std::string s = write_number(q.value, a.width, a.decimals);
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

Real CellReader::operator()(std::string_view cell)
{
    const auto it = cells_.find(cell);
    const Reading r = read_number(it == cells_.end() ? std::string_view{} : std::string_view{it->second});
    if (r.malformed) {
        out_.message(std::string(kInvalidValue), std::string(cell));
        ok_ = false;
        return Real(r.value);
    }
    if (r.overflow)
        throw ArithmeticFault(Fault::Overflow);
    return Real(r.value);
}

std::string answer_text(std::string_view prefix, Real x, int width, int decimals, std::string_view suffix)
{
    std::string s(prefix);
    s += write_number(x.value(), width, decimals);
    s += suffix;
    return s;
}

} // namespace tavek
