#include "sheets/frame/moodle_export.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QXmlStreamWriter>

#include <algorithm>
#include <climits>
#include <vector>

#include "kit/core/last_press.h"
#include "kit/core/markup.h"
#include "kit/frame/figure_view.h"
#include "kit/frame/save_file.h"
#include "kit/frame/statement_figure.h"
#include "sheets/core/moodle.h"

namespace tavek {

namespace {

// Figures drawn at twice their size on the screen, sharp where the browser
// zooms; the solution's figure as the solution window draws it.
constexpr qreal kScale = 2;
constexpr QSizeF kSolutionFigure(440, 300);

QString q(const std::string& s) { return QString::fromStdString(s); }
// The program's markup as the sheets print it: v₀ with its subscript, the
// decimal comma.
QString paper(const std::string& s) { return q(markup_html(s, Notation::Paper)); }

// At most 256 colours, the drawing's most frequent: its few inks and their
// softened edges. A figure's PNG is then about a third of its size in full
// colour, and looks the same.
QImage fewColours(const QImage& image)
{
    // Counted run by run: most of a figure is white paper.
    const int width = image.width();
    const int height = image.height();
    QHash<QRgb, int> counts;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width;) {
            int end = x + 1;
            while (end < width && row[end] == row[x])
                ++end;
            counts[row[x]] += end - x;
            x = end;
        }
    }
    std::vector<std::pair<int, QRgb>> byCount;
    byCount.reserve(static_cast<std::size_t>(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    byCount.resize(std::min<std::size_t>(byCount.size(), 256));
    QList<QRgb> table;
    QHash<QRgb, int> index;
    for (const auto& [count, colour] : byCount) {
        index.insert(colour, static_cast<int>(table.size()));
        table.push_back(colour);
    }
    const auto nearest = [&table](QRgb c) {
        int best = 0;
        int bestDistance = INT_MAX;
        for (int i = 0; i < table.size(); ++i) {
            const int dr = qRed(c) - qRed(table[i]), dg = qGreen(c) - qGreen(table[i]), db = qBlue(c) - qBlue(table[i]);
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        return best;
    };
    QImage reduced(image.size(), QImage::Format_Indexed8);
    reduced.setColorTable(table);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = reduced.scanLine(y);
        QRgb last = row[0] + 1; // no colour yet
        uchar lastIndex = 0;
        for (int x = 0; x < width; ++x) {
            if (row[x] != last) {
                last = row[x];
                auto it = index.constFind(last);
                if (it == index.cend())
                    it = index.insert(last, nearest(last));
                lastIndex = static_cast<uchar>(it.value());
            }
            out[x] = lastIndex;
        }
    }
    return reduced;
}

QByteArray png(const QSizeF& size, const std::function<void(QPainter&, const QRectF&)>& draw)
{
    QImage image((size * kScale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);
    draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    fewColours(image).save(&buffer, "PNG");
    return bytes;
}

struct Picture {
    QString name;
    QByteArray png;
    QString alt;
    QSizeF size;
};

QString imageHtml(const Picture& p)
{
    return QStringLiteral("<p><img src=\"@@PLUGINFILE@@/%1\" alt=\"%2\" width=\"%3\" height=\"%4\"></p>")
        .arg(p.name, p.alt.toHtmlEscaped())
        .arg(qRound(p.size.width()))
        .arg(qRound(p.size.height()));
}

void writeFile(QXmlStreamWriter& xml, const Picture& p)
{
    xml.writeStartElement(QStringLiteral("file"));
    xml.writeAttribute(QStringLiteral("name"), p.name);
    xml.writeAttribute(QStringLiteral("path"), QStringLiteral("/"));
    xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
    xml.writeCharacters(QString::fromLatin1(p.png.toBase64()));
    xml.writeEndElement();
}

void writeText(QXmlStreamWriter& xml, const QString& element, const QString& text)
{
    xml.writeStartElement(element);
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

// "Tempo até o alvo (t): {1:NUMERICAL:=14.2857:0.142857} s"
QString answerLine(const Asked& a, const std::string& part)
{
    QString line;
    if (!part.empty())
        line += paper(part) + QStringLiteral(" — ");
    line += paper(a.label);
    if (a.expected.answer->symbol)
        line += QStringLiteral(" (") + paper(a.expected.answer->symbol) + QLatin1Char(')');
    line += QStringLiteral(": ") + q(cloze_answer(a));
    if (!a.unit.empty())
        line += QLatin1Char(' ') + q(a.unit).toHtmlEscaped();
    return QStringLiteral("<p>") + line + QStringLiteral("</p>");
}

void writeQuestion(QXmlStreamWriter& xml, const MoodleQuestion& question)
{
    const DrawnExercise& drawn = *question.drawn;
    const QString id = q(question.idnumber);
    QString text = QStringLiteral("<p>") + paper(drawn.statement) + QStringLiteral("</p>");
    std::vector<Picture> statementFiles;
    const StatementFigure figure(drawn);
    if (!figure.isNull()) {
        Picture p{id + QStringLiteral(".png"),
                  png(figure.naturalSize(), [&figure](QPainter& painter, const QRectF& at) { figure.paint(painter, at); }),
                  figure.description(), figure.naturalSize()};
        text += imageHtml(p);
        statementFiles.push_back(std::move(p));
    }
    for (std::size_t i = 0; i < question.asked.size(); ++i)
        text += answerLine(question.asked[i], question.partOf[i]);

    QString feedback;
    std::vector<Picture> feedbackFiles;
    for (std::size_t k = 0; k < drawn.parts.size(); ++k) {
        const DrawnPart& part = drawn.parts[k];
        if (!part.label.empty())
            feedback += QStringLiteral("<p><i>") + paper(part.label) + QStringLiteral("</i></p>");
        feedback += q(solution_html(&part.outcome, Notation::Paper));
        if (const Figure* solution = figure_of(&part.outcome)) {
            // Its numbers written as the solution above them writes them.
            Figure f = *solution;
            use_decimal_comma(f);
            Picture p{id + QStringLiteral("-resolucao%1.png").arg(k + 1),
                      png(kSolutionFigure, [&f](QPainter& painter, const QRectF& at) { paintFigure(painter, at, f); }),
                      q(f.description), kSolutionFigure};
            feedback += imageHtml(p);
            feedbackFiles.push_back(std::move(p));
        }
    }

    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("cloze"));
    writeText(xml, QStringLiteral("name"), q(question.name));
    xml.writeStartElement(QStringLiteral("questiontext"));
    xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
    xml.writeStartElement(QStringLiteral("text"));
    xml.writeCDATA(text);
    xml.writeEndElement();
    for (const Picture& p : statementFiles)
        writeFile(xml, p);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("generalfeedback"));
    xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
    xml.writeStartElement(QStringLiteral("text"));
    xml.writeCDATA(feedback);
    xml.writeEndElement();
    for (const Picture& p : feedbackFiles)
        writeFile(xml, p);
    xml.writeEndElement();
    xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0.3333333"));
    xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("idnumber"), id);
    xml.writeEndElement();
}

} // namespace

QByteArray moodleBank(int code, const std::vector<SheetVersion>& versions, const MoodleStep& step)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    std::string category;
    for (const MoodleQuestion& question : moodle_questions(code, versions)) {
        if (question.category != category) {
            // Each exercise's versions in a category of their own: a quiz
            // draws one question from each.
            category = question.category;
            xml.writeStartElement(QStringLiteral("question"));
            xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
            writeText(xml, QStringLiteral("category"), q(category));
            xml.writeEndElement();
        }
        writeQuestion(xml, question);
        if (step && !step())
            return {};
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

ExportResult writeMoodleBank(const QString& path, int code, const std::vector<SheetVersion>& versions,
                             const MoodleStep& step, QString* why)
{
    const QByteArray bank = moodleBank(code, versions, step);
    if (bank.isEmpty())
        return ExportResult::Stopped;
    WholeFile file(path);
    if (file.open() && file.write(bank) == bank.size() && file.commit())
        return ExportResult::Written;
    if (why)
        *why = file.reason();
    return ExportResult::Failed;
}

} // namespace tavek
