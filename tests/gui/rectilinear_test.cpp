// The rectilinear motion window: its layout, and what only the window shows
// of its calculators: boxes in order with the focus after them, answers kept
// after a refused press, the clears, and the draw shared with the program.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "support.h"

using tavek::FormNumber;

namespace {
const QString kPlaceholder = QStringLiteral("       Resposta");

} // namespace

class RectilinearTest : public ProgramTest {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void look_data();
    void look();
    void tabOrder();
    void menuBar();

    void exercise1MessagesInOrderFocusLast_data();
    void exercise1MessagesInOrderFocusLast();
    void exercise1Answers();
    void exercise2Answers();
    void malformedCellStopsThePress();
    void exercise3FirstPressesAfterStart();
    void exercise3RefusedPressKeepsAnswers();
    void exercise3DrawsFromTheProgramSequence();
    void faultShowsErrorBoxAndKeepsEarlierWrites();

    void clearExercise1();
    void clearExercise2();
    void clearExercise3();
    void writtenCellsShowTheirStart();
};

void RectilinearTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");
    const struct {
        const char* name;
        QRect rect;
        const char* text; // nullptr: a control without text
        bool shown;
    } rows[] = {
        {"Image1", {16, 8, 249, 97}, nullptr, true},
        {"Label4", {264, 8, 271, 13}, "Todos os resultados serão dados na unidade SI", true},
        {"Image3", {296, 32, 25, 297}, nullptr, true},
        {"Label1", {24, 120, 270, 13}, "Dado a posição inicial e  final de uma partícula", true},
        {"Label2", {8, 136, 270, 13}, "junto com o tempo inicial e final. Determine sua", true},
        {"Label3", {8, 120, 12, 13}, "1)", true},
        {"Label5", {24, 184, 16, 13}, "Xo", true},
        {"Label6", {136, 184, 9, 13}, "X", true},
        {"Label7", {24, 216, 12, 13}, "to", true},
        {"Label8", {136, 216, 5, 13}, "t", true},
        {"Label9", {8, 152, 184, 13}, "Velocidade e aceleração Média.", true},
        {"Label10", {16, 272, 113, 13}, "Velocidade Média =", true},
        {"Label11", {16, 304, 114, 13}, "Aceleração Média =", true},
        {"Image2", {-8, 328, 305, 17}, nullptr, true},
        {"Edit1", {48, 176, 81, 21}, "", true},
        {"Edit2", {160, 176, 81, 21}, "", true},
        {"Edit3", {48, 208, 81, 21}, "", true},
        {"Edit4", {160, 208, 81, 21}, "", true},
        {"Button1", {32, 240, 105, 17}, "Calcular", true},
        {"Button2", {144, 240, 105, 17}, "Limpar Campos", true},
        {"Edit5", {136, 264, 121, 21}, "       Resposta", true},
        {"Edit6", {136, 296, 121, 21}, "       Resposta", true},
        {"Label12", {328, 48, 330, 13}, "Dado a equação  da posição de uma partícula. Determine", true},
        {"Label13", {312, 48, 12, 13}, "2)", true},
        {"Label14", {328, 64, 279, 13}, "sua velocidade e aceleração em um tempo dado.", true},
        {"Label15", {336, 96, 20, 13}, "X =", true},
        {"Label16", {392, 112, 15, 13}, "c1", true},
        {"Label17", {496, 112, 15, 13}, "c2", true},
        {"Label18", {616, 112, 15, 13}, "c3", true},
        {"Label19", {672, 88, 13, 20}, "t³", true},
        {"Label20", {552, 88, 27, 20}, "t + ", true},
        {"Label21", {448, 88, 11, 20}, "+", true},
        {"Label22", {336, 136, 22, 20}, "t =", true},
        {"Label23", {336, 184, 113, 13}, "Velocidade =", true},
        {"Label24", {336, 216, 114, 13}, "Aceleração =", true},
        {"Image4", {304, 240, 417, 17}, nullptr, true},
        {"Edit7", {360, 88, 81, 21}, "", true},
        {"Edit8", {464, 88, 81, 21}, "", true},
        {"Edit9", {584, 88, 81, 21}, "", true},
        {"Edit10", {368, 136, 81, 21}, "", true},
        {"Button3", {464, 144, 113, 17}, "Calcular aceleração", true},
        {"Button4", {584, 144, 89, 17}, "Limpar Campos", true},
        {"Edit11", {456, 176, 121, 21}, "       Resposta", true},
        {"Edit12", {456, 208, 121, 21}, "       Resposta", true},
        {"Image5", {480, 248, 49, 225}, nullptr, true},
        {"Label25", {8, 344, 12, 13}, "3)", true},
        {"Label26", {24, 344, 280, 13}, "Uma partícula é lançada verticalmente para cima", true},
        {"Label27", {8, 360, 227, 13}, "com uma velocidade inicial. Determine :", true},
        {"Label28", {8, 384, 383, 13}, "a) O tempo em que a partícula levou para alcançar a altura máxima", true},
        {"Label29", {8, 400, 109, 13}, "b) A altura máxima.", true},
        {"Label30", {24, 464, 53, 13}, "Digite Vo", true},
        {"Label31", {8, 416, 453, 13}, "c) O tempo que a partícula atinge uma determinada altura, dado pelo programa.", true},
        {"Label32", {536, 336, 150, 13}, "Altura dada pelo programa", false},
        {"Label33", {536, 256, 79, 13}, "Altura máxima", false},
        {"Label34", {536, 280, 39, 13}, "Tempo", false},
        {"Label35", {544, 400, 39, 13}, "Tempo", false},
        {"Label36", {544, 424, 39, 13}, "Tempo", false},
        {"Label37", {544, 448, 39, 13}, "Tempo", false},
        {"Label38", {56, 440, 23, 13}, "VEL", false},
        {"Edit13", {88, 456, 81, 21}, "", true},
        {"Button5", {328, 440, 113, 17}, "Calcular Itens", true},
        {"Button6", {328, 464, 113, 17}, "Limpar Campos", true},
        {"CheckBox1", {176, 464, 113, 17}, "Converter para o SI", true},
        {"Label39", {328, 272, 37, 13}, "Senha", false},
        {"Edit14", {576, 0, 57, 21}, "", false},
        {"Edit15", {672, 0, 57, 21}, "", false},
        {"Button7", {568, 24, 65, 17}, "Crie senha", false},
        {"Button8", {656, 24, 81, 17}, "Redigite Senha", false},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << r.rect
                              << (r.text ? QString::fromUtf8(r.text) : QString()) << r.shown;
}

void RectilinearTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    QFETCH(bool, shown);
    auto* w = p->open(2);
    const QByteArray n = name.toLatin1();
    auto* c = w->control<QWidget>(n.constData());
    QVERIFY(c);
    QCOMPARE(c->parentWidget(), w->centralWidget());
    QCOMPARE(c->pos(), rect.topLeft());
    // Captions may grow to their text; everything else keeps its size.
    if (qobject_cast<QLabel*>(c) || qobject_cast<QCheckBox*>(c)) {
        QVERIFY(c->width() >= rect.width());
        QVERIFY(c->height() >= rect.height());
    } else {
        QCOMPARE(c->size(), rect.size());
    }
    if (!text.isNull())
        QCOMPARE(textOf(w, n.constData()), text);
    QCOMPARE(c->isVisible(), shown);
}

void RectilinearTest::look_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QString>("style");
    const QString teal = "color: #008080;", navy = "color: #000080;", red = "color: #ff0000;",
                  black = "color: #000000;", blue = "color: #0000ff;",
                  cell = "background-color: rgb(0, 128, 255); color: #ffffff;",
                  lock = "background-color: #ff0000; color: #ffffff;";
    const QString ms = "MS Sans Serif", verdana = "Verdana";
    QTest::newRow("notice") << "Label4" << ms << 8 << true << false << red;
    for (const char* n : {"Label1", "Label2", "Label9", "Label12", "Label14", "Label26", "Label27"})
        QTest::newRow(n) << n << ms << 8 << true << true << teal;
    for (const char* n : {"Label3", "Label13", "Label25"})
        QTest::newRow(n) << n << ms << 8 << true << false << navy;
    for (const char* n : {"Label5", "Label6", "Label7", "Label8", "Label10", "Label11", "Label16", "Label17",
                          "Label18", "Label23", "Label24", "Label28", "Label29", "Label30", "Label31"})
        QTest::newRow(n) << n << ms << 8 << true << false << black;
    QTest::newRow("Label15") << "Label15" << ms << 8 << true << false << blue;
    for (const char* n : {"Label19", "Label20", "Label21", "Label22"})
        QTest::newRow(n) << n << ms << 12 << true << false << blue;
    for (const char* n : {"Label32", "Label33", "Label34", "Label35", "Label36", "Label37"})
        QTest::newRow(n) << n << ms << 8 << true << false << red;
    QTest::newRow("Label38") << "Label38" << verdana << 8 << true << false << black;
    QTest::newRow("Label39") << "Label39" << ms << 8 << true << false << QString();
    for (const char* n : {"Edit5", "Edit6", "Edit11", "Edit12"})
        QTest::newRow(n) << n << verdana << 8 << true << false << cell;
    for (const char* n : {"Edit14", "Edit15"})
        QTest::newRow(n) << n << ms << 8 << true << false << lock;
    for (const char* n : {"Edit1", "Edit13", "Button1", "Button5", "CheckBox1"})
        QTest::newRow(n) << n << ms << 8 << false << false << QString();
}

