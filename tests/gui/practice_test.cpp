// Practice ("Treino") in every exercise window: its menu, its window, and a
// student's tries at every exercise: wrong, then right, the hint and the
// solution, another one; a malformed answer; the teacher's lock.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

#include "kit/core/practice.h"
#include "kit/frame/companion.h"
#include "kit/frame/practice_menu.h"
#include "support.h"
#include "topics/exercises.h"

using tavek::ExerciseRecord;

class PracticeTest : public ProgramTest {
    Q_OBJECT
private slots:
    void initTestCase() { tavek::setPracticeSeeds([] { return kSeed; }); }
    void menuAfterSolutionsInEveryWindow();
    void everyExerciseTriedWrongThenRight_data();
    void everyExerciseTriedWrongThenRight();
    void malformedAnswerIsNoTry();
    void lockedWindowSaysOnlyRightOrWrong();

public:
    static constexpr std::uint64_t kSeed = 4242;
};

namespace {

struct Opened {
    QWidget* view;
    tavek::Practice expected; // the same numbers, drawn from the same seed
};

std::size_t indexIn(const ExerciseRecord& r)
{
    const auto mates = tavek::exercises_of(r.form);
    return std::size_t(std::find(mates.begin(), mates.end(), &r) - mates.begin());
}

Opened openPractice(tavek::FormWindow* w, const ExerciseRecord& r)
{
    trigger(w, tavek::menuItemName("Treino", r, indexIn(r)).toLatin1().constData());
    auto* view = w->findChild<QWidget*>(QStringLiteral("TreinoForm%1").arg(r.form));
    return {view, tavek::Practice(r, PracticeTest::kSeed)};
}

template <class T = QWidget> T* in(QWidget* view, const QString& name) { return view->findChild<T*>(name); }
QWidget* answer(QWidget* view, std::size_t i) { return in(view, QStringLiteral("Resposta%1").arg(i + 1)); }
QString verdict(QWidget* view, std::size_t i) { return in<QLabel>(view, QStringLiteral("Veredito%1").arg(i + 1))->text(); }

void answerWith(QWidget* view, const std::vector<tavek::Asked>& asked, bool right)
{
    for (std::size_t i = 0; i < asked.size(); ++i) {
        const tavek::Asked& a = asked[i];
        if (auto* choice = qobject_cast<QComboBox*>(answer(view, i))) {
            // Right: the window's sentence; wrong: another one.
            const int index = static_cast<int>(a.expected.value) + 1;
            choice->setCurrentIndex(right ? index : (index % (choice->count() - 1)) + 1);
            continue;
        }
        QString text = QString::fromStdString(tavek::answer_number(a.expected)).replace(QLatin1Char('.'), QLatin1Char(','));
        auto* cell = qobject_cast<QLineEdit*>(answer(view, i));
        cell->setText(right ? text : QStringLiteral("1e9"));
    }
}

} // namespace

void PracticeTest::menuAfterSolutionsInEveryWindow()
{
    for (int form = 2; form <= 11; ++form) {
        tavek::FormWindow* w = p->open(form);
        const QList<QAction*> bar = w->menuBar()->actions();
        QCOMPARE(bar.last()->menu()->objectName(), QStringLiteral("Treino"));
        QCOMPARE(bar.at(bar.size() - 2)->menu()->objectName(), QStringLiteral("Resolucao"));
        // in sight on the bar, not folded away behind its extension button
        QVERIFY2(w->menuBar()->actionGeometry(bar.last()).right() < w->menuBar()->width(), qPrintable(w->objectName()));
        // Item for item as "Resolução" lists them.
        const QList<QAction*> items = bar.last()->menu()->actions();
        const QList<QAction*> solutions = bar.at(bar.size() - 2)->menu()->actions();
        QCOMPARE(items.size(), solutions.size());
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i]->text(), solutions[i]->text());
            QCOMPARE(items[i]->objectName().mid(6), solutions[i]->objectName().mid(9)); // Treino… / Resolucao…
        }
    }
    QVERIFY(p->form(3)->control<QAction>("TreinoConversao3"));
    QVERIFY(p->form(9)->control<QAction>("TreinoExercicio7"));
}

void PracticeTest::everyExerciseTriedWrongThenRight_data()
{
    QTest::addColumn<QString>("id");
    for (const ExerciseRecord* r : tavek::all_exercises())
        QTest::newRow(r->id) << QString::fromLatin1(r->id);
}

