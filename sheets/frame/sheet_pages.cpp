#include "sheets/frame/sheet_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "kit/core/last_press.h"
#include "kit/frame/statement_figure.h"
#include "topics/exercises.h"

namespace tavek {

namespace {

// Sizes in points and millimetres: the page is paper, not a screen.
constexpr qreal kBodyPoints = 12;
constexpr qreal kTitlePoints = 14;
constexpr qreal kSolutionPoints = 11;
constexpr qreal kFooterPoints = 9;
constexpr qreal kFooterMm = 8;
constexpr qreal kHeadPoints = 10;
constexpr qreal kHeadMm = 10;        // the name line at the top of a version's every page
constexpr qreal kGridPoints = 8;
constexpr qreal kGridGapMm = 3;     // between two items of the grid
constexpr qreal kFlowMm = 40;        // the least of a worked solution begun at a page's foot
constexpr qreal kGapMm = 5;         // between two exercises
constexpr qreal kBelowGapMm = 2;    // between a statement and what it asks
constexpr qreal kFigureGapMm = 6;   // between a statement and the figure beside it
constexpr qreal kFigureWidth = 0.45; // of the text width, at most
constexpr qreal kFigureMaxMm = 65;  // the tallest a figure is drawn
constexpr qreal kWindowDpi = 96;    // the windows' pictures are laid out in pixels at 96 dpi

const QString kSerif = QStringLiteral("DejaVu Serif");
const QString kSans = QStringLiteral("DejaVu Sans");

QString q(const std::string& s) { return QString::fromStdString(s); }

// Without ligatures: "fi" stays two letters for whoever copies or searches
// the PDF's text.
QFont printed(const QString& family, qreal points)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setStyleStrategy(QFont::PreferNoShaping);
    // Outlines as drawn, not fitted to a screen's pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
QString html(const std::string& s) { return q(s).toHtmlEscaped(); }

// Text in the program's markup as rich text on paper: subscripts as tags,
// every number with the decimal comma, a unit never broken at its slash.
QString markupHtml(const std::string& s) { return q(markup_html(s, Notation::Paper)); }

// The room a student fills in: a line after the quantity's symbol and
// before its unit.
const QString kBlank = QStringLiteral("____________________");

// Room to work an exercise out, under the lines of its answers: more for
// more answers.
qreal roomMm(const DrawnExercise& item)
{
    std::size_t answers = 0;
    for (const DrawnQuestion& question : item.questions)
        answers += question.key.size();
    return std::clamp(12.0 + 3.0 * static_cast<qreal>(answers), 20.0, 45.0);
}

// A question answered for each line of a result list (Form11's seconds).
bool perLine(const DrawnQuestion& question)
{
    return question.key.size() > 1 || (!question.key.empty() && !question.key.front().line.empty());
}

QString symbolHtml(const Answer& a) { return a.symbol ? markupHtml(a.symbol) : QString(); }

// "a) velocidade média: v<sub>m</sub> = ______ m/s", "a) 350 mm = ______ m":
// what the sheet asks, each quantity with the line for its answer and its unit.
QString questionsHtml(const DrawnExercise& item)
{
    QString r;
    QStringList listed;
    const DrawnQuestion* rows = nullptr;
    for (const DrawnQuestion& question : item.questions) {
        const Answer& a = *question.answer;
        const QString letter = html(question.letter);
        if (perLine(question)) {
            listed << QStringLiteral("%1 %2, %3").arg(letter, markupHtml(a.name), symbolHtml(a));
            if (!rows || question.key.size() > rows->key.size())
                rows = &question;
            continue;
        }
        QString line;
        if (!question.amount.empty())
            line = QStringLiteral("%1 %2&nbsp;=&nbsp;%3&nbsp;%4")
                       .arg(letter, markupHtml(question.amount), kBlank, html(a.unit));
        else if (!a.symbol)
            line = QStringLiteral("%1 %2: %3%3").arg(letter, markupHtml(a.name), kBlank);
        else
            // The symbol, its line and its unit held together on one line.
            line = QStringLiteral("%1 %2: %3&nbsp;=&nbsp;%4&nbsp;%5")
                       .arg(letter, markupHtml(a.name), symbolHtml(a), kBlank, html(a.unit));
        r += QStringLiteral("<p style=\"margin-left:16px; margin-top:9px; margin-bottom:0px\">%1</p>").arg(line);
    }
    if (rows) {
        r += QStringLiteral("<p style=\"margin-left:16px; margin-top:9px; margin-bottom:0px\">%1.</p>")
                 .arg(listed.join(QStringLiteral("; ")));
        // A row per line of the list, a column per question headed with its unit.
        r += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                            "style=\"margin-left:16px; border-collapse:collapse\"><tr><th></th>");
        for (const DrawnQuestion& question : item.questions)
            if (perLine(question))
                r += QStringLiteral("<th>%1 %2 (%3)</th>")
                         .arg(html(question.letter), symbolHtml(*question.answer), html(question.answer->unit));
        r += QStringLiteral("</tr>");
        const QString room = QStringLiteral("&nbsp;").repeated(28);
        for (const DrawnQuestion::Entry& e : rows->key) {
            r += QStringLiteral("<tr><td>%1</td>").arg(markupHtml(e.line));
            for (qsizetype k = 0; k < listed.size(); ++k)
                r += QStringLiteral("<td>%1</td>").arg(room);
            r += QStringLiteral("</tr>");
        }
        r += QStringLiteral("</table>");
    }
    return r;
}

// One piece of the page flow: rich text, perhaps a figure at its right,
// perhaps blank room below. A piece taller than a whole page (a long worked
// solution) is cut between two lines.
struct Block {
    std::unique_ptr<QTextDocument> text;
    std::optional<StatementFigure> figure = {};
    QSizeF figureSize = {};
    qreal figureGap = 0;
    // Under the text and its figure, across the whole width: what the
    // statement asks. A block with it is never cut.
    std::unique_ptr<QTextDocument> below = {};
    qreal belowGap = 0;
    qreal before = 0; // blank above it, unless it opens a page
    qreal room = 0;   // blank below it
    int version = 0;  // which version it belongs to, counted from 0
    bool grid = false; // rows of the grading grid, up to that version's
    bool flows = false; // may start at a page's foot and go on over the next