void RectilinearTest::look()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QString, style);
    auto* w = p->open(2);
    auto* c = w->control<QWidget>(name.toLatin1().constData());
    QVERIFY(c);
    QCOMPARE(c->font().family(), family);
    QCOMPARE(c->font().pointSize(), points);
    QCOMPARE(c->font().bold(), bold);
    QCOMPARE(c->font().underline(), underline);
    // The lock repaints backgrounds by adding to these; they start exactly so.
    QCOMPARE(c->styleSheet(), style);
    QVERIFY(!c->accessibleName().isEmpty() || qobject_cast<QLabel*>(c));
}

void RectilinearTest::tabOrder()
{
    auto* w = p->open(2);
    const QStringList expected = {"Edit1",   "Edit2",   "Edit3",   "Edit4",     "Button1", "Button2",
                                  "Edit5",   "Edit6",   "Edit7",   "Edit8",     "Edit9",   "Edit10",
                                  "Button3", "Button4", "Edit11",  "Edit12",    "Edit13",  "Button5",
                                  "Button6", "CheckBox1", "Edit14", "Edit15",   "Button7", "Button8"};
    QCOMPARE(::tabOrder(w, expected), expected);
}

void RectilinearTest::menuBar()
{
    auto* w = p->open(2);
    QStringList items;
    for (QAction* a : w->control<QMenuBar>("MainMenu1")->actions()) {
        QString line = (a->menu() ? a->menu()->objectName() : a->objectName()) + ":" + a->text();
        if (a->menu())
            for (QAction* sub : a->menu()->actions())
                line += " [" + sub->objectName() + ":" + sub->text() + "]";
        items << line;
    }
    QCOMPARE(items, (QStringList{
                        u("FecharJanela1:Fechar Janela"),
                        u("OpesparaProfessores1:Opções para Professores"
                          " [Desabilotarcdulasderesultados1:Desabilitar cédulas de  Resultados]"
                          " [ReabilitarcdulasdeResultados1:Reabilitar cédulas de Resultados]"),
                        u("ConversodevelocidadeparaoSI1:Conversão de velocidade para o SI"
                          " [kmhms1:km/h -> m/s] [mihms1:mi/h -> m/s] [cmsms1:cm/s -> m/s]"),
                        u("ConversesdeUnidades1:Conversões de Unidades"),
                        u("Resolucao:Resolução [ResolucaoExercicio1:Exercício 1] [ResolucaoExercicio2:Exercício 2]"
                          " [ResolucaoExercicio3:Exercício 3]"),
                    }));
}