void PracticeTest::everyExerciseTriedWrongThenRight()
{
    QFETCH(QString, id);
    const ExerciseRecord& r = *tavek::find_exercise(id.toStdString());
    tavek::FormWindow* w = p->open(r.form);
    Opened o = openPractice(w, r);
    QVERIFY(o.view && o.view->isVisible());
    QCOMPARE(o.view->windowTitle(), tavek::companionTitle(QStringLiteral("Treino"), r, w->windowTitle()));
    QCOMPARE(in<QLabel>(o.view, QStringLiteral("Enunciado"))->text(), QString::fromStdString(o.expected.statement()));
    const auto& asked = o.expected.asked();
    QVERIFY(answer(o.view, asked.size() - 1) && !answer(o.view, asked.size()));
    auto* hint = in<QPushButton>(o.view, QStringLiteral("Dica"));
    auto* solution = in<QPushButton>(o.view, QStringLiteral("VerResolucao"));
    QVERIFY(!hint->isEnabled() && !solution->isEnabled());
    // The keyboard reads the answers in their order, then the buttons.
    QStringList order;
    for (QWidget* at = answer(o.view, 0); order.size() < int(asked.size()) + 4; at = at->nextInFocusChain())
        if (QRegularExpression(QStringLiteral("^Resposta[0-9]+$")).match(at->objectName()).hasMatch() ||
            qobject_cast<QPushButton*>(at))
            order << at->objectName();
    QStringList expected;
    for (std::size_t i = 0; i < asked.size(); ++i)
        expected << QStringLiteral("Resposta%1").arg(i + 1);
    expected << QStringLiteral("Verificar") << QStringLiteral("Dica") << QStringLiteral("VerResolucao")
             << QStringLiteral("OutroExercicio");
    QCOMPARE(order, expected);

    // Wrong: every answer says so, the focus on the first, the hint offered.
    answerWith(o.view, asked, false);
    in<QPushButton>(o.view, QStringLiteral("Verificar"))->click();
    for (std::size_t i = 0; i < asked.size(); ++i)
        QVERIFY2(verdict(o.view, i).startsWith(QStringLiteral("✗ ")), qPrintable(verdict(o.view, i)));
    QCOMPARE(o.view->focusWidget(), answer(o.view, 0));
    QVERIFY(hint->isEnabled() && solution->isEnabled());
    hint->click();
    auto* help = in<QTextBrowser>(o.view, QStringLiteral("Ajuda"));
    QVERIFY(help->toPlainText().startsWith(QStringLiteral("Fórmulas")));

    // Right, before seeing the solution: counted.
    answerWith(o.view, asked, true);
    in<QPushButton>(o.view, QStringLiteral("Verificar"))->click();
    for (std::size_t i = 0; i < asked.size(); ++i)
        QCOMPARE(verdict(o.view, i), QStringLiteral("✓ Correto"));
    QCOMPARE(in<QLabel>(o.view, QStringLiteral("Placar"))->text(), QStringLiteral("Nesta sessão: 1 certo de 1 exercício"));
    solution->click();
    QVERIFY(help->toPlainText().contains(QStringLiteral("Dados")));

    // Another: new numbers, the tries over again.
    in<QPushButton>(o.view, QStringLiteral("OutroExercicio"))->click();
    o.expected.another();
    QCOMPARE(in<QLabel>(o.view, QStringLiteral("Enunciado"))->text(), QString::fromStdString(o.expected.statement()));
    QVERIFY(verdict(o.view, 0).isEmpty() && !hint->isEnabled() && !help->isVisible());

    // The practice goes and comes back with its window.
    trigger(w, "FecharJanela1");
    QVERIFY(!o.view->isVisible());
    p->open(r.form);
    QVERIFY(o.view->isVisible());
}

void PracticeTest::malformedAnswerIsNoTry()
{
    const ExerciseRecord& missile = *tavek::find_exercise("form4.1");
    Opened o = openPractice(p->open(4), missile);
    qobject_cast<QLineEdit*>(answer(o.view, 0))->setText(QStringLiteral("dez"));
    QTest::keyClick(answer(o.view, 0), Qt::Key_Return); // Enter checks
    QCOMPARE(p->messenger.texts(), QStringList{u("Tempo até o alvo: escreva um número, como 12,5 ou 12,5 s.")});
    QCOMPARE(o.view->focusWidget(), answer(o.view, 0));
    QVERIFY(verdict(o.view, 0).isEmpty());
    QCOMPARE(in<QLabel>(o.view, QStringLiteral("Placar"))->text(), QStringLiteral("Nesta sessão: 0 certos de 0 exercícios"));
}

void PracticeTest::lockedWindowSaysOnlyRightOrWrong()
{
    const ExerciseRecord& missile = *tavek::find_exercise("form4.1");
    tavek::FormWindow* w = p->open(4);
    Opened o = openPractice(w, missile);
    lock(w, "DesabilitarcdulasdeResultados1", QStringLiteral("prof"));
    const auto& asked = o.expected.asked();
    // The time with its sign wrong, the distance in centimetres: no hint of either.
    const double t = asked[0].expected.value, d = asked[1].expected.value;
    qobject_cast<QLineEdit*>(answer(o.view, 0))->setText(QString::number(-t));
    qobject_cast<QLineEdit*>(answer(o.view, 1))->setText(QString::number(d * 100));
    in<QPushButton>(o.view, QStringLiteral("Verificar"))->click();
    QCOMPARE(verdict(o.view, 0), QStringLiteral("✗ Incorreto"));
    QCOMPARE(verdict(o.view, 1), QStringLiteral("✗ Incorreto"));
    QVERIFY(!in<QPushButton>(o.view, QStringLiteral("Dica"))->isEnabled());
    QVERIFY(!in<QPushButton>(o.view, QStringLiteral("VerResolucao"))->isEnabled());
    // Open again: the signs and units are told.
    unlock(w, QStringLiteral("prof"));
    in<QPushButton>(o.view, QStringLiteral("Verificar"))->click();
    QCOMPARE(verdict(o.view, 0), QStringLiteral("✗ Confira o sinal"));
    QCOMPARE(verdict(o.view, 1), QStringLiteral("✗ Confira a unidade: parece estar em cm"));
    QVERIFY(in<QPushButton>(o.view, QStringLiteral("Dica"))->isEnabled());
}

QTEST_MAIN(PracticeTest)
#include "practice_test.moc"
