#include "kit/core/practice.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "kit/core/number.h"

namespace tavek {

namespace {

// Within 5 % the student has worked it out and slipped in the rounding.
constexpr double kAlmost = 0.05;
// The list of Form11 is asked for the power of this many of its seconds.
constexpr std::size_t kListAsked = 3;

// Inclusive, and blind to the binary representation of decimals: 0.51 is
// one hundredth from 0.5, though the doubles differ by a hair more.
bool within(double x, double expected, double tol) { return std::fabs(x - expected) <= tol * (1 + 1e-9); }

// The unit a student most often writes the answer in by mistake, where the
// answer is in the SI unit of its kind.
const Unit* commonMistake(const Unit& answer)
{
    if (&answer != &si_unit(answer.kind))
        return nullptr;
    switch (answer.kind) {
    case Kind::Speed: return unit_named("km/h");
    case Kind::Mass: return unit_named("g");
    case Kind::Length: return unit_named("cm");
    case Kind::Time: return unit_named("min");
    default: return nullptr;
    }
}

std::string capitalized(std::string s)
{
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
        s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

bool isNumberChar(char c) { return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '+' || c == '-'; }

} // namespace

double tolerance(const Quantity& answer)
{
    return std::max(0.01 * std::fabs(answer.value), std::pow(10.0, -answer.answer->decimals));
}

TypedAnswer read_answer(std::string_view text)
{
    TypedAnswer t;
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        t.malformed = true; // nothing answered
        return t;
    }
    text.remove_prefix(first);
    // The number runs while its characters do; an E belongs to it when an
    // exponent follows.
    std::size_t end = 0;
    while (end < text.size()) {
        const char c = text[end];
        const bool exponent = (c == 'e' || c == 'E') && end > 0 && end + 1 < text.size() &&
                              (isNumberChar(text[end + 1]) && text[end + 1] != '.' && text[end + 1] != ',');
        if (!isNumberChar(c) && !exponent)
            break;
        ++end;
    }
    const Reading r = read_number(text.substr(0, end));
    std::string_view unit = text.substr(end);
    while (!unit.empty() && unit.front() == ' ')
        unit.remove_prefix(1);
    while (!unit.empty() && unit.back() == ' ')
        unit.remove_suffix(1);
    // "1 000": digits after a blank are not a unit.
    const bool digitsAfter = !unit.empty() && (isNumberChar(unit.front()) && unit.front() != '-');
    t.malformed = end == 0 || r.malformed || r.overflow || digitsAfter;
    t.value = r.value;
    t.unit = unit;
    return t;
}

std::string verdict_text(const Verdict& v) { return (v.right() ? "✓ " : "✗ ") + v.text; }

bool Checked::allRight() const
{
    return !refused && !verdicts.empty() &&
           std::all_of(verdicts.begin(), verdicts.end(), [](const Verdict& v) { return v.right(); });
}

Verdict judge(const Asked& asked, double x, bool locked)
{
    const double e = asked.expected.value;
    const double tol = tolerance(asked.expected);
    if (within(x, e, tol))
        return {Verdict::Kind::Right, "Correto"};
    if (locked)
        return {Verdict::Kind::Wrong, "Incorreto"};
    if (e != 0 && within(-x, e, tol))
        return {Verdict::Kind::Sign, "Confira o sinal"};
    if (const Unit* shown = unit_named(asked.unit)) {
        if (const Unit* other = commonMistake(*shown)) {
            const double inOther = from_si(*other, e);
            if (within(x, inOther, std::max(0.01 * std::fabs(inOther), tol)))
                return {Verdict::Kind::Unit, std::string("Confira a unidade: parece estar em ") + other->name};
        }
    }
    if (within(x, e, std::max(kAlmost * std::fabs(e), tol)))
        return {Verdict::Kind::Almost, "Quase: confira os arredondamentos"};
    return {Verdict::Kind::Wrong, "Incorreto"};
}

Practice::Practice(const ExerciseRecord& exercise, std::uint64_t seed) : exercise_(exercise), seed_(seed) { draw(); }

const Outcome& Practice::worked() const { return drawn_.parts.front().outcome; }

std::vector<Asked> asked_answers(const DrawnPart& part, SeededRandom& random, bool wholeLines)
{
    const Outcome& out = part.outcome;
    std::vector<const Quantity*> answers;
    long lines = 0;
    for (const Quantity& q : out.answers)
        lines = std::max(lines, q.line);
    if (lines > 0) {
        // A list: the power of a few of its seconds, drawn too.
        std::vector<long> seconds;
        for (long s = 1; s <= lines; ++s)
            seconds.push_back(s);
        for (std::size_t k = 0; k < std::min(kListAsked, seconds.size()); ++k)
            std::swap(seconds[k], seconds[k + random.below(static_cast<std::uint32_t>(seconds.size() - k))]);
        seconds.resize(std::min(kListAsked, seconds.size()));
        std::sort(seconds.begin(), seconds.end());
        for (long s : seconds)
            for (const Quantity& q : out.answers)
                if (q.line == s && (wholeLines ? q.answer->quantity != std::string_view("t")
                                               : q.answer->quantity == std::string_view("Pot")))
                    answers.push_back(&q);
    } else {
        for (const Quantity& q : out.answers)
            answers.push_back(&q);
    }
    // In the order the sheet letters them, its record's, whatever order the
    // calculator worked them out in: the key, the sheet and the bank agree.
    std::stable_sort(answers.begin(), answers.end(), [](const Quantity* x, const Quantity* y) {
        return x->line != y->line ? x->line < y->line : std::less<const Answer*>()(x->answer, y->answer);
    });
    std::vector<Asked> asked;
    for (const Quantity* q : answers) {
        Asked a{*q, capitalized(q->answer->name), q->answer->unit, {}};
        if (q->line > 0 && !wholeLines)
            a.label += " em t = " + std::to_string(q->line) + " s";
        for (const char* s : q->answer->sentences)
            a.choices.emplace_back(s);
        asked.push_back(std::move(a));
    }
    return asked;
}

void Practice::draw()
{
    SeededRandom random(static_cast<int>(seed_ % 1000000007u), exercise_.id, ++drawnCount_);
    drawn_ = draw_exercise(exercise_, random, used_);
    if (exercise_.working().converts) {
        // One conversion of the group: its amount after the group's statement.
        statement_ = conversion_statement(exercise_, {&drawn_.parts.front()});
    } else {
        statement_ = drawn_.statement;
    }
    asked_ = asked_answers(drawn_.parts.front(), random);
}

Checked Practice::check(const std::vector<std::string>& typed, bool locked)
{
    Checked c;
    std::vector<double> values(asked_.size());
    for (std::size_t i = 0; i < asked_.size(); ++i) {
        const Asked& a = asked_[i];
        const std::string& text = i < typed.size() ? typed[i] : std::string();
        const auto refuse = [&](std::string message) {
            c.refused = i;
            c.message = std::move(message);
        };
        if (!a.choices.empty()) {
            const auto it = std::find(a.choices.begin(), a.choices.end(), text);
            if (it == a.choices.end()) {
                refuse("Escolha uma das frases para: " + a.label + ".");
                return c;
            }
            values[i] = static_cast<double>(it - a.choices.begin());
            continue;
        }
        const TypedAnswer t = read_answer(text);
        const std::string in = a.unit.empty() ? std::string("um número") : a.unit;
        if (t.malformed) {
            refuse(a.label + ": escreva um número, como 12,5" + (a.unit.empty() ? "" : " ou 12,5 " + a.unit) + ".");
            return c;
        }
        const Unit* shown = unit_named(a.unit);
        double x = t.value;
        if (!t.unit.empty() && t.unit != a.unit) {
            const Unit* u = unit_named(t.unit);
            if (!u) {
                refuse("Unidade desconhecida: " + t.unit + ". Escreva " + a.label + " em " + in + ".");
                return c;
            }
            if (!shown || u->kind != shown->kind) {
                refuse(std::string("A resposta é ") + (shown ? kind_name(shown->kind) : "um número puro") +
                       ": use " + in);
                return c;
            }
            x = from_si(*shown, to_si(*u, t.value));
        }
        values[i] = x;
    }
    for (std::size_t i = 0; i < asked_.size(); ++i) {
        const Asked& a = asked_[i];
        if (!a.choices.empty()) {
            const bool right = values[i] == a.expected.value;
            c.verdicts.push_back({right ? Verdict::Kind::Right : Verdict::Kind::Wrong, right ? "Correto" : "Incorreto"});
        } else {
            c.verdicts.push_back(judge(a, values[i], locked));
        }
    }
    ++tries_;
    if (!counted_) {
        counted_ = true;
        ++tried_;
    }
    if (!c.allRight())
        wrongTry_ = true;
    else if (!seen_ && !scored_) {
        scored_ = true;
        ++right_;
    }
    return c;
}

void Practice::solutionSeen() { seen_ = true; }

void Practice::another()
{
    draw();
    tries_ = 0;
    wrongTry_ = false;
    seen_ = false;
    counted_ = false;
    scored_ = false;
}

std::string score_text(int right, int tried)
{
    return "Nesta sessão: " + std::to_string(right) + (right == 1 ? " certo de " : " certos de ") +
           std::to_string(tried) + (tried == 1 ? " exercício" : " exercícios");
}

std::string Practice::score() const { return score_text(right_, tried_); }

} // namespace tavek
