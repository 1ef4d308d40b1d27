// A list's Moodle question bank read back as Moodle's importer reads it: one
// category an exercise, a question a version, each answer's box holding the
// key's value and the practice's tolerance, every picture a PNG it names.
#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>

#include "kit/core/markup.h"
#include "kit/core/number.h"
#include "kit/core/practice.h"
#include "sheets/core/moodle.h"
#include "sheets/frame/moodle_export.h"
#include "support.h"
#include "topics/exercises.h"

using namespace tavek;

namespace {

struct Question {
    QString type;
    QString category = {}; // of a category question
    QString name = {};
    QString idnumber = {};
    QString text = {};     // the question's html
    QString feedback = {}; // the general feedback's html
    QMap<QString, QByteArray> files = {};
};

std::vector<Question> readBank(const QByteArray& bank, QString* error)
{
    std::vector<Question> r;
    QXmlStreamReader xml(bank);
    QString where;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringView element = xml.name();
        if (element == u"question") {
            r.push_back({xml.attributes().value(QStringLiteral("type")).toString()});
        } else if (r.empty()) {
            continue;
        } else if (element == u"category" || element == u"name" || element == u"questiontext" ||
                   element == u"generalfeedback") {
            where = element.toString();
        } else if (element == u"text") {
            const QString text = xml.readElementText();
            Question& q = r.back();
            (where == u"category" ? q.category : where == u"name" ? q.name : where == u"questiontext" ? q.text : q.feedback) = text;
        } else if (element == u"file") {
            const QString name = xml.attributes().value(QStringLiteral("name")).toString();
            r.back().files.insert(name, QByteArray::fromBase64(xml.readElementText().toLatin1()));
        } else if (element == u"idnumber") {
            r.back().idnumber = xml.readElementText();
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return r;
}

} // namespace

class MoodleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Program warm; } // fonts and art, as the program has them
    void bankAsMoodleReadsIt();
    void clozeSyntax();
};

