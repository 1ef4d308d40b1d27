#pragma once
// One press of an exercise, as its calculator works it out: the givens read
// by the names the exercise's record gives them, the checks' messages aimed
// at their cells, the worked solution, and the answers written as the window
// writes them, each with its value and unit. A calculator never names a
// control nor a format: its record does, once.
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "kit/core/exercise_record.h"
#include "kit/core/outcome.h"
#include "kit/core/solution.h"

namespace tavek {

class RandomDraw;

// The values an exercise takes from the program rather than from a cell
// (Form2's percentage, Form5's angle).
class Draws {
public:
    virtual ~Draws() = default;
    // A new value, kept as the one drawn last.
    virtual double draw(const Given& given) = 0;
    // The one drawn last; 0 before any.
    virtual double kept(const Given& given) = 0;
    // The values are data stated beside the others (a sheet's numbers), not
    // what the program drew: the worked solution does not call them drawn.
    virtual bool stated() const { return false; }
};

// Values set beforehand by name: a sheet's version, a practice's set, a test.
class SetDraws final : public Draws {
public:
    SetDraws() = default;
    // `stated`: printed as data, as a sheet prints them.
    explicit SetDraws(std::map<std::string, double, std::less<>> values, bool stated = false)
        : values_(std::move(values)), stated_(stated)
    {
    }
    double draw(const Given& given) override { return kept(given); }
    double kept(const Given& given) override;
    bool stated() const override { return stated_; }

private:
    std::map<std::string, double, std::less<>> values_;
    bool stated_ = false;
};

// The window's: drawn from the program's one sequence as the given says, and
// kept between presses (Form5 draws its angle with one button and uses it
// with the other).
class ProgramDraws final : public Draws {
public:
    explicit ProgramDraws(RandomDraw& random) : random_(random) {}
    double draw(const Given& given) override;
    double kept(const Given& given) override;

private:
    RandomDraw& random_;
    std::map<std::string, double, std::less<>> kept_;
};

class Run {
public:
    Run(const ExerciseRecord& record, const Press& press, const Cells& cells, Draws& draws, Outcome& out);

    const ExerciseRecord& record() const { return record_; }
    const Press& press() const { return press_; }
    Outcome& out() { return out_; }

    // A given's cell as the windows read it: a malformed text adds the
    // message "Valor inválido. Ajuste seus dados" aimed at the cell, and ok()
    // is false from then on.
    Real read(std::string_view given);
    bool ok() const { return reader_.ok(); }
    // A value the program draws: a new one, or the one drawn last.
    Real draw(std::string_view given);
    Real kept(std::string_view given);
    // A check's message box, the focus then on the given's cell.
    void refuse(std::string_view given, std::string text);
    const char* cell(std::string_view given) const;
    // The control an answer is shown in.
    const char* control(std::string_view quantity) const { return answer(quantity).control; }

    // The worked solution, with answers written W(x; width, decimals) until
    // told otherwise (Working::format).
    Working& work(int width, int decimals);

    // The answers, each the value its quantity was worked out as, written
    // into their controls as the record designs them (answers one control
    // shows together in one text), given in the solution as what the window
    // shows, and kept in the outcome with their values.
    void write(std::initializer_list<std::string_view> quantities);
    // A sentence answer, one of those its record lists.
    void say(std::string_view quantity, std::string_view sentence);
    // One line of a result list: the answers that make it up, with their
    // values for this line (`line` from 1). The last line is the one the
    // solution works out.
    void append(std::initializer_list<std::pair<std::string_view, Real>> answers, long line, bool worked);
    // A value the program drew, written where the window shows it.
    void display(std::string_view given, Real value, int decimals);

private:
    const Answer& answer(std::string_view quantity) const;
    const Given& given(std::string_view name) const;

    const ExerciseRecord& record_;
    const Press& press_;
    Draws& draws_;
    Outcome& out_;
    CellReader reader_;
    std::optional<Working> working_;
};

// Runs the press (the exercise's first where none is named) against a fresh
// outcome: an arithmetic fault ends it where it happened, keeping what was
// written before. A press that answers without a fault or a message gets
// its figure.
Outcome run(const ExerciseRecord& record, const Press& press, const Cells& cells, Draws& draws);
Outcome run(const ExerciseRecord& record, const Cells& cells, Draws& draws);

} // namespace tavek
