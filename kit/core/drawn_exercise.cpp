#include "kit/core/drawn_exercise.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <stdexcept>

#include "kit/core/classroom.h"
#include "kit/core/markup.h"
#include "kit/core/number.h"
#include "kit/core/run.h"
#include "kit/core/units.h"
#include "kit/core/worked_number.h"

namespace tavek {

namespace {

// FNV-1a: the exercise's name as a number, the same on every platform.
std::uint64_t hashed(std::string_view text)
{
    std::uint64_t h = 14695981039346656037ull;
    for (char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

// Decimals of the grid's step: 0.05 has two.
int decimalsOf(double step)
{
    int d = 0;
    double scaled = step;
    while (d < 6 && std::fabs(scaled - std::round(scaled)) > 1e-9) {
        scaled *= 10;
        ++d;
    }
    return d;
}

} // namespace

SeededRandom::SeededRandom(int code, std::string_view exercise, int version)
    : state_(hashed(exercise) ^ (static_cast<std::uint64_t>(code) << 20) ^ static_cast<std::uint64_t>(version))
{
}

// SplitMix64: every seed, however close to another, gives an unrelated sequence.
std::uint64_t SeededRandom::next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint32_t SeededRandom::below(std::uint32_t n)
{
    return static_cast<std::uint32_t>(((next() >> 32) * n) >> 32);
}

Drawn draw(SeededRandom& random, const Grid& grid)
{
    // Whole numbers of the step's last decimal, so that no value drifts off
    // the grid (0.1 + 3 × 0.05 is not 0.25 in binary).
    const int decimals = decimalsOf(grid.step);
    const double scale = std::pow(10.0, decimals);
    const long long min = std::llround(grid.min * scale);
    const long long step = std::llround(grid.step * scale);
    const long long count = (std::llround(grid.max * scale) - min) / step + 1;
    const long long units = min + static_cast<long long>(random.below(static_cast<std::uint32_t>(count))) * step;

    std::string point = write_number(static_cast<double>(units) / scale, 0, decimals);
    if (decimals > 0) {
        point.erase(point.find_last_not_of('0') + 1);
        if (point.back() == '.')
            point.pop_back();
    }
    std::string comma = point;
    if (const auto dot = comma.find('.'); dot != std::string::npos)
        comma[dot] = ',';
    return {read_number(point).value, comma};
}

namespace {

// Draws are retried until the set makes sense and the window answers it; a
// few hundred tries find one for every exercise in its ranges. Past the
// first tries a set may repeat an earlier version's.
constexpr int kTries = 400;
constexpr int kDistinctTries = 200;

// Whole digits an answer may have: the result labels and cells show six
// comfortably, the conversion cells (a year in seconds) nine.
constexpr int kAnswerDigits = 6;
constexpr int kConversionDigits = 9;
constexpr std::size_t kConversionItems = 3;

// The classroom's constants a statement gives, {$name}, each with its unit:
// the numbers the calculators use, written once in classroom.h.
struct Constant {
    std::string_view name;
    double value;
    const char* unit;
};
constexpr Constant kConstants[] = {
    {"g", classroom::g, "m/s²"},
    {"pi", classroom::pi, ""},
    {"rad45", classroom::fortyFiveRadians, "rad"},
    {"pull", classroom::pullDegrees, "°"},
    {"rad38", classroom::pullRadians, "rad"},
    {"ropeA", classroom::ropeADegrees, "°"},
    {"ropeB", classroom::ropeBDegrees, "°"},
    {"sinA", classroom::sinRopeA, ""},
    {"sinB", classroom::sinRopeB, ""},
    {"ropes", classroom::ropeFactor, ""},
    {"rim", classroom::basketHeight, "m"},
    {"basket", classroom::basketDistance, "m"},
    {"release", classroom::releasePercent, "%"},
    {"rise", classroom::rimRise, "m"},
    {"rise2g", classroom::twiceGRimRise, "m²/s²"},
    {"kmh", classroom::kmhPerMs, "km/h"},
    {"hp", classroom::horsepowerPerWatt, "hp"},
};

// A number of the program's (a factor, a constant) as paper prints it.
std::string printed(double x) { return paper_number(given_text(x)); }

std::string letter(std::size_t k) { return std::string(1, static_cast<char>('a' + k)) + ")"; }

std::vector<std::string> answers(const Outcome& outcome, const ExerciseRecord& exercise)
{
    std::vector<std::string> r;
    for (const Action& a : outcome.actions) {
        if (a.kind == Action::Kind::Append) {
            r.push_back(a.text);
        } else if (a.kind == Action::Kind::Write) {
            std::string caption;
            for (const Answer& answer : exercise.answers)
                if (a.target == answer.control && answer.caption)
                    caption = std::string(answer.caption) + " ";
            r.push_back(caption + a.text);
        }
    }
    return r;
}

constexpr const char* kNbsp = "\u00a0";

// Keeps "x_{0} = 12 m" and "9,8 m/s²" on one line: no break around an
// equals sign nor between a number and the word after it.
std::string unbroken(const std::string& text)
{
    std::string r;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, " = ") == 0) {
            r += kNbsp;
            r += "=";
            r += kNbsp;
            i += 2;
        } else if (text[i] == ' ' && i > 0 && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
                   i + 1 < text.size() && !std::isspace(static_cast<unsigned char>(text[i + 1]))) {
            r += kNbsp;
        } else {
            r += text[i];
        }
    }
    return r;
}

// "a, b e c"
std::string listed(const std::vector<std::string>& items)
{
    std::string r;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i)
            r += i + 1 == items.size() ? " e " : ", ";
        r += items[i];
    }
    return r;
}