    qreal textHeight() const { return text->size().height(); }
    qreal top() const { return std::max(textHeight(), figure ? figureSize.height() : 0.0); }
    qreal belowHeight() const { return below ? belowGap + below->size().height() : 0.0; }
    qreal height() const { return top() + belowHeight() + room; }
};

struct Placed {
    const Block* block;
    qreal y;    // where on the page its slice starts
    qreal from; // the slice of its text, in the text's own coordinates
    qreal to;
    bool whole;
};
using Page = std::vector<Placed>;

class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter)
        : device_(device), painter_(painter), dpi_(device.logicalDpiY()), width_(device.width()),
          height_(device.height())
    {
    }

    // A line at the top of every page planned and painted from here on
    // (empty: none).
    void setHead(const QString& head) { head_ = head; }

    qreal mm(qreal v) const { return v * dpi_ / 25.4; }

    std::unique_ptr<QTextDocument> text(const QString& body, qreal points = kBodyPoints) const
    {
        auto doc = std::make_unique<QTextDocument>();
        // Laid out for the paper's own resolution, so that what is measured
        // here is what is printed.
        doc->documentLayout()->setPaintDevice(&device_);
        doc->setDocumentMargin(0);
        doc->setDefaultFont(printed(kSerif, points));
        doc->setTextWidth(width_);
        doc->setHtml(body);
        return doc;
    }

    // The statement's figure at its right, at its size on the screen unless
    // that would leave the statement too narrow; the statement is laid out
    // again beside it.
    void addFigure(Block& b, const DrawnExercise& item)
    {
        StatementFigure figure(item);
        if (figure.isNull())
            return;
        QSizeF size = figure.naturalSize() * (dpi_ / kWindowDpi);
        const QSizeF most(std::min(size.width(), width_ * kFigureWidth), std::min(size.height(), mm(kFigureMaxMm)));
        size = size.scaled(most, Qt::KeepAspectRatio);
        b.figure.emplace(std::move(figure));
        b.figureSize = size;
        b.figureGap = mm(kFigureGapMm);
        b.text->setTextWidth(width_ - size.width() - b.figureGap);
    }

    std::vector<Page> plan(const std::vector<Block>& blocks) const
    {
        const qreal room = content();
        std::vector<Page> pages(1);
        qreal y = 0;
        for (const Block& b : blocks) {
            qreal gap = y > 0 ? b.before : 0;
            // A worked solution goes on where the page has room for a few lines
            // of it; an exercise at a page's foot keeps half its room to work
            // at least, the rest of the page.
            const bool goesOn = b.flows && room - y - gap >= mm(kFlowMm);
            const qreal least = b.height() - b.room / 2;
            if (y > 0 && y + gap + least > room && !goesOn) {
                pages.emplace_back();
                y = 0;
                gap = 0;
            }
            y += gap;
            if (b.height() <= room - y || b.below) {
                pages.back().push_back({&b, y, 0, b.textHeight(), true});
                y = std::min(room, y + b.height());
                continue;
            }
            // Taller than the page's room: its text, line by line, over as many as it takes.
            for (qreal from = 0;;) {
                const qreal to = sliceEnd(b, from, room - y);
                pages.back().push_back({&b, y, from, to, false});
                if (to >= b.textHeight()) {
                    y += to - from + b.room;
                    break;
                }
                pages.emplace_back();
                y = 0;
                from = to;
            }
        }
        return pages;
    }

    void paint(const Page& page, const QString& footer, int number, int count)
    {
        if (painted_++)
            device_.newPage();
        painter_.save();
        if (!head_.isEmpty()) {
            painter_.setFont(printed(kSans, kHeadPoints));
            painter_.setPen(Qt::black);
            painter_.drawText(QRectF(0, 0, width_, mm(kHeadMm) / 2), Qt::AlignLeft | Qt::AlignTop, head_);
            painter_.translate(0, mm(kHeadMm));
        }
        for (const Placed& p : page) {
            const Block& b = *p.block;
            painter_.save();
            painter_.translate(0, p.y - p.from);
            b.text->drawContents(&painter_, QRectF(0, p.from, width_, p.to - p.from));
            if (p.whole && b.figure)
                b.figure->paint(painter_, QRectF(QPointF(width_ - b.figureSize.width(), 0), b.figureSize));
            if (p.whole && b.below) {
                painter_.translate(0, b.top() + b.belowGap);
                b.below->drawContents(&painter_);
            }
            painter_.restore();
        }
        painter_.restore();
        painter_.setFont(printed(kSans, kFooterPoints));
        painter_.setPen(Qt::black);
        const QRectF foot(0, height_ - mm(kFooterMm) / 2, width_, mm(kFooterMm) / 2);
        painter_.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, footer);
        painter_.drawText(foot, Qt::AlignRight | Qt::AlignBottom,
                          QStringLiteral("página %1 de %2").arg(number).arg(count));
    }

    int painted() const { return painted_; }

    // The height a page holds, between its head and its footer.
    qreal content() const { return height_ - mm(kFooterMm) - (head_.isEmpty() ? 0 : mm(kHeadMm)); }

