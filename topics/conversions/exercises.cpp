#include "topics/conversions/exercises.h"

#include "topics/conversions/conversions.h"

namespace tavek {

namespace {

// A unit of a group, typed into the group's cell: amounts a textbook would
// ask to convert, none so large that the answer outgrows its cell.
Given unit(const char* name, const char* cell, Grid range, const char* plural = nullptr)
{
    Given g{name, "x", name, cell, name, range};
    g.plural = plural;
    return g;
}

const std::vector<ExerciseRecord>& table()
{
    static const std::vector<ExerciseRecord> records = {
        {.id = "form3.length",
         .form = 3,
         .number = "",
         .title = "Unidades de Comprimento",
         .picture = nullptr,
         .statement = "Converta para a unidade de comprimento do Sistema Internacional (SI), o metro:",
         .givens = {unit("mm", "Edit1", {10, 990, 10}), unit("cm", "Edit1", {5, 500, 5}),
                    unit("yd", "Edit1", {2, 100, 1}), unit("ft", "Edit1", {2, 100, 1}),
                    unit("km", "Edit1", {0.5, 50, 0.5}), unit("in", "Edit1", {2, 60, 1}),
                    unit("mi", "Edit1", {0.5, 30, 0.5})},
         .answers = {{"SI", "comprimento em metros", "x_{SI}", "m", "Edit2", "", " m", 8, 8}},
         .presses = {{"Button1", convert, "mm"}, {"Button2", convert, "cm"}, {"Button3", convert, "yd"},
                     {"Button4", convert, "ft"}, {"Button5", convert, "km"}, {"Button11", convert, "in"},
                     {"Button12", convert, "mi"}},
         .clear = "Button6",
         .example = {{{"mm", "1500"}}}},
        {.id = "form3.time",
         .form = 3,
         .number = "",
         .title = "Unidades de Tempo",
         .picture = nullptr,
         .statement = "Converta para a unidade de tempo do Sistema Internacional (SI), o segundo:",
         .givens = {unit("h", "Edit3", {0.5, 24, 0.5}), unit("min", "Edit3", {5, 180, 5}),
                    unit("dia", "Edit3", {1, 30, 1}, "dias"), unit("ano", "Edit3", {0.5, 3, 0.5}, "anos")},
         .answers = {{"SI", "tempo em segundos", "x_{SI}", "s", "Edit4", "", " s", 8, 8}},
         .presses = {{"Button7", convert, "h"}, {"Button8", convert, "min"}, {"Button9", convert, "dia"},
                     {"Button10", convert, "ano"}},
         .clear = "Button13",
         .example = {{{"h", "2"}}}},
        {.id = "form3.mass",
         .form = 3,
         .number = "",
         .title = "Unidades de Massa",
         .picture = nullptr,
         .statement = "Converta para a unidade de massa do Sistema Internacional (SI), o quilograma:",
         .givens = {unit("g", "Edit5", {50, 5000, 50}), unit("oz", "Edit5", {1, 50, 1}),
                    unit("slug", "Edit5", {0.5, 20, 0.5}), unit("ton", "Edit5", {0.5, 10, 0.5}),
                    unit("lb", "Edit5", {1, 200, 1})},
         .answers = {{"SI", "massa em quilogramas", "x_{SI}", "kg", "Edit6", "", " kg", 8, 8}},
         .presses = {{"Button14", convert, "g"}, {"Button15", convert, "oz"}, {"Button16", convert, "slug"},
                     {"Button17", convert, "ton"}, {"Button18", convert, "lb"}},
         .clear = "Button19",
         .example = {{{"lb", "10"}}}},
    };
    return records;
}

} // namespace

std::span<const ExerciseRecord> conversion_exercises() { return table(); }

} // namespace tavek
