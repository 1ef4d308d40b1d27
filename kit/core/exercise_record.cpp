#include "kit/core/exercise_record.h"

#include <algorithm>
#include <cctype>

namespace tavek {

const Given* ExerciseRecord::given(std::string_view name) const
{
    for (const Given& g : givens)
        if (name == g.name)
            return &g;
    return nullptr;
}

const Answer* ExerciseRecord::answer(std::string_view quantity) const
{
    for (const Answer& a : answers)
        if (quantity == a.quantity)
            return &a;
    return nullptr;
}

const Press* ExerciseRecord::press(std::string_view button) const
{
    for (const Press& p : presses)
        if (button == p.button)
            return &p;
    return nullptr;
}

int ExerciseRecord::ordinal() const
{
    int n = 0;
    for (const char* c = number; *c && std::isdigit(static_cast<unsigned char>(*c)); ++c)
        n = n * 10 + (*c - '0');
    return n;
}

std::vector<const char*> ExerciseRecord::answerControls() const
{
    std::vector<const char*> controls;
    for (const Answer& a : answers)
        if (std::none_of(controls.begin(), controls.end(),
                         [&](const char* c) { return std::string_view(c) == a.control; }))
            controls.push_back(a.control);
    return controls;
}

std::vector<const ExerciseRecord*> exercises_of(std::span<const ExerciseRecord> records, int form)
{
    std::vector<const ExerciseRecord*> r;
    for (const ExerciseRecord& e : records)
        if (e.form == form)
            r.push_back(&e);
    return r;
}

} // namespace tavek