void RectilinearTest::exercise1MessagesInOrderFocusLast_data()
{
    QTest::addColumn<QStringList>("cells"); // Xo, X, to, t
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("focus");
    const QString xo = "Xo com valor negativo, ajuste seu valor", x = "X com valor negativo, ajuste seu valor",
                  to = "To com valor negativo, ajuste seu valor", t = "T com valor negativo, ajuste seu valor";
    QTest::newRow("Xo and t") << QStringList{"-1", "10", "0", "-2"} << QStringList{xo, t} << "Edit4";
    QTest::newRow("all four") << QStringList{"-1", "-1", "-1", "-1"} << QStringList{xo, x, to, t} << "Edit4";
    QTest::newRow("X and to") << QStringList{"1", "-1", "-1", "1"} << QStringList{x, to} << "Edit3";
    QTest::newRow("empty") << QStringList{"", "", "", ""} << QStringList{u("Divisão por zero, ajuste seu valores")}
                           << "Edit3";
    QTest::newRow("malformed") << QStringList{"-1", "2,5.0", "0", "x"} << QStringList{kInvalid, kInvalid} << "Edit4";
}

void RectilinearTest::exercise1MessagesInOrderFocusLast()
{
    QFETCH(QStringList, cells);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);
    auto* w = p->open(2);
    // An earlier good press: its answers must survive the refused one.
    type(w, "Edit1", "0");
    type(w, "Edit2", "10");
    type(w, "Edit3", "0");
    type(w, "Edit4", "2");
    click(w, "Button1");
    w->control<QWidget>("Button1")->setFocus();
    const char* names[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    for (int i = 0; i < 4; ++i)
        type(w, names[i], cells[i]);
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), messages);
    for (const auto& box : p->messenger.boxes) {
        QVERIFY(!box.fault);
        QCOMPARE(box.window, QStringLiteral("Form2"));
    }
    QCOMPARE(focused(w), focus);
    QCOMPARE(textOf(w, "Edit5"), QStringLiteral("5.0000 m/s"));
    QCOMPARE(textOf(w, "Edit6"), u("2.5000 m/s²"));
    QCOMPARE(textOf(w, "Edit11"), kPlaceholder);
}

void RectilinearTest::exercise1Answers()
{
    auto* w = p->open(2);
    type(w, "Edit1", "0");
    type(w, "Edit2", "10");
    type(w, "Edit3", "3");
    type(w, "Edit4", "1");
    click(w, "Button1");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, "Edit5"), QStringLiteral("-5.0000 m/s"));
    QCOMPARE(textOf(w, "Edit6"), u("2.5000 m/s²"));
    QVERIFY(visible(w, "Edit5") && visible(w, "Edit6"));
}

void RectilinearTest::exercise2Answers()
{
    auto* w = p->open(2);
    click(w, "Button3");
    QCOMPARE(textOf(w, "Edit11"), QStringLiteral("0.0000 m/s"));
    QCOMPARE(textOf(w, "Edit12"), u("0.0000 m/s²"));
    type(w, "Edit7", "99");
    type(w, "Edit8", "2");
    type(w, "Edit9", "1");
    type(w, "Edit10", "2");
    click(w, "Button3");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, "Edit11"), QStringLiteral("14.0000 m/s"));
    QCOMPARE(textOf(w, "Edit12"), u("12.0000 m/s²"));
    QCOMPARE(textOf(w, "Edit5"), kPlaceholder);
}

void RectilinearTest::malformedCellStopsThePress()
{
    auto* w = p->open(2);
    type(w, "Edit8", "2");
    type(w, "Edit9", "1");
    type(w, "Edit10", "2");
    click(w, "Button3");
    type(w, "Edit9", "1,,5");
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), QStringList{kInvalid});
    QCOMPARE(focused(w), QStringLiteral("Edit9"));
    QCOMPARE(textOf(w, "Edit11"), QStringLiteral("14.0000 m/s"));
}

