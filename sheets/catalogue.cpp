#include "sheets/catalogue.h"

#include <cmath>

#include "kit/core/classroom.h"
#include "topics/conversions/conversions.h"
#include "topics/force/force.h"
#include "topics/force/incline_friction.h"
#include "topics/force/inclined_plane.h"
#include "topics/force/tensions.h"
#include "topics/launches/launches.h"
#include "topics/power/power.h"
#include "topics/power/power_table.h"
#include "topics/rectilinear/rectilinear.h"

namespace tavek {

namespace {

template <Outcome (*Calculator)(const Cells&)>
Outcome typed(const Cells& cells, const SheetValues&)
{
    return Calculator(cells);
}

double radians(double degrees) { return classroom::pi * degrees / 180; }

// A system "moves" on a sheet only when it does so clearly: an acceleration
// of half a metre per second squared at least, far from any balance or rest
// that a rounding could tip.
constexpr double kClearAcceleration = 0.5;

// Block A on the plane, B hanging: what is left to accelerate both once
// friction has taken its share, whichever way they go.
double inclineAcceleration(const SheetValues& v, double mu)
{
    const double pa = std::sin(radians(v.at("theta"))) * classroom::g * v.at("ma");
    const double fat = mu * std::cos(radians(v.at("theta"))) * classroom::g * v.at("ma");
    const double pb = classroom::g * v.at("mb");
    return (std::fabs(pb - pa) - fat) / (v.at("ma") + v.at("mb"));
}

// The value names shared by several exercises, with their textbook ranges.
constexpr Grid kMass{2, 30, 1};             // kg, blocks on planes and tables
constexpr Grid kInclineAngle{15, 60, 1};    // degrees: a plane a block can be drawn up or let down
constexpr Grid kKineticFriction{0.1, 0.5, 0.05};

const SheetWindow kWindows[] = {
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

const std::vector<SheetExercise>& exercises()
{
    static const std::vector<SheetExercise> table = {
        {.id = "form2.1",
         .form = 2,
         .number = "1)",
         .title = "Velocidade e aceleração médias",
         .figure = nullptr,
         .statement = "Uma partícula em movimento retilíneo está na posição Xo = {x0} no instante to = {t0} e na "
                      "posição X = {x} no instante t = {t}. Determine sua velocidade média e sua aceleração "
                      "média.",
         .givens = {{"x0", "Edit1", "Xo", "m", {0, 40, 1}},
                    {"x", "Edit2", "X", "m", {50, 400, 5}},
                    {"t0", "Edit3", "to", "s", {0, 6, 1}},
                    {"t", "Edit4", "t", "s", {8, 40, 1}}},
         .calculate = typed<average_motion>,
         .captions = {{"Edit5", "Velocidade Média ="}, {"Edit6", "Aceleração Média ="}}},
        {.id = "form2.2",
         .form = 2,
         .number = "2)",
         .title = "Velocidade e aceleração pela equação da posição",
         .figure = nullptr,
         .statement = "A posição de uma partícula em movimento retilíneo é dada pela equação "
                      "X = {#c1} + {#c2}·t + {#c3}·t³, com X em metros e t em segundos. Determine sua velocidade "
                      "e sua aceleração no instante t = {t}.",
         .givens = {{"c1", "Edit7", "c1", "", {0, 20, 1}},
                    {"c2", "Edit8", "c2", "", {1, 12, 1}},
                    {"c3", "Edit9", "c3", "", {0.5, 5, 0.5}},
                    {"t", "Edit10", "t", "s", {1, 5, 0.5}}},
         .calculate = typed<cubic_motion>,
         .captions = {{"Edit11", "Velocidade ="}, {"Edit12", "Aceleração ="}}},
        {.id = "form2.3",
         .form = 2,
         .number = "3)",
         .title = "Lançamento vertical e altura sorteada",
         .figure = "form2/Image5.svg",
         .statement = "Uma partícula é lançada verticalmente para cima com velocidade inicial Vo = {v0}. "
                      "Determine: a) o tempo que a partícula leva para alcançar a altura máxima; b) a altura "
                      "máxima; c) os instantes em que a partícula passa pela altura igual a {p} da altura máxima "
                      "(porcentagem sorteada pelo programa). Use g = 9,8 m/s².",
         .givens = {{"v0", "Edit13", "Vo", "m/s", {10, 40, 0.5}}, {"p", nullptr, "p", "%", {10, 90, 1}}},
         .calculate = [](const Cells& cells, const SheetValues& v) {
             return vertical_launch(cells, static_cast<int>(v.at("p")));
         }},
        {.id = "form3.length",
         .form = 3,
         .number = "",
         .title = "Unidades de Comprimento",
         .figure = nullptr,
         .statement = "Converta para a unidade de comprimento do Sistema Internacional (SI), o metro:",
         .givens = {},
         .conversions = {"Button1", "Button2", "Button3", "Button4", "Button5", "Button11", "Button12"}},
        {.id = "form3.time",
         .form = 3,
         .number = "",
         .title = "Unidades de Tempo",
         .figure = nullptr,
         .statement = "Converta para a unidade de tempo do Sistema Internacional (SI), o segundo:",
         .givens = {},
         .conversions = {"Button7", "Button8", "Button9", "Button10"}},
        {.id = "form3.mass",
         .form = 3,
         .number = "",
         .title = "Unidades de Massa",
         .figure = nullptr,
         .statement = "Converta para a unidade de massa do Sistema Internacional (SI), o quilograma:",
         .givens = {},
         .conversions = {"Button14", "Button15", "Button16", "Button17", "Button18"}},
        {.id = "form4.1",
         .form = 4,
         .number = "1)",
         .title = "Míssil solto de uma nave",
         .figure = "form4/Image2.svg",
         .statement = "Uma nave voa horizontalmente a uma altura Yo = {h}, com velocidade Vo = {v}, e solta um "
                      "míssil. Determine o tempo e a distância horizontal que o míssil percorre até atingir seu "
                      "alvo. Use g = 9,8 m/s².",
         .givens = {{"v", "Edit1", "Vo", "m/s", {100, 300, 10}}, {"h", "Edit2", "Yo", "m", {200, 2000, 50}}},
         .calculate = typed<dropped_missile>,
         .marks = {{"Vo", 148, 53}, {"Yo", 30, 130}}},
        {.id = "form4.2",
         .form = 4,
         .number = "2)",
         .title = "Salto de um jogador de basquete",
         .figure = "form4/Image4.svg",
         .statement = "Um atleta de {h} de altura salta para arremessar a bola à cesta, como na figura. A bola "
                      "sai das mãos a uma altura 46% maior que a do atleta, a 45° com a horizontal, e deve chegar "
                      "ao aro, a 3,1 m do chão e a 4,39 m do ponto de lançamento na horizontal. Determine a "
                      "velocidade inicial da bola, o tempo de subida e o tempo do percurso até a cesta. "
                      "Use g = 9,8 m/s².",
         .givens = {{"h", "Edit3", "Altura do atleta", "m", {1.5, 2.1, 0.01}}},
         .calculate = typed<basketball_jump>},
        {.id = "form5.3",
         .form = 5,
         .number = "3)",
         .title = "Arremesso num ângulo sorteado",
         .figure = "form5/Image2.svg",
         .statement = "Com que velocidade inicial um jogador de basquete deve lançar a bola, num ângulo de "
                      "{theta} com a horizontal (sorteado pelo programa), para efetuar a cesta? O aro está "
                      "1,37 m acima do ponto de lançamento e a bola chega a ele no ponto mais alto da sua "
                      "trajetória. Use g = 9,8 m/s² e π = 3,14.",
         .givens = {{"theta", nullptr, "ângulo", "°", {30, 80, 1}}},
         .calculate = [](const Cells&, const SheetValues& v) { return drawn_angle_speed(Real(v.at("theta"))); }},
        {.id = "form5.4",
         .form = 5,
         .number = "4)",
         .title = "Bola chutada",
         .figure = "form5/Image5.svg",
         .statement = "Uma bola é chutada do chão com velocidade inicial Vo = {v0}, formando um ângulo de "
                      "{alpha} com a horizontal. Determine a altura máxima atingida pela bola, o tempo do "
                      "percurso e o seu alcance horizontal. Use g = 9,8 m/s² e π = 3,14.",
         .givens = {{"v0", "Edit1", "Vo", "m/s", {10, 35, 1}}, {"alpha", "Edit2", "ângulo", "°", {15, 75, 1}}},
         .calculate = typed<kicked_ball>},
        {.id = "form6.1",
         .form = 6,
         .number = "1)",
         .title = "Tensões nas cordas de um bloco suspenso",
         .figure = "form6/Image2.svg",
         .statement = "Um bloco de massa {m} está suspenso pelas cordas A, B e C, como na figura: a corda A faz "
                      "28° com o teto e a corda B, 47°. Determine as tensões nas cordas e o peso do bloco. "
                      "Use g = 9,8 m/s².",
         .givens = {{"m", "Edit1", "Massa", "kg", {2, 80, 1}}},
         .calculate = typed<rope_tensions>},
        {.id = "form6.2",
         .form = 6,
         .number = "2)",
         .title = "Bloco puxado por uma força inclinada",
         .figure = "form6/Image3.svg",
         .statement = "Um bloco de peso {p} está sobre um piso horizontal. Uma força F2 = {f2}, inclinada 38° "
                      "acima da horizontal, puxa o bloco, e uma força horizontal F1 = {f1} se opõe ao movimento, "
                      "como na figura. Determine a componente de F2 na horizontal, a massa do bloco e a sua "
                      "aceleração. Use g = 9,8 m/s².",
         .givens = {{"f1", "Edit2", "F1", "N", {5, 60, 5}},
                    {"p", "Edit3", "Peso do Bloco", "N", {50, 500, 10}},
                    {"f2", "Edit4", "F2", "N", {20, 200, 5}}},
         .calculate = typed<pulled_block>,
         // The pull's horizontal part beats F1 by 5 N at least.
         .sensible = [](const SheetValues& v) { return std::cos(0.6628) * v.at("f2") - v.at("f1") >= 5; },
         .marks = {{"F1", 84, 150}, {"F2", 215, 110}}},
        {.id = "form7.3",
         .form = 7,
         .number = "3)",
         .title = "Três blocos puxados por uma força",
         .figure = "form7/Image2.svg",
         .statement = "Três blocos, numerados 1, 2 e 3 da esquerda para a direita, de pesos P1 = {p1}, "
                      "P2 = {p2} e P3 = {p3}, estão ligados por cordas sobre uma superfície plana horizontal, sem "
                      "atrito, e são puxados por uma força horizontal F = {f}, como na figura. Determine as massas "
                      "dos blocos, a aceleração do sistema e as tensões nas cordas. Use g = 9,8 m/s².",
         .givens = {{"p1", "Edit1", "P1", "N", {20, 200, 10}},
                    {"p2", "Edit2", "P2", "N", {20, 200, 10}},
                    {"p3", "Edit3", "P3", "N", {20, 200, 10}},
                    {"f", "Edit4", "Força", "N", {10, 150, 5}}},
         .calculate = typed<pulled_blocks>,
         .marks = {{"1", 32, 25}, {"2", 136, 25}, {"3", 240, 25}, {"F", 300, 50}}},
        {.id = "form7.4",
         .form = 7,
         .number = "4)",
         .title = "Blocos sobre a mesa e um bloco pendurado",
         .figure = "form7/Image5.svg",
         .statement = "Os blocos A, B e C, de massas {ma}, {mb} e {mc}, estão ligados por cordas sobre uma "
                      "superfície plana horizontal, sem atrito, e o bloco D, de massa {md}, está pendurado, como "
                      "na figura. Determine o peso do bloco D, a aceleração do sistema e as tensões nas cordas. "
                      "Use g = 9,8 m/s².",
         .givens = {{"ma", "Edit5", "Massa do bloco A", "kg", {1, 20, 1}},
                    {"mb", "Edit6", "Massa do bloco B", "kg", {1, 20, 1}},
                    {"mc", "Edit7", "Massa do bloco C", "kg", {1, 20, 1}},
                    {"md", "Edit8", "Massa do bloco D", "kg", {1, 20, 1}}},
         .calculate = typed<hanging_block_pull>},
        {.id = "form8.5",
         .form = 8,
         .number = "5)",
         .title = "Plano inclinado sem atrito e bloco pendurado",
         .figure = "form8/Image2.svg",
         .statement = "No sistema da figura, o bloco A, de massa {ma}, está sobre um plano inclinado de {theta}, "
                      "sem atrito, e está ligado por uma corda, que passa por uma roldana, ao bloco B, de massa "
                      "{mb}, pendurado. Determine para que lado o sistema se move, o peso do bloco B e a "
                      "componente do peso de A ao longo do plano, a aceleração do sistema e a tensão na corda. "
                      "Use g = 9,8 m/s² e π = 3,14.",
         .givens = {{"ma", "Edit1", "Massa do Bloco A", "kg", kMass},
                    {"mb", "Edit2", "Massa do Bloco B", "kg", kMass},
                    {"theta", "Edit3", "angulo", "°", {15, 75, 1}}},
         .calculate = typed<smooth_incline>,
         .sensible = [](const SheetValues& v) { return inclineAcceleration(v, 0) >= kClearAcceleration; }},
        {.id = "form8.6",
         .form = 8,
         .number = "6)",
         .title = "Bloco contra a parede",
         .figure = "form8/Image5.svg",
         .statement = "Um bloco A, de massa {m}, é mantido encostado em uma parede vertical por uma força "
                      "horizontal, como na figura. O coeficiente de atrito estático entre a parede e o bloco é "
                      "{mu}. Determine o valor mínimo da força para que o bloco não escorregue e o peso do bloco. "
                      "Use g = 9,8 m/s².",
         .givens = {{"mu", "Edit4", "Coeficiente de atrito estático", "", {0.2, 0.9, 0.05}},
                    {"m", "Edit5", "Massa do Bloco A", "kg", {1, 30, 1}}},
         .calculate = typed<block_on_wall>},
        {.id = "form9.6",
         .form = 9,
         .number = "6)",
         .title = "Plano inclinado com atrito e bloco pendurado",
         .figure = "form9/Image2.svg",
         .statement = "No sistema da figura, o bloco A, de massa {ma}, está sobre um plano inclinado de {theta}, "
                      "e o coeficiente de atrito cinético entre o bloco e o plano é {mu}. Uma corda, que passa "
                      "por uma roldana, liga A ao bloco B, de massa {mb}, pendurado. Determine para que lado o "
                      "sistema se move, a força de atrito, as componentes do peso de A, o peso de B, a aceleração "
                      "do sistema e a tensão na corda. Use g = 9,8 m/s² e π = 3,14.",
         .givens = {{"mu", "Edit1", "Coeficiente de atrito cinético", "", kKineticFriction},
                    {"ma", "Edit2", "Massa do Bloco A", "kg", kMass},
                    {"mb", "Edit3", "Massa do Bloco B", "kg", kMass},
                    {"theta", "Edit4", "angulo", "°", kInclineAngle}},
         .calculate = typed<rough_incline>,
         .sensible = [](const SheetValues& v) { return inclineAcceleration(v, v.at("mu")) >= kClearAcceleration; }},
        {.id = "form9.7",
         .form = 9,
         .number = "7)",
         .title = "Subida do plano: trabalhos, velocidade e tempo",
         .figure = "form9/Image5.svg",
         .statement = "No sistema da figura, o bloco A, de massa {ma}, parte do repouso no pé de um plano "
                      "inclinado de {theta}, cuja base mede CA = {ca}; o coeficiente de atrito cinético entre A e o "
                      "plano é {mu}. Uma corda, que passa por uma roldana no topo do plano, liga A ao bloco B, de "
                      "massa {mb}, pendurado. Determine a altura CO e o comprimento HIP do plano, a aceleração do "
                      "sistema, a tensão na corda, o peso de B e as componentes do peso de A, a força de atrito, "
                      "os trabalhos feitos pelas forças em A e B, a velocidade com que A chega ao topo do plano e "
                      "o tempo que leva. Use g = 9,8 m/s² e π = 3,14.",
         .givens = {{"mu", "Edit5", "Coeficiente de atrito cinético", "", kKineticFriction},
                    {"ma", "Edit6", "Massa do Bloco A", "kg", kMass},
                    {"mb", "Edit7", "Massa do Bloco B", "kg", kMass},
                    {"theta", "Edit8", "angulo", "°", kInclineAngle},
                    {"ca", "Edit9", "Comprimento CA", "m", {2, 10, 0.5}}},
         .calculate = typed<rough_incline_work>,
         // B must pull A up the plane, with friction left well behind.
         .sensible = [](const SheetValues& v) {
             const double pa = std::sin(radians(v.at("theta"))) * classroom::g * v.at("ma");
             return classroom::g * v.at("mb") > pa && inclineAcceleration(v, v.at("mu")) >= kClearAcceleration;
         },
         .marks = {{"HIP", 95, 40}, {"CO", 259, 110}, {"CA", 150, 158}}},
        {.id = "form10.1",
         .form = 10,
         .number = "1)",
         .title = "Potência do cabo de um elevador",
         .figure = "form10/Image2.svg",
         .statement = "Um elevador lotado, de massa {m}, sobe uma altura h = {h} em {t}, com velocidade "
                      "constante. Determine o peso do elevador, o trabalho realizado e a potência média aplicada "
                      "ao elevador pelo cabo. Use g = 9,8 m/s².",
         .givens = {{"m", "Edit1", "Massa do elevador", "kg", {400, 1500, 50}},
                    {"t", "Edit2", "Tempo de subida", "s", {5, 40, 1}},
                    {"h", "Edit3", "Altura de deslocamento", "m", {5, 60, 1}}},
         .calculate = typed<elevator_power>,
         .marks = {{"h", 80, 127}}},
        {.id = "form10.2",
         .form = 10,
         .number = "2)",
         .title = "Potência do aparelho que puxa um bloco no plano inclinado",
         .figure = "form10/Image5.svg",
         .statement = "Um aparelho puxa um bloco de massa {m}, com velocidade constante de {v}, ao longo do plano "
                      "inclinado da figura, de base CA = {ca} e altura CO = {co}. O coeficiente de atrito cinético "
                      "entre o bloco e o plano é {mu}. Determine o ângulo de inclinação, as componentes do peso do "
                      "bloco, a força de atrito e a potência do aparelho. Use g = 9,8 m/s² e π = 3,14.",
         .givens = {{"v", "Edit8", "Velocidade constante", "m/s", {0.5, 5, 0.5}},
                    {"mu", "Edit4", "Coeficiente de atrito cinético", "", {0.1, 0.6, 0.05}},
                    {"m", "Edit5", "Massa do Bloco", "kg", {5, 100, 5}},
                    {"co", "Edit6", "Comprimento CO", "m", {1, 6, 0.5}},
                    {"ca", "Edit7", "Comprimento CA", "m", {2, 10, 0.5}}},
         .calculate = typed<incline_power>,
         // A slope a block is pulled up, not a wall: CO below CA.
         .sensible = [](const SheetValues& v) { return v.at("co") < v.at("ca"); },
         .marks = {{"CA", 133, 178}, {"CO", 280, 88}}},
        {.id = "form11.3",
         .form = 11,
         .number = "3)",
         .title = "Trabalho e potência segundo a segundo",
         .figure = "form11/Image2.svg",
         .statement = "Uma força F1 = {f1}, que faz um ângulo de {alpha} com a horizontal, puxa um bloco sobre uma "
                      "superfície horizontal com velocidade constante de {v}. Determine, para cada segundo de 1 s "
                      "até {t}, o trabalho realizado pela força e a potência média, em watts e em cavalos-vapor "
                      "(hp). Use π = 3,14 e 1 W = 0,001341 hp.",
         .givens = {{"v", "Edit1", "Velocidade constante", "m/s", {0.5, 5, 0.5}},
                    {"f1", "Edit2", "Força F1", "N", {10, 200, 10}},
                    {"alpha", "Edit3", "ângulo", "°", {10, 80, 1}},
                    {"t", "Edit4", "Intervalo de 1 até", "s", {3, 6, 1}}},
         .calculate = typed<power_table>,
         .marks = {{"F1", 238, 30}}},
    };
    return table;
}

// What a conversion exercise gives in each unit: amounts a textbook would
// ask to convert, none so large that the answer outgrows its cell.
struct UnitGrid {
    const char* button;
    Grid grid;
    const char* plural = nullptr; // a unit written as a word: "3 anos"
};
constexpr UnitGrid kUnitGrids[] = {
    {"Button1", {10, 990, 10}},   // mm
    {"Button2", {5, 500, 5}},     // cm
    {"Button3", {2, 100, 1}},     // yd
    {"Button4", {2, 100, 1}},     // ft
    {"Button5", {0.5, 50, 0.5}},  // km
    {"Button11", {2, 60, 1}},     // in
    {"Button12", {0.5, 30, 0.5}}, // mi
    {"Button7", {0.5, 24, 0.5}},  // h
    {"Button8", {5, 180, 5}},     // min
    {"Button9", {1, 30, 1}, "dias"},
    {"Button10", {0.5, 3, 0.5}, "anos"},
    {"Button14", {50, 5000, 50}}, // g
    {"Button15", {1, 50, 1}},     // oz
    {"Button16", {0.5, 20, 0.5}}, // slug
    {"Button17", {0.5, 10, 0.5}}, // ton
    {"Button18", {1, 200, 1}},    // lb
};

} // namespace

std::span<const SheetExercise> sheet_exercises() { return exercises(); }

std::span<const SheetWindow> sheet_windows() { return kWindows; }

const SheetExercise* sheet_exercise(std::string_view id)
{
    for (const SheetExercise& e : exercises())
        if (id == e.id)
            return &e;
    return nullptr;
}

const char* sheet_window_name(int form)
{
    for (const SheetWindow& w : kWindows)
        if (w.form == form)
            return w.name;
    return "";
}

Grid conversion_grid(std::string_view button)
{
    for (const UnitGrid& u : kUnitGrids)
        if (button == u.button)
            return u.grid;
    return {1, 1, 1};
}

std::string conversion_unit(std::string_view button, double amount)
{
    for (const UnitGrid& u : kUnitGrids)
        if (button == u.button && u.plural && amount >= 2)
            return u.plural;
    const Conversion* c = conversion(button);
    return c ? c->unit : "";
}

} // namespace tavek