private:
    // The lowest line bottom of the text that still fits below `from`.
    qreal sliceEnd(const Block& b, qreal from, qreal room) const
    {
        const qreal limit = from + room;
        if (b.textHeight() <= limit)
            return b.textHeight();
        qreal best = from;
        QAbstractTextDocumentLayout* layout = b.text->documentLayout();
        for (QTextBlock tb = b.text->begin(); tb.isValid(); tb = tb.next()) {
            const qreal top = layout->blockBoundingRect(tb).top();
            const QTextLayout* lines = tb.layout();
            for (int i = 0; i < lines->lineCount(); ++i) {
                const qreal bottom = top + lines->lineAt(i).y() + lines->lineAt(i).height();
                if (bottom <= limit && bottom > best)
                    best = bottom;
            }
        }
        return best > from ? best : limit; // a line taller than a page is cut where the page ends
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    qreal dpi_;
    qreal width_;
    qreal height_;
    QString head_;
    int painted_ = 0;
};

QString headerHtml(int code, int version, const SheetLook& look)
{
    QString fields;
    const std::pair<const char*, QString> named[] = {
        {"Escola", look.school}, {"Professor", look.teacher}, {"Turma", look.group}, {"Data", look.date}};
    for (const auto& [name, value] : named)
        if (!value.trimmed().isEmpty())
            fields += QStringLiteral("%1: %2<br>").arg(QString::fromUtf8(name), value.trimmed().toHtmlEscaped());
    return QStringLiteral("<p>%1</p><p style=\"font-size:%2pt\"><b>%3</b></p><hr>")
        .arg(fields)
        .arg(kTitlePoints)
        .arg(sheetTitle(code, version).toHtmlEscaped());
}

