#include "topics/rectilinear/exercises.h"

#include "topics/rectilinear/figures.h"
#include "topics/rectilinear/rectilinear.h"

namespace tavek {

namespace {

const std::vector<ExerciseRecord>& table()
{
    static const std::vector<ExerciseRecord> records = {
        {.id = "form2.1",
         .form = 2,
         .number = "1)",
         .title = "Velocidade e aceleração médias",
         .picture = nullptr,
         // The answer's acceleration holds only from rest: the statement says so.
         .statement = "Uma partícula parte do repouso na posição {=x0}, no instante {=t0}, e se move em linha "
                      "reta com aceleração constante; no instante {=t} está na posição {=x}. Determine:",
         .givens = {{"x0", "x_{0}", "m", "Edit1", "Xo", {0, 40, 1}},
                    {"x", "x", "m", "Edit2", "X", {50, 400, 5}},
                    {"t0", "t_{0}", "s", "Edit3", "to", {0, 6, 1}},
                    {"t", "t", "s", "Edit4", "t", {8, 40, 1}}},
         .answers = {{.quantity = "v",
                      .name = "velocidade média",
                      .symbol = "v_{m}",
                      .unit = "m/s",
                      .control = "Edit5",
                      .suffix = " m/s",
                      .caption = "Velocidade Média ="},
                     {.quantity = "a",
                      .name = "aceleração média",
                      .symbol = "a_{m}",
                      .unit = "m/s²",
                      .control = "Edit6",
                      .suffix = " m/s²",
                      .caption = "Aceleração Média ="}},
         .presses = {{"Button1", average_motion}},
         .clear = "Button2",
         .figure = average_motion_figure,
         .example = {{{"x0", "0"}, {"x", "100"}, {"t0", "0"}, {"t", "10"}}}},
        {.id = "form2.2",
         .form = 2,
         .number = "2)",
         .title = "Velocidade e aceleração pela equação da posição",
         .picture = nullptr,
         .statement = "A posição de uma partícula em movimento retilíneo é dada pela equação "
                      "X = {#c1} + {#c2} × t + {#c3} × t³, com X em metros e t em segundos. Determine, no "
                      "instante {=t}:",
         .givens = {{"c1", "c_{1}", "m", "Edit7", "c1", {0, 20, 1}},
                    {"c2", "c_{2}", "m/s", "Edit8", "c2", {1, 12, 1}},
                    {"c3", "c_{3}", "m/s³", "Edit9", "c3", {0.5, 5, 0.5}},
                    {"t", "t", "s", "Edit10", "t", {1, 5, 0.5}}},
         .answers = {{.quantity = "v",
                      .name = "velocidade",
                      .symbol = "v",
                      .unit = "m/s",
                      .control = "Edit11",
                      .suffix = " m/s",
                      .caption = "Velocidade ="},
                     {.quantity = "a",
                      .name = "aceleração",
                      .symbol = "a",
                      .unit = "m/s²",
                      .control = "Edit12",
                      .suffix = " m/s²",
                      .caption = "Aceleração ="}},
         .presses = {{"Button3", cubic_motion}},
         .clear = "Button4",
         .figure = cubic_motion_figure,
         .example = {{{"c1", "1"}, {"c2", "2"}, {"c3", "3"}, {"t", "2"}}}},
        {.id = "form2.3",
         .form = 2,
         .number = "3)",
         .title = "Lançamento vertical e altura sorteada",
         .picture = "form2/Image5.svg",
         .statement = "Uma partícula é lançada verticalmente para cima com velocidade inicial {=v0}. A altura h "
                      "é {=p} da altura máxima. Use g = {$g}. Determine:",
         .givens = {{"v0", "v_{0}", "m/s", "Edit13", "Vo", {10, 40, 0.5}},
                    {"p", "p", "%", nullptr, "p", {10, 90, 1}, ProgramDraw::Percentage}},
         .answers = {{"top", "tempo até a altura máxima", "t_{topo}", "s", "Label34", "Tempo de chegada =", " s"},
                     {"hmax", "altura máxima", "H_{máx}", "m", "Label33", "Altura máxima =", " m"},
                     {"h", "altura h", "h", "m", "Label32", "Altura gerada =", " m"},
                     {"t1", "instante em que passa pela altura h subindo", "t_{1}", "s", "Label35",
                      "Tempo de Subida =", " s"},
                     {"t2", "instante em que passa pela altura h descendo", "t_{2}", "s", "Label36",
                      "Tempo de descida =", " s"},
                     {"total", "tempo total até voltar ao ponto de lançamento", "t_{total}", "s", "Label37",
                      "Tempo Total =", " s"}},
         .presses = {{"Button5", vertical_launch}},
         .clear = "Button6",
         .figure = vertical_launch_figure,
         .example = {{{"v0", "20"}}}},
    };
    return records;
}

} // namespace

std::span<const ExerciseRecord> rectilinear_exercises() { return table(); }

} // namespace tavek
