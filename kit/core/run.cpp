#include "kit/core/run.h"

#include <stdexcept>

#include "kit/core/figure.h"
#include "kit/core/number.h"
#include "kit/core/random.h"

namespace tavek {

namespace {

// A record and its calculator disagree on a name: a fault of the program,
// caught by the tests that press every exercise.
[[noreturn]] void unknown(const ExerciseRecord& record, std::string_view what, std::string_view name)
{
    std::string text(record.id);
    text += ": no ";
    text += what;
    text += " named ";
    text += name;
    throw std::logic_error(text);
}

} // namespace

double SetDraws::kept(const Given& given)
{
    const auto it = values_.find(given.name);
    return it == values_.end() ? 0.0 : it->second;
}

double ProgramDraws::draw(const Given& given)
{
    double value = 0;
    switch (given.draw) {
    case ProgramDraw::Percentage: value = random_.percentage(); break;
    case ProgramDraw::Angle: value = random_.angle(); break;
    case ProgramDraw::None: break;
    }
    kept_.insert_or_assign(given.name, value);
    return value;
}

double ProgramDraws::kept(const Given& given)
{
    const auto it = kept_.find(given.name);
    return it == kept_.end() ? 0.0 : it->second;
}

Run::Run(const ExerciseRecord& record, const Press& press, const Cells& cells, Draws& draws, Outcome& out)
    : record_(record), press_(press), draws_(draws), out_(out), reader_(cells, out)
{
}

const Given& Run::given(std::string_view name) const
{
    if (const Given* g = record_.given(name))
        return *g;
    unknown(record_, "given", name);
}

const Answer& Run::answer(std::string_view quantity) const
{
    if (const Answer* a = record_.answer(quantity))
        return *a;
    unknown(record_, "answer", quantity);
}

const char* Run::cell(std::string_view name) const
{
    const Given& g = given(name);
    if (!g.cell)
        unknown(record_, "cell for the given", name);
    return g.cell;
}

Real Run::read(std::string_view name) { return reader_(cell(name)); }

Real Run::draw(std::string_view name) { return Real(draws_.draw(given(name))); }

Real Run::kept(std::string_view name) { return Real(draws_.kept(given(name))); }

void Run::refuse(std::string_view name, std::string text) { out_.message(std::move(text), cell(name)); }

Working& Run::work(int width, int decimals)
{
    if (!working_) {
        working_.emplace(out_.solution, width, decimals, &record_);
        working_->stateDraws(draws_.stated());
    } else {
        working_->format(width, decimals);
    }
    return *working_;
}

void Run::write(std::initializer_list<std::string_view> quantities)
{
    if (!working_)
        unknown(record_, "working for the answers", *quantities.begin());
    std::string text;
    const char* control = nullptr;
    const auto flush = [&] {
        if (control)
            out_.write(control, std::move(text));
        text.clear();
    };
    for (std::string_view q : quantities) {
        const Answer& a = answer(q);
        // Answers one control shows together make one text.
        if (!control || std::string_view(control) != a.control) {
            flush();
            control = a.control;
        }
        const double value = working_->value(q);
        text += a.prefix;
        text += write_number(value, a.width, a.decimals);
        text += a.suffix;
        working_->shows(q, a.control);
        out_.answers.push_back({&a, value});
    }
    flush();
}

void Run::say(std::string_view quantity, std::string_view sentence)
{
    const Answer& a = answer(quantity);
    for (std::size_t i = 0; i < a.sentences.size(); ++i) {
        if (sentence == a.sentences[i]) {
            out_.write(a.control, std::string(sentence));
            out_.answers.push_back({&a, static_cast<double>(i)});
            return;
        }
    }
    unknown(record_, "sentence of its answer", sentence);
}

void Run::append(std::initializer_list<std::pair<std::string_view, Real>> answers, long line, bool worked)
{
    std::string text;
    const char* list = nullptr;
    for (const auto& [q, value] : answers) {
        const Answer& a = answer(q);
        list = a.control;
        text += a.prefix;
        text += write_number(value.value(), a.width, a.decimals);
        text += a.suffix;
        if (worked && working_)
            working_->shows(q, a.control);
        out_.answers.push_back({&a, value.value(), line});
    }
    if (list)
        out_.append(list, std::move(text));
}

void Run::display(std::string_view name, Real value, int decimals)
{
    const Given& g = given(name);
    if (!g.shownIn)
        unknown(record_, "place to show the given", name);
    if (working_)
        working_->shows(name, g.shownIn);
    out_.write(g.shownIn, write_number(value.value(), 0, decimals));
}

Outcome run(const ExerciseRecord& record, const Press& press, const Cells& cells, Draws& draws)
{
    Outcome out;
    try {
        Run r(record, press, cells, draws, out);
        press.calculate(r);
    } catch (const ArithmeticFault& f) {
        out.fault = f.kind();
    }
    if (!out.fault && out.messages().empty() && !out.answers.empty() && record.figure)
        out.figure = record.figure(out);
    return out;
}

Outcome run(const ExerciseRecord& record, const Cells& cells, Draws& draws)
{
    return run(record, record.presses.front(), cells, draws);
}

} // namespace tavek