void RectilinearTest::exercise3FirstPressesAfterStart()
{
    // the fresh program: nothing drawn yet in any window
    auto* main = p->form(1);
    QTest::mouseClick(main->control<QLabel>("Label3"), Qt::LeftButton);
    auto* w = p->form(2);
    QVERIFY(w->isVisible());
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    QVERIFY(p->messenger.boxes.empty());
    const struct {
        const char* label;
        const char* first;
        const char* second;
    } rows[] = {
        {"Label34", "Tempo de chegada =2.0000 s", "Tempo de chegada =2.0000 s"},
        {"Label33", "Altura máxima =19.6000 m", "Altura máxima =19.6000 m"},
        {"Label32", "Altura gerada =14.3080 m", "Altura gerada =10.5840 m"},
        {"Label35", "Tempo de Subida =0.9608 s", "Tempo de Subida =0.6435 s"},
        {"Label36", "Tempo de descida =3.0392 s", "Tempo de descida =3.3565 s"},
        {"Label37", "Tempo Total =4.0000 s", "Tempo Total =4.0000 s"},
    };
    for (const auto& r : rows) {
        QCOMPARE(textOf(w, r.label), u(r.first));
        QVERIFY2(visible(w, r.label), r.label);
        auto* l = w->control<QLabel>(r.label);
        QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), r.label);
    }
    click(w, "Button5");
    for (const auto& r : rows)
        QCOMPARE(textOf(w, r.label), u(r.second));
    QVERIFY(!visible(w, "Label38"));
}

void RectilinearTest::exercise3RefusedPressKeepsAnswers()
{
    auto* w = p->open(2);
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    type(w, "Edit13", "-3");
    w->control<QWidget>("Edit1")->setFocus();
    click(w, "Button5");
    QCOMPARE(p->messenger.texts(), QStringList{u("Velocidade inicial com valor negativo, ajuste seus dados")});
    QCOMPARE(focused(w), QStringLiteral("Edit13"));
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =14.3080 m"));
    QVERIFY(visible(w, "Label32") && visible(w, "Label37"));
    // The refused press drew nothing: the next good one is the second draw.
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =10.5840 m"));
}

void RectilinearTest::exercise3DrawsFromTheProgramSequence()
{
    // The draw belongs to the program, not the window: a draw made elsewhere
    // moves the next height on.
    p->registry->random().percentage(); // 73, as another window would draw it
    auto* w = p->open(2);
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =10.5840 m"));
}

void RectilinearTest::faultShowsErrorBoxAndKeepsEarlierWrites()
{
    auto* w = p->open(2);
    type(w, "Edit13", "1e200");
    click(w, "Button5");
    QCOMPARE(p->messenger.boxes.size(), std::size_t(1));
    QVERIFY(p->messenger.boxes[0].fault);
    QCOMPARE(p->messenger.boxes[0].text, QStringLiteral("Floating point overflow."));
    QVERIFY(visible(w, "Label34"));
    QVERIFY(textOf(w, "Label34").startsWith(QStringLiteral("Tempo de chegada =")));
    QVERIFY(!visible(w, "Label33"));
    QVERIFY(!visible(w, "Label32"));
}

void RectilinearTest::clearExercise1()
{
    auto* w = p->open(2);
    for (const char* e : {"Edit1", "Edit2", "Edit4", "Edit7", "Edit13"})
        type(w, e, "4");
    click(w, "Button1");
    click(w, "Button3");
    w->control<QWidget>("Button5")->setFocus();
    click(w, "Button2");
    for (const char* e : {"Edit1", "Edit2", "Edit3", "Edit4"})
        QCOMPARE(textOf(w, e), QString());
    QCOMPARE(textOf(w, "Edit5"), kPlaceholder);
    QCOMPARE(textOf(w, "Edit6"), kPlaceholder);
    QCOMPARE(focused(w), QStringLiteral("Edit1"));
    // The other exercises keep what they hold.
    QCOMPARE(textOf(w, "Edit7"), QStringLiteral("4"));
    QCOMPARE(textOf(w, "Edit11"), QStringLiteral("0.0000 m/s"));
    QCOMPARE(textOf(w, "Edit13"), QStringLiteral("4"));
    QVERIFY(p->messenger.boxes.empty());
}