// What a student writes on every page of his version, should the pages part.
const QString kNameLine = QStringLiteral("Nome: ________________________________________________   "
                                         "N\u00ba: ______");

// "Sistema em repouso", "12,5 m/s": a question's answer in the key, a list's
// line by line.
QString answerHtml(const DrawnQuestion& question)
{
    QStringList entries;
    for (const DrawnQuestion::Entry& e : question.key) {
        const QString text = markupHtml(e.text);
        entries << (e.line.empty() ? text : QStringLiteral("%1: %2").arg(markupHtml(e.line), text));
    }
    QString r = entries.join(QStringLiteral("<br>"));
    if (!question.amount.empty())
        r = QStringLiteral("%1 = %2").arg(markupHtml(question.amount), r);
    return r;
}

// The head of a question in the key: "a) t", "a) sentido do movimento".
QString questionHead(const DrawnQuestion& question)
{
    const Answer& a = *question.answer;
    return QStringLiteral("%1 %2").arg(html(question.letter), a.symbol ? markupHtml(a.symbol) : markupHtml(a.name));
}

// "3. Míssil solto de uma nave"
QString itemTitle(const DrawnExercise& item, int index)
{
    return QStringLiteral("<b>%1.</b> %2").arg(index).arg(html(item.exercise->title));
}

// The grading grid of one item of the sheet: a row per version, a column per
// question, the final answers with their units; a long row is cut into
// bands of a few columns, stacked.
constexpr std::size_t kGridColumns = 7;

QString gridHtml(const std::vector<SheetVersion>& versions, std::size_t item, std::size_t from, std::size_t to)
{
    const DrawnExercise& first = versions[from].items[item];
    QString r = QStringLiteral("<p>%1</p>").arg(itemTitle(first, static_cast<int>(item) + 1));
    const std::size_t questions = first.questions.size();
    for (std::size_t band = 0; band < questions; band += kGridColumns) {
        const std::size_t end = std::min(questions, band + kGridColumns);
        r += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" "
                            "style=\"border-collapse:collapse; margin-top:2pt\"><tr>"
                            "<th width=\"1%\" style=\"white-space:nowrap\">Versão</th>");
        for (std::size_t k = band; k < end; ++k)
            r += QStringLiteral("<th>%1</th>").arg(questionHead(first.questions[k]));
        r += QStringLiteral("</tr>");
        for (std::size_t v = from; v < to; ++v) {
            const DrawnExercise& drawn = versions[v].items[item];
            r += QStringLiteral("<tr><td align=\"center\">%1</td>").arg(versions[v].number);
            for (std::size_t k = band; k < end; ++k)
                r += QStringLiteral("<td>%1</td>")
                         .arg(k < drawn.questions.size() ? answerHtml(drawn.questions[k]) : QString());
            r += QStringLiteral("</tr>");
        }
        r += QStringLiteral("</table>");
    }
    return r;
}

// Rows of the grid a page holds under an item's title: lines of answers,
// counted over a row's tallest cell and over its bands.
constexpr std::size_t kGridLines = 44;

