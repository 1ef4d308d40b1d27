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

#include "kit/core/outcome.h"

namespace outcome_testing {

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
