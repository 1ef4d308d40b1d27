#include "topics/exercises.h"

#include "topics/conversions/exercises.h"
#include "topics/force/exercises.h"
#include "topics/launches/exercises.h"
#include "topics/power/exercises.h"
#include "topics/rectilinear/exercises.h"

namespace tavek {

namespace {

const ExerciseWindow kWindows[] = {
    {2, "Movimento Retilíneo"},
    {3, "Conversões de Unidades"},
    {4, "Lançamentos"},
    {5, "Mais Exercícios de Lançamentos"},
    {6, "Força e Movimento"},
    {7, "Mais Exercícios de Força e Movimento - 1"},
    {8, "Mais Exercícios de Força e Movimento - 2"},
    {9, "Mais Exercícios de Força e Movimento - 3"},
    {10, "Potência"},
    {11, "Mais exercícios de Potência"},
};

const std::vector<const ExerciseRecord*>& table()
{
    static const std::vector<const ExerciseRecord*> all = [] {
        std::vector<const ExerciseRecord*> r;
        for (const auto topic : {rectilinear_exercises(), conversion_exercises(), launches_exercises(),
                                 force_exercises(), power_exercises()})
            for (const ExerciseRecord& e : topic)
                r.push_back(&e);
        return r;
    }();
    return all;
}

} // namespace

std::span<const ExerciseRecord* const> all_exercises() { return table(); }

std::span<const ExerciseWindow> exercise_windows() { return kWindows; }

const ExerciseRecord* find_exercise(std::string_view id)
{
    for (const ExerciseRecord* e : table())
        if (id == e->id)
            return e;
    return nullptr;
}

const char* exercise_window_name(int form)
{
    for (const ExerciseWindow& w : kWindows)
        if (w.form == form)
            return w.name;
    return "";
}

std::vector<const ExerciseRecord*> exercises_of(int form)
{
    std::vector<const ExerciseRecord*> r;
    for (const ExerciseRecord* e : table())
        if (e->form == form)
            r.push_back(e);
    return r;
}

} // namespace tavek
