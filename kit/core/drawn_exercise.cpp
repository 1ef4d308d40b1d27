#include "kit/core/drawn_exercise.h"

#include <cctype>
#include <cmath>
#include <stdexcept>

#include "kit/core/number.h"
#include "kit/core/run.h"

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
constexpr const char* kItemLetters[] = {"a)", "b)", "c)"};

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

// Keeps "Xo = 12 m" and "9,8 m/s²" on one line: no break around an equals
// sign nor between a number and the word after it.
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
                   i + 1 < text.size() && std::isalpha(static_cast<unsigned char>(text[i + 1]))) {
            r += kNbsp;
        } else {
            r += text[i];
        }
    }
    return r;
}

std::string filled(const ExerciseRecord& exercise, const std::vector<DrawnDatum>& data)
{
    std::string text = exercise.statement;
    for (std::size_t i = 0; i < exercise.givens.size(); ++i) {
        const std::string name = exercise.givens[i].name;
        for (const auto& [mark, value] : {std::pair{"{" + name + "}", with_unit(data[i].value, data[i].unit)},
                                          std::pair{"{#" + name + "}", data[i].value}}) {
            for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
                text.replace(at, mark.size(), value);
        }
    }
    return unbroken(text);
}

} // namespace

std::string with_unit(const std::string& value, const std::string& unit)
{
    if (unit.empty())
        return value;
    if (unit == "°" || unit == "%")
        return value + unit;
    return value + " " + unit;
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
            std::string list;
            for (std::size_t k = 0; k < kConversionItems && answered; ++k) {
                const auto pick = k + random.below(static_cast<std::uint32_t>(units.size() - k));
                std::swap(units[k], units[pick]);
                const Given& g = *exercise.given(units[k]->converts);
                const Drawn amount = draw(random, g.range);
                DrawnPart part;
                const char* unit = g.plural && amount.value >= 2 ? g.plural : g.unit;
                part.label = std::string(kItemLetters[k]) + " " + with_unit(amount.text, unit);
                part.cells = {{g.cell, amount.text}};
                SetDraws none;
                part.outcome = run(exercise, *units[k], part.cells, none);
                part.answers = answers(part.outcome, exercise);
                answered = definite(part.outcome, kConversionDigits);
                list += (k ? "; " : " ") + part.label;
                it.parts.push_back(std::move(part));
            }
            it.statement = unbroken(std::string(exercise.statement) + list + ".");
        } else {
            std::map<std::string, double, std::less<>> values;
            DrawnPart part;
            for (const Given& g : exercise.givens) {
                const Drawn d = draw(random, g.range);
                values.emplace(g.name, d.value);
                it.data.push_back({g.label, d.text, g.unit, g.cell == nullptr});
                if (g.cell)
                    part.cells.emplace(g.cell, d.text);
            }
            SetDraws drawn(std::move(values));
            part.outcome = run(exercise, exercise.working(), part.cells, drawn);
            answered = definite(part.outcome, kAnswerDigits);
            if (answered && exercise.sensible && !exercise.sensible(part.outcome))
                continue;
            part.answers = answers(part.outcome, exercise);
            it.statement = filled(exercise, it.data);
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

Figure statement_figure(const DrawnExercise& drawn)
{
    if (!drawn.exercise || !drawn.exercise->statementFigure || drawn.parts.empty())
        return {};
    Figure figure = drawn.exercise->statementFigure(drawn.parts.front().outcome);
    use_decimal_comma(figure); // as the statement writes its numbers
    return figure;
}

} // namespace tavek