void MoodleTest::bankAsMoodleReadsIt()
{
    const int code = 4821;
    const std::vector<const ExerciseRecord*> chosen = {find_exercise("form9.6"), find_exercise("form3.time")};
    const std::vector<SheetVersion> versions = make_sheet({code, chosen, 3});
    const QByteArray bank = moodleBank(code, versions);
    QVERIFY(bank.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QString error;
    const std::vector<Question> read = readBank(bank, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(QString::fromUtf8(bank).toUtf8(), bank); // valid UTF-8 throughout

    // A category, then its versions' questions, for each exercise.
    QCOMPARE(read.size(), std::size_t(2 * (1 + 3)));
    QCOMPARE(read[0].type, QStringLiteral("category"));
    QCOMPARE(read[0].category, u("$course$/top/TAVEK 1/Lista 4821/1. Mais Exercícios de Força e Movimento - 3 - "
                                 "Plano inclinado com atrito e bloco pendurado"));
    QCOMPARE(read[4].category, u("$course$/top/TAVEK 1/Lista 4821/2. Conversões de Unidades - Unidades de Tempo"));
    QSet<QString> ids;
    const std::vector<MoodleQuestion> expected = moodle_questions(code, versions);
    std::size_t k = 0;
    for (const Question& q : read) {
        if (q.type == u"category")
            continue;
        const MoodleQuestion& e = expected.at(k++);
        QCOMPARE(q.type, QStringLiteral("cloze"));
        QCOMPARE(q.name, QString::fromStdString(e.name));
        QVERIFY(!ids.contains(q.idnumber));
        ids.insert(q.idnumber);
        // The statement as the sheet prints it, its markup made tags; the
        // feedback the key's text, with the decimal comma.
        QVERIFY(q.text.startsWith(QStringLiteral("<p>") +
                                  QString::fromStdString(markup_html(e.drawn->statement, Notation::Paper))));
        static const QRegularExpression markupLeft(QStringLiteral("[_^]\\{")), pointed(QStringLiteral("\\d\\.\\d"));
        for (const QString& html : {q.text, q.feedback})
            QVERIFY2(!html.contains(markupLeft), qPrintable(q.name));
        QVERIFY2(!q.feedback.contains(pointed), qPrintable(q.feedback));
        // A box an answer, each the window's value and the practice's tolerance.
        static const QRegularExpression box(QStringLiteral("\\{1:(NUMERICAL|MULTICHOICE):=([^:}~]+)(?::([^}]+))?"));
        int boxes = 0;
        for (auto m = box.globalMatch(q.text); m.hasNext();) {
            const auto match = m.next();
            const Asked& a = e.asked.at(std::size_t(boxes++));
            if (match.captured(1) == u"NUMERICAL") {
                QCOMPARE(match.captured(2).toDouble(), read_number(answer_number(a.expected)).value);
                // The rule's tolerance, rounded up two digits past the answer's.
                const double tol = match.captured(3).toDouble();
                QVERIFY(tol >= tolerance(a.expected) * (1 - 1e-12));
                QVERIFY(tol <= tolerance(a.expected) + std::pow(10.0, -a.expected.answer->decimals - 2));
            } else {
                QCOMPARE(match.captured(2), QString::fromStdString(a.choices.at(std::size_t(a.expected.value))));
            }
        }
        QCOMPARE(boxes, int(e.asked.size()));
        QVERIFY(boxes > 0);
        // Every picture named is there, and is a PNG that decodes.
        static const QRegularExpression file(QStringLiteral("@@PLUGINFILE@@/([^\"]+)"));
        int named = 0;
        for (const QString& html : {q.text, q.feedback})
            for (auto m = file.globalMatch(html); m.hasNext(); ++named) {
                const QString name = m.next().captured(1);
                QVERIFY2(q.files.contains(name), qPrintable(name));
                QVERIFY(q.files[name].startsWith("\x89PNG"));
                QVERIFY(!QImage::fromData(q.files[name], "PNG").isNull());
            }
        QCOMPARE(named, int(q.files.size()));
        QVERIFY(q.feedback.contains(QStringLiteral("Dados")));
    }
    QCOMPARE(k, expected.size());
    // The same list code, the same bank.
    QCOMPARE(moodleBank(code, make_sheet({code, chosen, 3})), bank);
}

void MoodleTest::clozeSyntax()
{
    struct Row {
        const char* text;
        const char* escaped;
    };
    for (const Row& r : std::vector<Row>{{"|PA > PB | - Sistema", "|PA > PB | - Sistema"},
                                         {"a}b#c~d/e\"f\\g", "a\\}b\\#c\\~d\\/e\\\"f\\\\g"}})
        QCOMPARE(QString::fromStdString(escaped_choice(r.text)), QString::fromUtf8(r.escaped));
    for (const auto& [x, text] : std::vector<std::pair<double, const char*>>{
             {0, "0"}, {0.142857, "0.142857"}, {1e-4, "0.0001"}, {31560000, "31560000"}, {-2.5, "-2.5"}})
        QCOMPARE(QString::fromStdString(moodle_number(x)), QString::fromLatin1(text));
    const Answer sentence{.quantity = "motion", .name = "sentido", .symbol = nullptr, .unit = "",
                          .control = "Label17", .sentences = {"Em repouso", "Para a direita", "Para a esquerda"}};
    const Asked chosen{{&sentence, 1}, "Sentido", "", {"Em repouso", "Para a direita", "Para a esquerda"}};
    QCOMPARE(QString::fromStdString(cloze_answer(chosen)),
             u("{1:MULTICHOICE:=Para a direita~Em repouso~Para a esquerda}"));
    const Answer time{"t", "tempo", "t", "s", "Label8", "t = ", " s", 4, 4};
    QCOMPARE(QString::fromStdString(cloze_answer({{&time, 14.285714}, "Tempo", "s", {}})),
             u("{1:NUMERICAL:=14.2857:0.142858}"));
}

QTEST_MAIN(MoodleTest)
#include "moodle_test.moc"
