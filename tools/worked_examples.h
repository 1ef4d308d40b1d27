#pragma once
// Worked examples of every exercise: the cells typed, then the button pressed.
// The screenshots show the windows with them, and the layout tests measure
// the result labels at the length of these usual answers.
#include <utility>
#include <vector>

#include "kit/frame/form_window.h"

namespace tavek {

struct WorkedStep {
    std::vector<std::pair<const char*, const char*>> cells;
    const char* button;
};

inline std::vector<WorkedStep> workedExamples(FormNumber id)
{
    switch (id) {
    case 2:
        return {{{{"Edit1", "0"}, {"Edit2", "100"}, {"Edit3", "0"}, {"Edit4", "10"}}, "Button1"},
                {{{"Edit7", "1"}, {"Edit8", "2"}, {"Edit9", "3"}, {"Edit10", "2"}}, "Button3"},
                {{{"Edit13", "20"}}, "Button5"}};
    case 3:
        return {{{{"Edit1", "1500"}}, "Button1"}, {{{"Edit3", "2"}}, "Button7"}, {{{"Edit5", "10"}}, "Button18"}};
    case 4:
        return {{{{"Edit1", "200"}, {"Edit2", "500"}}, "Button1"}, {{{"Edit3", "1.8"}}, "Button3"}};
    case 5:
        return {{{}, "Button1"}, {{}, "Button2"}, {{{"Edit1", "20"}, {"Edit2", "45"}}, "Button4"}};
    case 6:
        return {{{{"Edit1", "10"}}, "Button1"}, {{{"Edit2", "10"}, {"Edit3", "98"}, {"Edit4", "20"}}, "Button3"}};
    case 7:
        return {{{{"Edit1", "98"}, {"Edit2", "98"}, {"Edit3", "98"}, {"Edit4", "30"}}, "Button1"},
                {{{"Edit5", "1"}, {"Edit6", "1"}, {"Edit7", "1"}, {"Edit8", "1"}}, "Button3"}};
    case 8:
        return {{{{"Edit1", "10"}, {"Edit2", "10"}, {"Edit3", "30"}}, "Button1"},
                {{{"Edit4", "0.5"}, {"Edit5", "10"}}, "Button3"}};
    case 9:
        return {{{{"Edit1", "0.1"}, {"Edit2", "10"}, {"Edit3", "10"}, {"Edit4", "30"}}, "Button1"},
                {{{"Edit5", "0.1"}, {"Edit6", "10"}, {"Edit7", "10"}, {"Edit8", "30"}, {"Edit9", "10"}}, "Button3"}};
    case 10:
        return {{{{"Edit1", "100"}, {"Edit2", "5"}, {"Edit3", "10"}}, "Button1"},
                {{{"Edit8", "2"}, {"Edit4", "0.5"}, {"Edit5", "10"}, {"Edit6", "3"}, {"Edit7", "4"}}, "Button3"}};
    case 11:
        return {{{{"Edit1", "2"}, {"Edit2", "10"}, {"Edit3", "60"}, {"Edit4", "3"}}, "Button1"}};
    case 1:
        break;
    }
    return {};
}

} // namespace tavek
