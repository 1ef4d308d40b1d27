#include "topics/force/exercises.h"

#include <cmath>

#include "kit/core/outcome.h"
#include "topics/force/figures.h"
#include "topics/force/force.h"
#include "topics/force/incline_friction.h"
#include "topics/force/inclined_plane.h"
#include "topics/force/tensions.h"

namespace tavek {

namespace {

// The ranges shared by several exercises.
constexpr Grid kMass{2, 30, 1};          // kg, blocks on planes and tables
constexpr Grid kInclineAngle{15, 60, 1}; // degrees: a plane a block can be drawn up or let down
constexpr Grid kKineticFriction{0.1, 0.5, 0.05};

// A system "moves" on a sheet only when it does so clearly: an acceleration
// of half a metre per second squared at least, far from any balance or rest
// that a rounding could tip.
constexpr double kClearAcceleration = 0.5;

bool clearlyMoves(const Outcome& out) { return out.value("a") >= kClearAcceleration; }

// Form6's block stays on its floor, F2's lift less than its weight, and the
// pull's horizontal part beats F1 by 5 N at least.
bool pulledAlongTheFloor(const Outcome& out)
{
    const double lift = out.value("F2") * std::sin(out.value("theta"));
    return lift < out.value("P") && out.value("F2X") - out.value("F1") >= 5;
}

// Block A on a plane of `cell`, block B hanging: the givens both windows share.
Given frictionGiven(const char* cell)
{
    return {"mu", "μ", "", cell, "Coeficiente de atrito cinético", kKineticFriction};
}
Given massA(const char* cell) { return {"mA", "m_{A}", "kg", cell, "Massa do Bloco A", kMass}; }
Given massB(const char* cell) { return {"mB", "m_{B}", "kg", cell, "Massa do Bloco B", kMass}; }
Given inclineAngle(const char* cell, Grid range) { return {"theta", "θ", "°", cell, "angulo", range}; }

// The three ways exercise 6's system and Form8's can go, in the windows' words.
std::vector<const char*> roughMotion() { return {kRoughRest, kRoughRight, kRoughLeft}; }

const std::vector<ExerciseRecord>& table()
{
    static const std::vector<ExerciseRecord> records = {
        {.id = "form6.1",
         .form = 6,
         .number = "1)",
         .title = "Tensões nas cordas de um bloco suspenso",
         .picture = "form6/Image2.svg",
         .statement = "Um bloco de massa {=m} está suspenso pelas cordas A, B e C, como na figura: a corda A faz "
                      "{$ropeA} com o teto e a corda B, {$ropeB}. Use g = {$g}, sen {$ropeA} = {$sinA}, "
                      "sen {$ropeB} = {$sinB} e sen {$ropeA} + cos {$ropeA} × tg {$ropeB} = {$ropes}. Determine:",
         .givens = {{"m", "m", "kg", "Edit1", "Massa", {2, 80, 1}}},
         .answers = {{"TA", "tensão na corda A", "T_{A}", "N", "Label12", "Tensão A = ", " N", 4, 2},
                     {"TB", "tensão na corda B", "T_{B}", "N", "Label2", "Tensão B = ", " N", 4, 2},
                     {"TC", "tensão na corda C", "T_{C}", "N", "Label3", "Tensão C = ", " N", 4, 2},
                     {"P", "peso do bloco", "P", "N", "Label4", "Peso do Bloco = ", " N", 4, 2}},
         .presses = {{"Button1", rope_tensions}},
         .clear = "Button2",
         .figure = rope_tensions_figure,
         .example = {{{"m", "10"}}}},
        {.id = "form6.2",
         .form = 6,
         .number = "2)",
         .title = "Bloco puxado por uma força inclinada",
         .picture = "form6/Image3.svg",
         .statement = "Um bloco de peso {=P} está sobre um piso horizontal, sem atrito. Uma força {=F2}, "
                      "inclinada {$pull} acima da horizontal, puxa o bloco, e uma força horizontal {=F1} se opõe ao "
                      "movimento, como na figura. Use g = {$g} e {$pull} = {$rad38}. Determine:",
         .givens = {{"F1", "F_{1}", "N", "Edit2", "F1", {5, 60, 5}},
                    {"P", "P", "N", "Edit3", "Peso do Bloco", {50, 500, 10}},
                    {"F2", "F_{2}", "N", "Edit4", "F2", {20, 200, 5}}},
         .answers = {{"F2X", "componente horizontal de F_{2}", "F_{2X}", "N", "Label17",
                      "Componente do vetor F2 em X = ", " N", 4, 4},
                     {"m", "massa do bloco", "m", "kg", "Label18", "Massa do Bloco= ", " kg", 4, 2},
                     {"a", "aceleração do bloco", "a", "m/s²", "Label16", "Aceleração = ", " m/s²", 4, 4}},
         .presses = {{"Button3", pulled_block}},
         .clear = "Button4",
         .figure = pulled_block_figure,
         .sensible = pulledAlongTheFloor,
         .statementFigure = pulled_block_statement_figure,
         .example = {{{"F1", "10"}, {"P", "98"}, {"F2", "20"}}},
         .marks = {{"F₁", 84, 150}, {"F₂", 215, 110}}},
        {.id = "form7.3",
         .form = 7,
         .number = "3)",
         .title = "Três blocos puxados por uma força",
         .picture = "form7/Image2.svg",
         .statement = "Três blocos, numerados 1, 2 e 3 da esquerda para a direita, de pesos {=P1}, "
                      "{=P2} e {=P3}, estão ligados por cordas sobre uma superfície plana horizontal, sem atrito, e "
                      "são puxados por uma força horizontal {=F}, como na figura. Use g = {$g}. Determine:",
         .givens = {{"P1", "P_{1}", "N", "Edit1", "P1", {20, 200, 10}},
                    {"P2", "P_{2}", "N", "Edit2", "P2", {20, 200, 10}},
                    {"P3", "P_{3}", "N", "Edit3", "P3", {20, 200, 10}},
                    {"F", "F", "N", "Edit4", "Força", {10, 150, 5}}},
         .answers = {{"m1", "massa do bloco 1", "m_{1}", "kg", "Label4", "Massa do Bloco 1 =", " kg", 4, 2},
                     {"m2", "massa do bloco 2", "m_{2}", "kg", "Label15", "Massa do Bloco 2 =", " kg", 4, 2},
                     {"m3", "massa do bloco 3", "m_{3}", "kg", "Label16", "Massa do Bloco 3 =", " kg", 4, 2},
                     {"a", "aceleração do sistema", "a", "m/s²", "Label17", "Aceleração do Sistema = ", " m/s²",
                      4, 4},
                     {"T1", "tensão na corda entre os blocos 2 e 3", "T_{1}", "N", "Label18", "Tensão 1 = ", " N",
                      4, 4},
                     {"T2", "tensão na corda entre os blocos 1 e 2", "T_{2}", "N", "Label19", "Tensão 2 = ", " N",
                      4, 4}},
         .presses = {{"Button1", pulled_blocks}},
         .clear = "Button2",
         .figure = pulled_blocks_figure,
         .example = {{{"P1", "98"}, {"P2", "98"}, {"P3", "98"}, {"F", "30"}}},
         .marks = {{"1", 32, 25}, {"2", 136, 25}, {"3", 240, 25}, {"F", 300, 50}}},
        {.id = "form7.4",
         .form = 7,
         .number = "4)",
         .title = "Blocos sobre a mesa e um bloco pendurado",
         .picture = "form7/Image5.svg",
         .statement = "Os blocos A, B e C, de massas {=mA}, {=mB} e {=mC}, estão ligados por cordas sobre uma "
                      "superfície plana horizontal, sem atrito, e o bloco D, de massa {=mD}, está pendurado, como "
                      "na figura. Use g = {$g}. Determine:",
         .givens = {{"mA", "m_{A}", "kg", "Edit5", "Massa do bloco A", {1, 20, 1}},
                    {"mB", "m_{B}", "kg", "Edit6", "Massa do bloco B", {1, 20, 1}},
                    {"mC", "m_{C}", "kg", "Edit7", "Massa do bloco C", {1, 20, 1}},
                    {"mD", "m_{D}", "kg", "Edit8", "Massa do bloco D", {1, 20, 1}}},
         .answers = {{"PD", "peso do bloco D", "P_{D}", "N", "Label29", "Peso do Bloco D = ", " N", 4, 2},
                     {"a", "aceleração do sistema", "a", "m/s²", "Label33", "Aceleração do sistema = ", " m/s²",
                      4, 4},
                     {"T1", "tensão na corda que segura o bloco D", "T_{1}", "N", "Label30", "Tensão 1 = ", " N",
                      4, 4},
                     {"T2", "tensão na corda entre os blocos B e C", "T_{2}", "N", "Label31", "Tensão 2 = ", " N",
                      4, 4},
                     {"T3", "tensão na corda entre os blocos A e B", "T_{3}", "N", "Label32", "Tensão 3 = ", " N",
                      4, 4}},
         .presses = {{"Button3", hanging_block_pull}},
         .clear = "Button4",
         .figure = hanging_block_pull_figure,
         .example = {{{"mA", "1"}, {"mB", "1"}, {"mC", "1"}, {"mD", "1"}}}},
        {.id = "form8.5",
         .form = 8,
         .number = "5)",
         .title = "Plano inclinado sem atrito e bloco pendurado",
         .picture = "form8/Image2.svg",
         .statement = "No sistema da figura, o bloco A, de massa {=mA}, está sobre um plano inclinado de "
                      "{=theta}, sem atrito, e está ligado por uma corda, que passa por uma roldana, ao bloco B, de "
                      "massa {=mB}, pendurado. O sistema parte do repouso. Use g = {$g} e π = {$pi} na conversão de "
                      "graus em radianos. Determine:",
         .givens = {massA("Edit1"), massB("Edit2"), inclineAngle("Edit3", {15, 75, 1})},
         .answers = {{.quantity = "motion",
                      .name = "sentido do movimento",
                      .symbol = nullptr,
                      .unit = "",
                      .control = "Label17",
                      .sentences = {kSmoothBalance, kSmoothRight, kSmoothLeft},
                      .stated = {"em equilíbrio (P_{X} = P_{B})", "B desce e A sobe o plano (P_{B} > P_{X})",
                                 "A desce o plano e B sobe (P_{X} > P_{B})"}},
                     {"PX", "componente do peso de A ao longo do plano", "P_{X}", "N", "Label18",
                      "PX do Bloco A = ", " N", 4, 2},
                     {"PB", "peso do bloco B", "P_{B}", "N", "Label8", "Peso do Bloco B = ", " N", 4, 2},
                     {"a", "aceleração do sistema", "a", "m/s²", "Label9", "Aceleração do sistema = ", " m/s²",
                      4, 4},
                     {"T", "tensão na corda", "T", "N", "Label10", "Tensão da corda = ", " N", 4, 4}},
         .presses = {{"Button1", smooth_incline}},
         .clear = "Button2",
         .figure = smooth_incline_figure,
         .sensible = clearlyMoves,
         .statementFigure = smooth_incline_statement_figure,
         .example = {{{"mA", "10"}, {"mB", "10"}, {"theta", "30"}}}},
        {.id = "form8.6",
         .form = 8,
         .number = "6)",
         .title = "Bloco contra a parede",
         .picture = "form8/Image5.svg",
         .statement = "Um bloco A, de massa {=m}, é mantido encostado em uma parede vertical por uma força "
                      "horizontal, como na figura. O coeficiente de atrito estático entre a parede e o bloco é "
                      "{=mu}. Use g = {$g}. Determine:",
         .givens = {{"mu", "μ", "", "Edit4", "Coeficiente de atrito estático", {0.2, 0.9, 0.05}},
                    {"m", "m", "kg", "Edit5", "Massa do Bloco A", {1, 30, 1}}},
         .answers = {{"F", "força mínima para que o bloco não escorregue", "F", "N", "Label21",
                      "Força miníma que deve ser exercida = ", " N", 4, 4},
                     {"P", "peso do bloco", "P", "N", "Label22", "Peso do Bloco = ", " N", 4, 2}},
         .presses = {{"Button3", block_on_wall}},
         .clear = "Button4",
         .figure = block_on_wall_figure,
         .statementFigure = block_on_wall_statement_figure,
         .example = {{{"mu", "0.5"}, {"m", "10"}}}},
        {.id = "form9.6",
         .form = 9,
         .number = "6)",
         .title = "Plano inclinado com atrito e bloco pendurado",
         .picture = "form9/Image2.svg",
         .statement = "No sistema da figura, o bloco A, de massa {=mA}, está sobre um plano inclinado de "
                      "{=theta}, e o coeficiente de atrito entre o bloco e o plano, o estático e o cinético, é "
                      "{=mu}. Uma corda, que passa por uma roldana, liga A ao bloco B, de massa {=mB}, pendurado. O "
                      "sistema parte do repouso. Use g = {$g} e π = {$pi} na conversão de graus em radianos. "
                      "Determine:",
         .givens = {frictionGiven("Edit1"), massA("Edit2"), massB("Edit3"), inclineAngle("Edit4", kInclineAngle)},
         .answers = {{.quantity = "motion",
                      .name = "sentido do movimento",
                      .symbol = nullptr,
                      .unit = "",
                      .control = "Label17",
                      .sentences = roughMotion(),
                      .stated = {"em repouso: o atrito impede o movimento",
                                 "B desce e A sobe o plano (P_{B} > P_{X} + F_{at})",
                                 "A desce o plano e B sobe (P_{X} > P_{B} + F_{at})"}},
                     {"PX", "componente do peso de A ao longo do plano", "P_{X}", "N", "Label18",
                      "PX do bloco A = ", " N    PY do bloco A =", 4, 2},
                     {"PY", "componente do peso de A perpendicular ao plano", "P_{Y}", "N", "Label18", "", " N",
                      4, 2},
                     {"PB", "peso do bloco B", "P_{B}", "N", "Label8", "Peso do bloco B = ", " N", 4, 2},
                     {"Fat", "força de atrito", "F_{at}", "N", "Label13", "Força de Atrito = ", " N", 4, 2},
                     {"a", "aceleração do sistema", "a", "m/s²", "Label9", "Aceleração do sistema = ", " m/s²",
                      4, 2},
                     {"T", "tensão na corda", "T", "N", "Label10", "Tensão da corda = ", " N", 4, 2}},
         .presses = {{"Button1", rough_incline}},
         .clear = "Button2",
         .figure = rough_incline_figure,
         .sensible = clearlyMoves,
         .statementFigure = rough_incline_statement_figure,
         .example = {{{"mu", "0.1"}, {"mA", "10"}, {"mB", "10"}, {"theta", "30"}}}},
        {.id = "form9.7",
         .form = 9,
         .number = "7)",
         .title = "Subida do plano: trabalhos, velocidade e tempo",
         .picture = "form9/Image5.svg",
         .statement = "No sistema da figura, o bloco A, de massa {=mA}, parte do repouso no pé de um plano "
                      "inclinado de {=theta}, cuja base mede {=CA}; o coeficiente de atrito entre A e o plano, o "
                      "estático e o cinético, é {=mu}. Uma corda, que passa por uma roldana no topo do plano, liga "
                      "A ao bloco B, de massa {=mB}, que pende livre, com espaço para descer tanto quanto A sobe "
                      "pelo plano. Use g = {$g} e π = {$pi} na conversão de graus em radianos. Determine, para a "
                      "subida de A do pé ao topo do plano:",
         .givens = {frictionGiven("Edit5"), massA("Edit6"), massB("Edit7"), inclineAngle("Edit8", kInclineAngle),
                    {"CA", "CA", "m", "Edit9", "Comprimento CA", {2, 10, 0.5}}},
         .answers = {{"CO", "altura CO do plano", "CO", "m", "Label24", "Comprimento CO =", " m", 4, 2},
                     {"HIP", "comprimento HIP do plano", "HIP", "m", "Label31", "Comprimento HIP =", " m", 4, 2},
                     {"PX", "componente do peso de A ao longo do plano", "P_{X}", "N", "Label32",
                      "PX do bloco A = ", " N    PY do bloco A =", 4, 2},
                     {"PY", "componente do peso de A perpendicular ao plano", "P_{Y}", "N", "Label32", "", " N",
                      4, 2},
                     {"PB", "peso do bloco B", "P_{B}", "N", "Label33", "Peso do bloco B =", " N", 4, 2},
                     {"Fat", "força de atrito", "F_{at}", "N", "Label36", "Força de atrito =", " N", 4, 2},
                     {"a", "aceleração do sistema", "a", "m/s²", "Label34", "Aceleração do sistema =", " m/s²", 4,
                      2},
                     {"T", "tensão na corda", "T", "N", "Label35", "Tensão nas cordas =", " N", 4, 2},
                     {"WPAY", "trabalho da componente do peso de A ao longo do plano", "W_{PAY}", "J", "Label37",
                      "WPAY =", " J", 4, 2},
                     {"WFAT", "trabalho do atrito", "W_{FAT}", "J", "Label38", "WFAT =", " J", 4, 2},
                     {"WPB", "trabalho do peso de B", "W_{PB}", "J", "Label39", "WPB =", " J", 4, 2},
                     {"WT", "trabalho da tensão em A", "W_{TENSÃO}", "J", "Label40", "WTENSÃO =", " J", 4, 2},
                     {"v", "velocidade de A no topo do plano", "v_{A}", "m/s", "Label41", "Velocidade de A =",
                      " m/s | Tempo de chegada =", 4, 2},
                     {"t", "tempo da subida", "t", "s", "Label41", "", " s", 4, 2}},
         .presses = {{"Button3", rough_incline_work}},
         .clear = "Button4",
         .figure = rough_incline_figure,
         // B must pull A up the plane, with friction left well behind.
         .sensible = [](const Outcome& out) { return out.value("PB") > out.value("PX") && clearlyMoves(out); },
         .statementFigure = incline_climb_statement_figure,
         .example = {{{"mu", "0.1"}, {"mA", "10"}, {"mB", "10"}, {"theta", "30"}, {"CA", "10"}}},
         .marks = {{"HIP", 95, 40}, {"CO", 259, 110}, {"CA", 150, 158}}},
    };
    return records;
}

} // namespace

std::span<const ExerciseRecord> force_exercises() { return table(); }

} // namespace tavek