void RectilinearTest::clearExercise2()
{
    auto* w = p->open(2);
    for (const char* e : {"Edit2", "Edit4", "Edit7", "Edit8", "Edit9", "Edit10"})
        type(w, e, "2");
    click(w, "Button1");
    click(w, "Button3");
    click(w, "Button4");
    for (const char* e : {"Edit7", "Edit8", "Edit9", "Edit10"})
        QCOMPARE(textOf(w, e), QString());
    QCOMPARE(textOf(w, "Edit11"), kPlaceholder);
    QCOMPARE(textOf(w, "Edit12"), kPlaceholder);
    QCOMPARE(focused(w), QStringLiteral("Edit7"));
    QCOMPARE(textOf(w, "Edit5"), QStringLiteral("1.0000 m/s"));
    QCOMPARE(textOf(w, "Edit2"), QStringLiteral("2"));
}

void RectilinearTest::clearExercise3()
{
    auto* w = p->open(2);
    type(w, "Edit1", "7");
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    w->control<QCheckBox>("CheckBox1")->setChecked(true);
    w->control<QWidget>("Label38")->show();
    click(w, "Button6");
    QVERIFY(!w->control<QCheckBox>("CheckBox1")->isChecked());
    for (const char* l : {"Label32", "Label33", "Label34", "Label35", "Label36", "Label37", "Label38"})
        QVERIFY2(!visible(w, l), l);
    // Hidden, not emptied: the next press overwrites them.
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =14.3080 m"));
    QCOMPARE(textOf(w, "Edit13"), QString());
    QCOMPARE(focused(w), QStringLiteral("Edit13"));
    QCOMPARE(textOf(w, "Edit1"), QStringLiteral("7"));
    // And the clear drew nothing either.
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =10.5840 m"));
    QVERIFY(visible(w, "Label32"));
}

void RectilinearTest::writtenCellsShowTheirStart()
{
    auto* w = p->open(2);
    auto cursor = [w](const char* name) { return w->control<QLineEdit>(name)->cursorPosition(); };
    // Typing keeps the cursor behind the last character typed.
    QTest::keyClicks(w->control<QLineEdit>("Edit1"), QStringLiteral("12000000"));
    QCOMPARE(cursor("Edit1"), 8);
    for (const auto& [cell, text] : {std::pair{"Edit2", "0"}, {"Edit3", "0"}, {"Edit4", "1"}})
        type(w, cell, QString::fromLatin1(text));
    // Every cell the program writes shows the sign and first digits of a long answer.
    click(w, "Button1");
    QCOMPARE(textOf(w, "Edit6"), u("-12000000.0000 m/s²"));
    QCOMPARE(cursor("Edit5"), 0);
    QCOMPARE(cursor("Edit6"), 0);
    QTest::keyClicks(w->control<QLineEdit>("Edit13"), QStringLiteral("123456789012"));
    QCOMPARE(cursor("Edit13"), 12);
    w->control<QCheckBox>("CheckBox1")->setChecked(true);
    trigger(w, "kmhms1");
    QCOMPARE(textOf(w, "Edit13"), QStringLiteral("34197530556.3240"));
    QCOMPARE(cursor("Edit13"), 0);
    click(w, "Button2");
    QCOMPARE(textOf(w, "Edit5"), kPlaceholder);
    QCOMPARE(cursor("Edit5"), 0);
    QCOMPARE(cursor("Edit6"), 0);
}

QTEST_MAIN(RectilinearTest)
#include "rectilinear_test.moc"