// One version's item in the key with its worked solution: the data as the
// statement gives them, the answers as the sheet asks them, then how they
// come out, all on paper.
QString solutionHtml(const DrawnExercise& item, int index, bool first, int version)
{
    QString r;
    if (first)
        r += QStringLiteral("<p style=\"font-size:%1pt\"><b>Versão %2</b></p>").arg(kTitlePoints).arg(version);
    r += QStringLiteral("<p>%1</p>").arg(itemTitle(item, index));
    if (!item.data.empty()) {
        QStringList data;
        for (const DrawnDatum& d : item.data)
            data << markupHtml(d.symbol + " = " + with_unit(d.value, d.unit));
        r += QStringLiteral("<p>Dados: %1</p>").arg(data.join(QStringLiteral("; ")));
    }
    QStringList answers;
    for (const DrawnQuestion& question : item.questions) {
        if (!question.amount.empty()) // "a) 350 mm = 0,35000000 m"
            answers << QStringLiteral("%1 %2").arg(html(question.letter), answerHtml(question));
        else if (perLine(question)) // "a) τ:" and a line for each second
            answers << QStringLiteral("%1:<br>%2").arg(questionHead(question), answerHtml(question));
        else
            answers << QStringLiteral("%1 = %2").arg(questionHead(question), answerHtml(question));
    }
    r += QStringLiteral("<p>%1</p>").arg(answers.join(QStringLiteral("<br>")));
    r += QStringLiteral("<p><i>Resolução</i></p><div style=\"font-size:%1pt\">").arg(kSolutionPoints);
    for (const DrawnPart& part : item.parts) {
        if (!part.label.empty())
            r += QStringLiteral("<p><i>%1</i></p>").arg(markupHtml(part.label));
        r += q(solution_html(&part.outcome, Notation::Paper));
    }
    r += QStringLiteral("</div>");
    return r;
}

// Whose answers a page of the key holds: "Lista 4821 - Gabarito da versão 3",
// "… das versões 3 e 4".
QString keyFooter(int code, const Page& page, const std::vector<SheetVersion>& versions)
{
    int first = -1;
    int last = -1;
    for (const Placed& p : page) {
        if (p.block->version < 0 || p.block->grid)
            continue;
        const int number = versions[static_cast<std::size_t>(p.block->version)].number;
        first = first < 0 ? number : std::min(first, number);
        last = std::max(last, number);
    }
    if (first < 0)
        return QStringLiteral("Lista %1 - Gabarito").arg(code);
    if (first == last)
        return QStringLiteral("Lista %1 - Gabarito da versão %2").arg(code).arg(first);
    const QString joint = last == first + 1 ? QStringLiteral(" e ") : QStringLiteral(" a ");
    return QStringLiteral("Lista %1 - Gabarito das versões %2%3%4").arg(code).arg(first).arg(joint).arg(last);
}

} // namespace

QString sheetTitle(int code, int version) { return QStringLiteral("Lista %1 - Versão %2").arg(code).arg(version); }

void setSheetPageLayout(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(30, 30, 20, 20),
                                     QPageLayout::Millimeter));
}

int sheetPaintSteps(int versions, SheetKey key) { return key == SheetKey::None ? versions : 3 * versions; }

