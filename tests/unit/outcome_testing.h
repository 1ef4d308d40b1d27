// What the calculator tests share: cells built from texts, the outcome's
// writes read back in order, and gtest case names from each row's name.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <functional>
#include <map>
#include <stdexcept>

#include "kit/core/outcome.h"
#include "kit/core/random.h"
#include "kit/core/run.h"
#include "topics/exercises.h"

namespace outcome_testing {

inline const tavek::ExerciseRecord& record(const char* id)
{
    const tavek::ExerciseRecord* r = tavek::find_exercise(id);
    if (!r)
        throw std::invalid_argument(id);
    return *r;
}

// An exercise as a calculator of its cells, pressed as its window presses it
// (its working press; values the program would draw as given).
inline std::function<tavek::Outcome(const tavek::Cells&)> pressing(const char* id,
                                                                   std::map<std::string, double, std::less<>> drawn = {})
{
    const tavek::ExerciseRecord* r = &record(id);
    return [r, drawn](const tavek::Cells& cells) {
        tavek::SetDraws draws(drawn);
        return tavek::run(*r, r->working(), cells, draws);
    };
}

// A press of the button `button` of a window's exercise.
inline tavek::Outcome pressButton(const char* button, const tavek::Cells& cells)
{
    for (const tavek::ExerciseRecord* r : tavek::all_exercises())
        if (const tavek::Press* p = r->press(button); p && r->form == 3) {
            tavek::SetDraws none;
            return tavek::run(*r, *p, cells, none);
        }
    throw std::invalid_argument(button);
}

// Form2 exercise 3, drawing its percentage from the program's sequence, or
// with the percentage given.
inline tavek::Outcome vertical_launch(const tavek::Cells& cells, tavek::RandomDraw& random)
{
    tavek::ProgramDraws draws(random);
    return tavek::run(record("form2.3"), cells, draws);
}
inline tavek::Outcome vertical_launch(const tavek::Cells& cells, int percentage)
{
    return pressing("form2.3", {{"p", percentage}})(cells);
}

// Form5 exercise 3: the press that draws the angle (kept in `angle`), and the
// one that works out the speed for an angle.
inline tavek::Outcome draw_launch_angle(tavek::RandomDraw& random, tavek::Real& angle)
{
    const tavek::ExerciseRecord& r = record("form5.3");
    tavek::ProgramDraws draws(random);
    tavek::Outcome out = tavek::run(r, r.presses.front(), {}, draws);
    angle = draws.kept(*r.given("theta"));
    return out;
}
inline tavek::Outcome drawn_angle_speed(tavek::Real angle)
{
    return pressing("form5.3", {{"theta", angle.value()}})({});
}

using Texts = std::vector<std::string>;

inline const std::string kInvalid(tavek::kInvalidValue);

inline tavek::Action msg(const std::string& text, const std::string& focus)
{
    return {tavek::Action::Kind::Message, focus, text};
}
inline tavek::Action wr(const std::string& label, const std::string& text)
{
    return {tavek::Action::Kind::Write, label, text};
}

// A refused press: these messages in order, the focus where the last one put
// it (none without messages), nothing written and no fault.
inline void expectRefused(const tavek::Outcome& out, const Texts& messages, const std::optional<std::string>& focus)
{
    EXPECT_EQ(out.messages(), messages);
    EXPECT_EQ(out.last_focus(), focus);
    EXPECT_FALSE(out.wrote_anything());
    EXPECT_FALSE(out.fault.has_value());
}

// Targets of every action, in the order the outcome applies them.
inline Texts actionTargets(const tavek::Outcome& out)
{
    Texts r;
    for (const tavek::Action& a : out.actions)
        r.push_back(a.target);
    return r;
}

// Labels in the order the outcome writes them.
inline Texts writtenTargets(const tavek::Outcome& out)
{
    Texts r;
    for (const tavek::Action& a : out.actions)
        if (a.kind == tavek::Action::Kind::Write)
            r.push_back(a.target);
    return r;
}

// Input cells of a row; an absent cell reads as an empty one.
inline tavek::Cells cellsOf(std::initializer_list<std::pair<const char*, const char*>> texts)
{
    tavek::Cells c;
    for (const auto& [name, text] : texts)
        c.emplace(name, text);
    return c;
}

// The cells names[i] holding texts[i].
inline tavek::Cells fill(const std::vector<const char*>& names, const Texts& texts)
{
    tavek::Cells cells;
    for (std::size_t i = 0; i < names.size(); ++i)
        cells.emplace(names[i], texts.at(i));
    return cells;
}

// "mass 2.5 with blanks" -> "mass_2_5_with_blanks", a name gtest accepts.
struct CaseName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        std::string name;
        for (const char* p = info.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    }
};
inline constexpr CaseName caseName{};

} // namespace outcome_testing
