#include "topics/launches/exercises.h"

#include "topics/launches/figures.h"
#include "topics/launches/launches.h"

namespace tavek {

namespace {

const std::vector<ExerciseRecord>& table()
{
    static const std::vector<ExerciseRecord> records = {
        {.id = "form4.1",
         .form = 4,
         .number = "1)",
         .title = "Míssil solto de uma nave",
         .picture = "form4/Image2.svg",
         .statement = "Uma nave voa horizontalmente a uma altura {=h}, com velocidade {=v}, e solta um míssil, "
                      "que cai até atingir seu alvo no chão. Use g = {$g}. Determine:",
         .givens = {{"v", "v_{0}", "m/s", "Edit1", "Vo", {100, 300, 10}},
                    {"h", "y_{0}", "m", "Edit2", "Yo", {200, 2000, 50}}},
         .answers = {{"t", "tempo até o alvo", "t", "s", "Label8", "Tempo de chegada do míssil ao seu alvo = ", " s"},
                     {"d", "distância horizontal percorrida", "d", "m", "Label10", "Distância percorrida do míssil = ",
                      "m "}},
         .presses = {{"Button1", dropped_missile}},
         .clear = "Button2",
         .figure = dropped_missile_figure,
         .statementFigure = dropped_missile_statement_figure,
         .example = {{{"v", "200"}, {"h", "500"}}},
         .marks = {{"v₀", 148, 53}, {"y₀", 30, 130}}},
        {.id = "form4.2",
         .form = 4,
         .number = "2)",
         .title = "Salto de um jogador de basquete",
         .picture = "form4/Image4.svg",
         .statement = "Um atleta de altura {=h} salta para arremessar a bola à cesta, como na figura. A bola "
                      "sai das mãos a uma altura {$release} maior que a do atleta, a 45° com a horizontal, e deve "
                      "chegar ao aro, a {$rim} do chão e a {$basket} do ponto de lançamento na horizontal. Use "
                      "g = {$g}, 45° = {$rad45} e 1 m/s = {$kmh}. Determine:",
         .givens = {{"h", "h", "m", "Edit3", "Altura do atleta", {1.5, 2.1, 0.01}}},
         .answers = {{"v0", "velocidade inicial da bola", "v_{0}", "m/s", "Label16", "V0 = ", "m/s ->"},
                     {"v0kmh", "velocidade inicial da bola em km/h", "v_{0,km/h}", "km/h", "Label16", "", " km/h"},
                     {"up", "tempo de subida", "t_{s}", "s", "Label17", "Tempo de subida = ", "s "},
                     {"travel", "tempo do percurso até a cesta", "t", "s", "Label18", "Tempo do percurso = ", "s "}},
         .presses = {{"Button3", basketball_jump}},
         .clear = "Button4",
         .figure = basketball_figure,
         .statementFigure = basketball_statement_figure,
         .example = {{{"h", "1.8"}}}},
        {.id = "form5.3",
         .form = 5,
         .number = "3)",
         .title = "Arremesso num ângulo sorteado",
         .picture = "form5/Image2.svg",
         .statement = "Um jogador de basquete lança a bola num ângulo {=theta} com a horizontal e faz a cesta: o "
                      "aro está {$rise} acima do ponto de lançamento e a bola chega a ele no ponto mais alto da "
                      "sua trajetória. Use g = {$g}, 2 × g × {$rise} = {$rise2g}, π = {$pi} na conversão de "
                      "graus em radianos e 1 m/s = {$kmh}. Determine:",
         .givens = {{"theta", "θ", "°", nullptr, "ângulo", {30, 80, 1}, ProgramDraw::Angle, "Label10"}},
         .answers = {{"v0", "velocidade inicial da bola", "v_{0}", "m/s", "Label8", "Velocidade Inicial = ",
                      " m/s -> ", 4, 2},
                     {"v0kmh", "velocidade inicial da bola em km/h", "v_{0,km/h}", "km/h", "Label8", "", " km/h", 4,
                      2}},
         // The first button draws the angle, the second works it out.
         .presses = {{"Button1", draw_launch_angle}, {"Button2", drawn_angle_speed}},
         .clear = "Button3",
         .figure = drawn_angle_figure,
         .statementFigure = drawn_angle_statement_figure,
         .example = {.buttons = {"Button1", "Button2"}},
         // The button that computes the speed, like the angle shown beside
         // it, is given data, not an answer: the clear hides it, the lock
         // leaves it.
         .data = {"Button2"}},
        {.id = "form5.4",
         .form = 5,
         .number = "4)",
         .title = "Bola chutada",
         .picture = "form5/Image5.svg",
         .statement = "Uma bola é chutada do chão com velocidade inicial {=v0}, formando um ângulo {=theta} com "
                      "a horizontal. Use g = {$g} e π = {$pi} na conversão de graus em radianos. Determine:",
         .givens = {{"v0", "v_{0}", "m/s", "Edit1", "Vo", {10, 35, 1}},
                    {"theta", "θ", "°", "Edit2", "ângulo", {15, 75, 1}}},
         .answers = {{"hmax", "altura máxima atingida pela bola", "H_{máx}", "m", "Label12",
                      "Altura máxima atingida pela bola = ", " m", 4, 2},
                     {"t", "tempo do percurso", "t", "s", "Label17", "Tempo do Percurso = ", " s", 4, 2},
                     {"A", "alcance horizontal da bola", "A", "m", "Label16", "Alcance horizontal = ", " m", 4, 2}},
         .presses = {{"Button4", kicked_ball}},
         .clear = "Button5",
         .figure = kicked_ball_figure,
         .statementFigure = kicked_ball_statement_figure,
         .example = {{{"v0", "20"}, {"theta", "45"}}}},
    };
    return records;
}

} // namespace

std::span<const ExerciseRecord> launches_exercises() { return table(); }

} // namespace tavek