int paintSheet(QPagedPaintDevice& device, QPainter& painter, int code, const std::vector<SheetVersion>& versions,
               const SheetLook& look, const SheetStep& step)
{
    Pages pages(device, painter);
    auto go = [&step] { return !step || step(); };

    pages.setHead(kNameLine);
    for (const SheetVersion& v : versions) {
        std::vector<Block> blocks;
        blocks.push_back({.text = pages.text(headerHtml(code, v.number, look)), .room = pages.mm(2)});
        int index = 0;
        for (const DrawnExercise& item : v.items) {
            Block b{.text = pages.text(QStringLiteral("<p><b>%1.</b> %2</p>")
                                           .arg(++index)
                                           .arg(markupHtml(item.statement))),
                    .below = pages.text(questionsHtml(item)),
                    .belowGap = pages.mm(kBelowGapMm),
                    .before = pages.mm(kGapMm),
                    .room = pages.mm(roomMm(item))};
            pages.addFigure(b, item);
            // A long exercise keeps to one page, with less room to work.
            b.room = std::max(0.0, std::min(b.room, pages.content() - b.top() - b.belowHeight()));
            blocks.push_back(std::move(b));
        }
        const std::vector<Page> planned = pages.plan(blocks);
        for (std::size_t i = 0; i < planned.size(); ++i)
            pages.paint(planned[i], sheetTitle(code, v.number), static_cast<int>(i) + 1,
                        static_cast<int>(planned.size()));
        if (!go())
            return 0;
    }
    pages.setHead({});
    if (look.key == SheetKey::None || versions.empty())
        return pages.painted();

    // The key opens with the grading grid, an item after another, each in
    // bands of versions a page holds.
    std::vector<Block> blocks;
    blocks.push_back({.text = pages.text(QStringLiteral("<p style=\"font-size:%1pt\"><b>Gabarito - Lista %2</b></p>"
                                                        "<p>Quadro de respostas: uma linha por versão, uma coluna por "
                                                        "item pedido; as respostas finais, com as unidades, como o "
                                                        "programa as calcula para os dados de cada versão.</p><hr>")
                                             .arg(kTitlePoints)
                                             .arg(code)),
                      .version = -1});
    const std::size_t items = versions.front().items.size();
    const auto linesOf = [&](std::size_t v, std::size_t item) {
        const std::vector<DrawnQuestion>& questions = versions[v].items[item].questions;
        std::size_t lines = 1;
        for (const DrawnQuestion& question : questions)
            lines = std::max(lines, question.key.size());
        return lines * ((questions.size() + kGridColumns - 1) / kGridColumns);
    };
    for (std::size_t item = 0; item < items; ++item) {
        for (std::size_t from = 0; from < versions.size();) {
            std::size_t to = from;
            for (std::size_t lines = 0; to < versions.size() && (to == from || lines + linesOf(to, item) <= kGridLines);
                 ++to)
                lines += linesOf(to, item);
            blocks.push_back({.text = pages.text(gridHtml(versions, item, from, to), kGridPoints),
                              .before = pages.mm(kGridGapMm),
                              .version = static_cast<int>(to) - 1,
                              .grid = true});
            from = to;
        }
    }
    for (std::size_t vi = 0; vi < versions.size(); ++vi) {
        const SheetVersion& v = versions[vi];
        if (look.key == SheetKey::Solutions) {
            for (std::size_t k = 0; k < v.items.size(); ++k) {
                const int index = static_cast<int>(k) + 1;
                blocks.push_back({.text = pages.text(solutionHtml(v.items[k], index, k == 0, v.number)),
                                  .before = pages.mm(k == 0 ? 2 * kGapMm : kGapMm),
                                  .version = static_cast<int>(vi),
                                  .flows = true});
            }
        }
        // Laying the key out takes as long as painting it.
        if (!go())
            return 0;
    }
    const std::vector<Page> planned = pages.plan(blocks);
    // A version's part of the key is done with the page that ends its last
    // block: its rows of the grid, its solutions.
    std::vector<std::size_t> lastPage(versions.size());
    for (std::size_t i = 0; i < planned.size(); ++i)
        for (const Placed& p : planned[i])
            if (p.block->version >= 0 && p.to >= p.block->textHeight())
                for (std::size_t v = p.block->grid ? 0 : static_cast<std::size_t>(p.block->version);
                     v <= static_cast<std::size_t>(p.block->version); ++v)
                    lastPage[v] = std::max(lastPage[v], i);
    std::size_t done = 0;
    for (std::size_t i = 0; i < planned.size(); ++i) {
        pages.paint(planned[i], keyFooter(code, planned[i], versions), static_cast<int>(i) + 1,
                    static_cast<int>(planned.size()));
        for (; done < versions.size() && lastPage[done] <= i; ++done)
            if (!go())
                return 0;
    }
    return pages.painted();
}

} // namespace tavek