// The statement's marks filled in: {name}, {#name} and {=name} from the
// data, {$name} from the classroom's constants.
std::string filled(const ExerciseRecord& exercise, const std::vector<DrawnDatum>& data)
{
    const std::string_view text = exercise.statement;
    std::string r;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t open = text.find('{', at);
        r += text.substr(at, open == std::string_view::npos ? open : open - at);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos)
            throw std::logic_error(std::string(exercise.id) + ": a statement's mark is not closed");
        std::string_view mark = text.substr(open + 1, close - open - 1);
        at = close + 1;
        const char kind = mark.empty() || std::isalpha(static_cast<unsigned char>(mark[0])) ? ' ' : mark[0];
        if (kind != ' ')
            mark.remove_prefix(1);
        if (kind == '$') {
            const auto c = std::find_if(std::begin(kConstants), std::end(kConstants),
                                        [&](const Constant& k) { return k.name == mark; });
            if (c == std::end(kConstants))
                throw std::logic_error(std::string(exercise.id) + ": no classroom constant " + std::string(mark));
            r += with_unit(printed(c->value), c->unit);
            continue;
        }
        const Given* g = exercise.given(mark);
        if (!g)
            throw std::logic_error(std::string(exercise.id) + ": a statement names no given " + std::string(mark));
        const DrawnDatum& d = data[static_cast<std::size_t>(g - exercise.givens.data())];
        if (kind == '#')
            r += d.value;
        else if (kind == '=')
            r += d.symbol + " = " + with_unit(d.value, d.unit);
        else if (kind == ' ')
            r += with_unit(d.value, d.unit);
        else
            throw std::logic_error(std::string(exercise.id) + ": an unknown statement mark " + std::string(mark));
    }
    return unbroken(r);
}

// "1 mi = 1609 m", "1 m = 1000 mm", "1 ton = 907,18474 kg (tonelada curta)"
std::string factorOf(const Unit& unit)
{
    const Unit& si = si_unit(unit.kind);
    std::string r = unit.op == Unit::Op::Multiply
                        ? "1 " + std::string(unit.name) + " = " + with_unit(printed(unit.factor), si.name)
                        : "1 " + std::string(si.name) + " = " + with_unit(printed(unit.factor), unit.name);
    if (unit.called)
        r += std::string(" (") + unit.called + ")";
    return r;
}

// The key's text of an answer: its number with its unit, or its sentence as
// the statement words it.
std::string keyText(const Quantity& q)
{
    const Answer& a = *q.answer;
    if (a.isSentence()) {
        const auto i = static_cast<std::size_t>(q.value);
        return i < a.stated.size() ? a.stated[i] : a.sentences.at(i);
    }
    return with_unit(paper_number(answer_number(q)), a.unit);
}

// What the sheet asks of an exercise that is not a conversion, lettered in
// its record's order, with the key's answers.
std::vector<DrawnQuestion> questions(const ExerciseRecord& exercise, const Outcome& outcome)
{
    std::vector<DrawnQuestion> r;
    for (const Answer& a : exercise.answers) {
        if (a.heading)
            continue;
        DrawnQuestion question{letter(r.size()), &a, {}, {}};
        for (const Quantity& q : outcome.answers) {
            if (q.answer != &a)
                continue;
            std::string line;
            for (const Quantity& h : outcome.answers)
                if (h.line == q.line && q.line > 0 && h.answer->heading)
                    line = std::string(h.answer->symbol) + " = " + keyText(h);
            question.key.push_back({line, keyText(q)});
        }
        r.push_back(std::move(question));
    }
    return r;
}

} // namespace

std::string with_unit(const std::string& value, const std::string& unit)
{
    if (unit.empty())
        return value;
    if (unit == "°")
        return value + unit;
    return value + " " + unit;
}

std::string conversion_statement(const ExerciseRecord& group, const std::vector<const DrawnPart*>& parts)
{
    std::string text = group.statement;
    std::vector<std::string> factors;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const std::string& label = parts[k]->label;
        text += (k ? "; " : " ") + (parts.size() > 1 ? label : label.substr(label.find(' ') + 1));
        factors.push_back(factorOf(*unit_named(parts[k]->press->converts)));
    }
    return unbroken(text + ". Considere " + listed(factors) + ".");
}

