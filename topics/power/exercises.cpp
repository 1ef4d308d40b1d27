#include "topics/power/exercises.h"

#include "kit/core/outcome.h"
#include "topics/power/figures.h"
#include "topics/power/power.h"
#include "topics/power/power_table.h"

namespace tavek {

namespace {

const std::vector<ExerciseRecord>& table()
{
    static const std::vector<ExerciseRecord> records = {
        {.id = "form10.1",
         .form = 10,
         .number = "1)",
         .title = "Potência do cabo de um elevador",
         .picture = "form10/Image2.svg",
         .statement = "Um elevador lotado, de massa {=m}, sobe uma altura {=h} em {=t}, com velocidade "
                      "constante, puxado por um cabo. Use g = {$g}. Determine:",
         .givens = {{"m", "m", "kg", "Edit1", "Massa do elevador", {400, 1500, 50}},
                    {"t", "Δt", "s", "Edit2", "Tempo de subida", {5, 40, 1}},
                    {"h", "h", "m", "Edit3", "Altura de deslocamento", {5, 60, 1}}},
         .answers = {{"P", "peso do elevador", "P", "N", "Label18", "Peso do elevador =", " N", 4, 2},
                     {"W", "trabalho realizado pelo cabo", "τ", "J", "Label8", "Trabalho realizado =", " J", 4, 2},
                     {"Pot", "potência média aplicada ao elevador pelo cabo", "Pot", "W", "Label6",
                      "Potência Média =", " W", 4, 2}},
         .presses = {{"Button1", elevator_power}},
         .clear = "Button2",
         .figure = elevator_figure,
         .example = {{{"m", "100"}, {"t", "5"}, {"h", "10"}}},
         .marks = {{"h", 80, 127}}},
        {.id = "form10.2",
         .form = 10,
         .number = "2)",
         .title = "Potência do aparelho que puxa um bloco no plano inclinado",
         .picture = "form10/Image5.svg",
         .statement = "Um aparelho puxa um bloco de massa {=m}, com velocidade constante {=v}, plano acima, ao "
                      "longo do plano inclinado da figura, de base {=CA} e altura {=CO}. O coeficiente de atrito "
                      "cinético entre o bloco e o plano é {=mu}. Use g = {$g} e π = {$pi} na conversão de radianos "
                      "em graus. Determine:",
         .givens = {{"v", "v", "m/s", "Edit8", "Velocidade constante", {0.5, 5, 0.5}},
                    {"mu", "μ", "", "Edit4", "Coeficiente de atrito cinético", {0.1, 0.6, 0.05}},
                    {"m", "m", "kg", "Edit5", "Massa do Bloco", {5, 100, 5}},
                    {"CO", "CO", "m", "Edit6", "Comprimento CO", {1, 6, 0.5}},
                    {"CA", "CA", "m", "Edit7", "Comprimento CA", {2, 10, 0.5}}},
         .answers = {{"theta", "ângulo de inclinação do plano", "θ", "°", "Label19", "Angulo de inclinação =",
                      "°", 4, 2},
                     {"PX", "componente do peso perpendicular ao plano", "P_{X}", "N", "Label20",
                      "Peso PX do bloco =", " N", 4, 2},
                     {"PY", "componente do peso ao longo do plano", "P_{Y}", "N", "Label22", "Peso PY do bloco =",
                      " N", 4, 2},
                     {"Fat", "força de atrito", "F_{at}", "N", "Label23", "Força de Atrito =", " N", 4, 4},
                     {"Pot", "potência do aparelho", "Pot", "W", "Label24", "Potência do aparelho =", " W", 4, 4}},
         .presses = {{"Button3", incline_power}},
         .clear = "Button4",
         .figure = incline_power_figure,
         // A slope a block is pulled up, not a wall: CO below CA.
         .sensible = [](const Outcome& out) { return out.value("CO") < out.value("CA"); },
         .statementFigure = incline_power_statement_figure,
         .example = {{{"v", "2"}, {"mu", "0.5"}, {"m", "10"}, {"CO", "3"}, {"CA", "4"}}},
         .marks = {{"CA", 133, 178}, {"CO", 280, 88}}},
        {.id = "form11.3",
         .form = 11,
         .number = "3)",
         .title = "Trabalho e potência segundo a segundo",
         .picture = "form11/Image2.svg",
         .statement = "Uma força {=F1}, que faz um ângulo {=alpha} com a horizontal, puxa um bloco sobre uma "
                      "superfície horizontal com velocidade constante {=v}. Use π = {$pi} na conversão de graus em "
                      "radianos e 1 W = {$hp}. Determine, para cada instante t de 1 s até {=T}, de segundo em "
                      "segundo:",
         .givens = {{"v", "v", "m/s", "Edit1", "Velocidade constante", {0.5, 5, 0.5}},
                    {"F1", "F_{1}", "N", "Edit2", "Força F1", {10, 200, 10}},
                    {"alpha", "α", "°", "Edit3", "ângulo", {10, 80, 1}},
                    {"T", "T", "s", "Edit4", "Intervalo de 1 até", {3, 6, 1}}},
         // Each line of the list: the second, then its work and powers.
         .answers = {{.quantity = "t",
                      .name = "instante",
                      .symbol = "t",
                      .unit = "s",
                      .control = "ListBox1",
                      .prefix = "Tempo =",
                      .suffix = "s | Trabalho realizado =",
                      .width = 0,
                      .decimals = 0,
                      .heading = true},
                     {"W", "trabalho realizado pela força desde o início até t", "τ", "J", "ListBox1", "",
                      "J | Potência = ", 6, 6},
                     {"Pot", "potência média desde o início até t", "Pot", "W", "ListBox1", "", " W  -> ", 6, 6},
                     {"hp", "potência média em horsepower (hp)", "Pot_{hp}", "hp", "ListBox1", "", " hp", 6, 6}},
         .presses = {{"Button1", power_table}},
         .clear = "Button2",
         .figure = power_table_figure,
         .statementFigure = power_table_statement_figure,
         .example = {{{"v", "2"}, {"F1", "10"}, {"alpha", "60"}, {"T", "3"}}},
         .marks = {{"F₁", 238, 30}}},
    };
    return records;
}

} // namespace

std::span<const ExerciseRecord> power_exercises() { return table(); }

} // namespace tavek
