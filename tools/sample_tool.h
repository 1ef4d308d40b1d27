#pragma once
// What the sample tools share: a display of their own when there is none,
// the program's fonts, and the exercises named on the command line.
#include <QApplication>

#include <cstdio>
#include <optional>
#include <vector>

#include "kit/core/exercise_record.h"
#include "kit/frame/fonts.h"
#include "topics/exercises.h"

namespace tavek {

// Drawn off the screen unless a platform is asked for, with the fonts the
// program ships, so that every machine draws the same pages.
inline void prepareSampleDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The exercises argv[first…] name ("form4.1"), or every one that `wanted`
// keeps where none is named; nothing, after saying so, for a name no
// exercise has.
inline std::optional<std::vector<const ExerciseRecord*>> namedExercises(
    int argc, char** argv, int first, const char* tool, bool (*wanted)(const ExerciseRecord&) = nullptr)
{
    std::vector<const ExerciseRecord*> r;
    for (int i = first; i < argc; ++i) {
        const ExerciseRecord* e = find_exercise(argv[i]);
        if (!e) {
            std::fprintf(stderr, "%s: no exercise %s\n", tool, argv[i]);
            return std::nullopt;
        }
        r.push_back(e);
    }
    if (r.empty())
        for (const ExerciseRecord* e : all_exercises())
            if (!wanted || wanted(*e))
                r.push_back(e);
    return r;
}

} // namespace tavek