bool definite(const Outcome& outcome, int digits)
{
    if (!outcome.messages().empty() || outcome.fault || outcome.answers.empty())
        return false;
    const double limit = std::pow(10.0, digits);
    for (const Quantity& q : outcome.answers) {
        if (q.answer->isSentence())
            continue;
        // As the window writes it, in units of its last digit: a number a
        // textbook prints, not one of zeros only.
        const double scale = std::pow(10.0, q.answer->decimals);
        const double shown = std::round(q.value * scale);
        if (!(std::fabs(shown) < limit * scale) || shown == 0)
            return false;
    }
    return true;
}

DrawnExercise draw_exercise(const ExerciseRecord& exercise, SeededRandom& random, std::set<std::string>& used)
{
    for (int attempt = 0; attempt < kTries; ++attempt) {
        DrawnExercise it;
        it.exercise = &exercise;
        bool answered = true;
        if (exercise.working().converts) {
            // Three different units of the group, each with an amount of its own.
            std::vector<const Press*> units;
            for (const Press& p : exercise.presses)
                units.push_back(&p);
            for (std::size_t k = 0; k < kConversionItems && answered; ++k) {
                const auto pick = k + random.below(static_cast<std::uint32_t>(units.size() - k));
                std::swap(units[k], units[pick]);
                const Given& g = *exercise.given(units[k]->converts);
                const Drawn amount = draw(random, g.range);
                DrawnPart part;
                const char* unit = g.plural && amount.value >= 2 ? g.plural : g.unit;
                const std::string stated = with_unit(amount.text, unit);
                part.label = letter(k) + " " + stated;
                part.press = units[k];
                part.cells = {{g.cell, amount.text}};
                SetDraws none;
                part.outcome = run(exercise, *units[k], part.cells, none);
                part.answers = answers(part.outcome, exercise);
                answered = definite(part.outcome, kConversionDigits);
                if (answered)
                    it.questions.push_back(
                        {letter(k), &exercise.answers.front(), stated, {{"", keyText(part.outcome.answers.front())}}});
                it.parts.push_back(std::move(part));
            }
            std::vector<const DrawnPart*> parts;
            for (const DrawnPart& p : it.parts)
                parts.push_back(&p);
            it.statement = conversion_statement(exercise, parts);
        } else {
            std::map<std::string, double, std::less<>> values;
            DrawnPart part;
            part.press = &exercise.working();
            for (const Given& g : exercise.givens) {
                const Drawn d = draw(random, g.range);
                values.emplace(g.name, d.value);
                it.data.push_back({g.label, g.symbol, d.text, g.unit, g.cell == nullptr});
                if (g.cell)
                    part.cells.emplace(g.cell, d.text);
            }
            SetDraws drawn(std::move(values), true);
            part.outcome = run(exercise, exercise.working(), part.cells, drawn);
            answered = definite(part.outcome, kAnswerDigits);
            if (!answered || (exercise.sensible && !exercise.sensible(part.outcome)))
                continue;
            part.answers = answers(part.outcome, exercise);
            it.statement = filled(exercise, it.data);
            it.questions = questions(exercise, part.outcome);
            it.parts.push_back(std::move(part));
        }
        if (!answered || (attempt < kDistinctTries && used.contains(it.statement)))
            continue;
        used.insert(it.statement);
        return it;
    }
    // The ranges are chosen so that this never happens; the tests draw every
    // exercise for many codes and all sixty versions.
    throw std::logic_error(std::string("no definite set of numbers for ") + exercise.id);
}

namespace {

// A figure names a quantity as its exercise's calculator does ("v0", "F2");
// the statement and the key write the record's symbol (v₀, F₂), and so does
// the figure printed beside them.
void useStatementSymbols(Figure& figure, const ExerciseRecord& exercise)
{
    std::map<std::string, std::string, std::less<>> symbols;
    for (const Given& g : exercise.givens)
        if (g.symbol && std::string_view(g.symbol) != g.name)
            symbols.emplace(g.name, plain_symbol(g.symbol));
    for (const Answer& a : exercise.answers)
        if (a.symbol && std::string_view(a.symbol) != a.quantity)
            symbols.emplace(a.quantity, plain_symbol(a.symbol));
    // A word is a run of letters and digits; bytes of UTF-8 letters belong
    // to it, so "até" is never read as the name "at".
    const auto inWord = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || (c & 0x80); };
    edit_texts(figure, [&](std::string& text) {
        std::string r;
        for (std::size_t i = 0; i < text.size();) {
            if (!inWord(text[i])) {
                r += text[i++];
                continue;
            }
            std::size_t end = i;
            while (end < text.size() && inWord(text[end]))
                ++end;
            const std::string_view word = std::string_view(text).substr(i, end - i);
            const auto symbol = symbols.find(word);
            r += symbol == symbols.end() ? word : std::string_view(symbol->second);
            i = end;
        }
        text = std::move(r);
    });
}

} // namespace

Figure statement_figure(const DrawnExercise& drawn)
{
    if (!drawn.exercise || !drawn.exercise->statementFigure || drawn.parts.empty())
        return {};
    Figure figure = drawn.exercise->statementFigure(drawn.parts.front().outcome);
    useStatementSymbols(figure, *drawn.exercise);
    use_decimal_comma(figure); // as the statement writes its numbers
    return figure;
}

} // namespace tavek
