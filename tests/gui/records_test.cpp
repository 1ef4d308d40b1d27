// Every exercise's record wired into its window: each name it gives stands in
// the window as a control of its kind, and its worked example, typed and
// pressed there, shows what the record's own run gives and clears away again.
// A new exercise is tested here by its record alone.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>

#include "kit/core/random.h"
#include "kit/core/run.h"
#include "kit/frame/companion.h"
#include "support.h"
#include "tools/worked_examples.h"
#include "topics/exercises.h"

using tavek::ExerciseRecord;

class RecordsTest : public ProgramTest {
    Q_OBJECT
private slots:
    void everyNameStandsInItsWindow();
    void exampleShowsTheRecordsAnswers_data();
    void exampleShowsTheRecordsAnswers();
};

namespace {

void addRecordRows()
{
    QTest::addColumn<QString>("id");
    for (const ExerciseRecord* r : tavek::all_exercises())
        QTest::newRow(r->id) << QString::fromLatin1(r->id);
}

const ExerciseRecord& recordOf(const QString& id) { return *tavek::find_exercise(id.toStdString()); }

// What a result control shows: a label's or a cell's text, a list's lines.
QString shown(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* cell = qobject_cast<QLineEdit*>(control))
        return cell->text();
    QStringList lines;
    if (auto* list = qobject_cast<QAbstractItemView*>(control))
        for (int i = 0; i < list->model()->rowCount(); ++i)
            lines << list->model()->index(i, 0).data().toString();
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void RecordsTest::everyNameStandsInItsWindow()
{
    for (const ExerciseRecord* r : tavek::all_exercises()) {
        tavek::FormWindow* w = p->form(r->form);
        w->ensureBuilt();
        const auto has = [&](auto* control, const char* name) {
            QVERIFY2(control, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(r->id), QLatin1String(name))));
        };
        for (const tavek::Press& press : r->presses)
            has(w->control<QAbstractButton>(press.button), press.button);
        has(w->control<QAbstractButton>(r->clear), r->clear);
        for (const tavek::Given& g : r->givens) {
            if (g.cell)
                has(w->control<QLineEdit>(g.cell), g.cell);
            if (g.shownIn)
                has(w->control<QLabel>(g.shownIn), g.shownIn);
        }
        for (const tavek::Answer& a : r->answers)
            has(w->control<QWidget>(a.control), a.control);
        for (const char* data : r->data)
            has(w->control<QWidget>(data), data);
        // The solution menu names it as its statement does.
        const auto mates = tavek::exercises_of(r->form);
        const auto index = std::size_t(std::find(mates.begin(), mates.end(), r) - mates.begin());
        const QByteArray item = tavek::menuItemName("Resolucao", *r, index).toLatin1();
        has(w->control<QAction>(item.constData()), item.constData());
    }
}

void RecordsTest::exampleShowsTheRecordsAnswers_data() { addRecordRows(); }

void RecordsTest::exampleShowsTheRecordsAnswers()
{
    QFETCH(QString, id);
    const ExerciseRecord& r = recordOf(id);
    tavek::FormWindow* w = p->open(r.form);

    // The same presses outside the window, drawing as a fresh program draws.
    tavek::RandomDraw random;
    tavek::ProgramDraws draws(random);
    tavek::Cells cells;
    for (const auto& [cell, text] : tavek::exampleCells(r)) {
        type(w, cell, QString::fromUtf8(text));
        cells.emplace(cell, text);
    }
    tavek::Outcome expected;
    for (const char* button : tavek::exampleButtons(r)) {
        click(w, button);
        expected = tavek::run(r, *r.press(button), cells, draws);
    }
    QVERIFY(p->messenger.boxes.empty());
    QVERIFY(!expected.answers.empty());
    for (const char* control : r.answerControls()) {
        QWidget* c = w->control<QWidget>(control);
        QVERIFY2(c->isVisible(), control);
        const std::vector<std::string> lines = expected.lines(control);
        QString want = QString::fromStdString(expected.written(control).value_or(""));
        if (!lines.empty()) {
            QStringList l;
            for (const std::string& line : lines)
                l << QString::fromStdString(line);
            want = l.join(QLatin1Char('\n'));
        }
        QCOMPARE(shown(c), want);
    }

    // The clear takes the answers and the data away and empties the cells.
    click(w, r.clear);
    for (const tavek::Given& g : r.givens)
        if (g.cell)
            QVERIFY2(textOf(w, g.cell).isEmpty(), g.cell);
    for (const char* control : r.answerControls())
        if (!qobject_cast<QLineEdit*>(w->control<QWidget>(control)))
            QVERIFY2(!visible(w, control), control);
    for (const char* data : r.data)
        QVERIFY2(!visible(w, data), data);
}

QTEST_MAIN(RecordsTest)
#include "records_test.moc"
