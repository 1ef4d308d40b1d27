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
constexpr qreal kMarkPoints = 8;
constexpr qreal kFooterMm = 8;
constexpr qreal kGapMm = 5;         // between two exercises
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

// A statement as rich text, a unit such as m/s² never broken at its slash:
// a word joiner holds the slash to what follows it.
QString statementHtml(const std::string& s)
{
    return html(s).replace(QStringLiteral("/"), QStringLiteral("/\u2060"));
}

// Room to work an exercise out: more for more answers.
qreal roomMm(const DrawnExercise& item)
{
    std::size_t answers = 0;
    for (const DrawnPart& p : item.parts)
        answers += p.answers.size();
    return std::clamp(15.0 + 4.0 * static_cast<qreal>(answers), 25.0, 55.0);
}

// One piece of the page flow: rich text, perhaps a figure at its right,
// perhaps blank room below. A piece taller than a whole page (a long worked
// solution) is cut between two lines.
struct Block {
    std::unique_ptr<QTextDocument> text;
    std::optional<StatementFigure> figure = {};
    QSizeF figureSize = {};
    qreal figureGap = 0;
    qreal before = 0; // blank above it, unless it opens a page
    qreal room = 0;   // blank below it
    int version = 0;  // which version it belongs to, counted from 0

    qreal textHeight() const { return text->size().height(); }
    qreal height() const { return std::max(textHeight(), figure ? figureSize.height() : 0.0) + room; }
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
          height_(device.height()), content_(height_ - mm(kFooterMm))
    {
    }

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
        std::vector<Page> pages(1);
        qreal y = 0;
        for (const Block& b : blocks) {
            qreal gap = y > 0 ? b.before : 0;
            if (y > 0 && y + gap + b.height() > content_) {
                pages.emplace_back();
                y = 0;
                gap = 0;
            }
            y += gap;
            if (b.height() <= content_ - y) {
                pages.back().push_back({&b, y, 0, b.textHeight(), true});
                y += b.height();
                continue;
            }
            // Taller than a page: its text, line by line, over as many as it takes.
            for (qreal from = 0;;) {
                const qreal to = sliceEnd(b, from, content_ - y);
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
        for (const Placed& p : page) {
            const Block& b = *p.block;
            painter_.save();
            painter_.translate(0, p.y - p.from);
            b.text->drawContents(&painter_, QRectF(0, p.from, width_, p.to - p.from));
            if (p.whole && b.figure)
                drawFigure(b, QRectF(QPointF(width_ - b.figureSize.width(), 0), b.figureSize));
            painter_.restore();
        }
        painter_.setFont(printed(kSans, kFooterPoints));
        painter_.setPen(Qt::black);
        const QRectF foot(0, height_ - mm(kFooterMm) / 2, width_, mm(kFooterMm) / 2);
        painter_.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, footer);
        painter_.drawText(foot, Qt::AlignRight | Qt::AlignBottom,
                          QStringLiteral("página %1 de %2").arg(number).arg(count));
    }

    int painted() const { return painted_; }

private:
    void drawFigure(const Block& b, const QRectF& at) { b.figure->paint(painter_, at, markFont()); }

    static QFont markFont()
    {
        QFont font = printed(kSans, kMarkPoints);
        font.setBold(true);
        return font;
    }

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
    qreal content_;
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
    return QStringLiteral("<p>%1</p><p style=\"font-size:%2pt\"><b>%3</b></p>"
                          "<p>Nome: ________________________________________________ "
                          "N\u00ba: ______</p><hr>")
        .arg(fields)
        .arg(kTitlePoints)
        .arg(sheetTitle(code, version).toHtmlEscaped());
}

// "Lançamentos - exercício 1)", "Conversões de Unidades - Unidades de Massa"
QString origin(const ExerciseRecord& e)
{
    const QString window = QString::fromUtf8(exercise_window_name(e.form));
    if (*e.number)
        return QStringLiteral("%1 - exercício %2 %3")
            .arg(window, QString::fromUtf8(e.number), QString::fromUtf8(e.title));
    return QStringLiteral("%1 - %2").arg(window, QString::fromUtf8(e.title));
}

QString keyHtml(const DrawnExercise& item, int index, bool first, int version, SheetKey key)
{
    QString r;
    if (first)
        r += QStringLiteral("<p style=\"font-size:%1pt\"><b>Versão %2</b></p>").arg(kTitlePoints).arg(version);
    r += QStringLiteral("<p><b>%1.</b> %2</p>").arg(index).arg(origin(*item.exercise).toHtmlEscaped());
    if (!item.data.empty()) {
        QStringList data;
        for (const DrawnDatum& d : item.data)
            data << html(d.label + " = " + with_unit(d.value, d.unit)) +
                        (d.drawn ? QStringLiteral(" (sorteado)") : QString());
        r += QStringLiteral("<p>Dados: %1</p>").arg(data.join(QStringLiteral("; ")));
    }
    QStringList answers;
    for (const DrawnPart& part : item.parts)
        for (const std::string& a : part.answers)
            answers << html(part.label.empty() ? a : part.label + ": " + a)
                           .replace(QStringLiteral("-&gt;"), QStringLiteral("-\u2060&gt;")); // an arrow stays whole
    // The window's texts as it writes them, blanks and all.
    r += QStringLiteral("<p style=\"font-family:'%1'; white-space:pre-wrap\">%2</p>")
             .arg(kSans, answers.join(QStringLiteral("<br>")));
    if (key == SheetKey::Solutions) {
        r += QStringLiteral("<p><i>Resolução</i></p><div style=\"font-size:%1pt\">").arg(kSolutionPoints);
        for (const DrawnPart& part : item.parts) {
            if (!part.label.empty())
                r += QStringLiteral("<p><i>%1</i></p>").arg(html(part.label));
            r += q(solution_html(&part.outcome));
        }
        r += QStringLiteral("</div>");
    }
    return r;
}

// Whose answers a page of the key holds: "Lista 4821 - Gabarito da versão 3",
// "… das versões 3 e 4".
QString keyFooter(int code, const Page& page, const std::vector<SheetVersion>& versions)
{
    int first = -1;
    int last = -1;
    for (const Placed& p : page) {
        if (p.block->version < 0)
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

    for (const SheetVersion& v : versions) {
        std::vector<Block> blocks;
        blocks.push_back({.text = pages.text(headerHtml(code, v.number, look)), .room = pages.mm(2)});
        int index = 0;
        for (const DrawnExercise& item : v.items) {
            Block b{.text = pages.text(QStringLiteral("<p><b>%1.</b> %2</p>")
                                           .arg(++index)
                                           .arg(statementHtml(item.statement))),
                    .before = pages.mm(kGapMm),
                    .room = pages.mm(roomMm(item))};
            pages.addFigure(b, item);
            blocks.push_back(std::move(b));
        }
        const std::vector<Page> planned = pages.plan(blocks);
        for (std::size_t i = 0; i < planned.size(); ++i)
            pages.paint(planned[i], sheetTitle(code, v.number), static_cast<int>(i) + 1,
                        static_cast<int>(planned.size()));
        if (!go())
            return 0;
    }
    if (look.key == SheetKey::None || versions.empty())
        return pages.painted();

    std::vector<Block> blocks;
    blocks.push_back({.text = pages.text(QStringLiteral("<p style=\"font-size:%1pt\"><b>Gabarito - Lista %2</b></p>"
                                                        "<p>As respostas como as janelas do programa as escrevem "
                                                        "para os dados de cada versão.</p><hr>")
                                             .arg(kTitlePoints)
                                             .arg(code)),
                      .version = -1});
    for (std::size_t vi = 0; vi < versions.size(); ++vi) {
        const SheetVersion& v = versions[vi];
        for (std::size_t k = 0; k < v.items.size(); ++k) {
            const int index = static_cast<int>(k) + 1;
            blocks.push_back({.text = pages.text(keyHtml(v.items[k], index, k == 0, v.number, look.key)),
                              .before = pages.mm(k == 0 ? 2 * kGapMm : kGapMm),
                              .version = static_cast<int>(vi)});
        }
        // Laying the key out takes as long as painting it.
        if (!go())
            return 0;
    }
    const std::vector<Page> planned = pages.plan(blocks);
    // A version's part of the key is done with the page that ends its last exercise.
    std::vector<std::size_t> lastPage(versions.size());
    for (std::size_t i = 0; i < planned.size(); ++i)
        for (const Placed& p : planned[i])
            if (p.block->version >= 0 && p.to >= p.block->textHeight())
                lastPage[static_cast<std::size_t>(p.block->version)] = i;
    std::size_t done = 0;
    for (std::size_t i = 0; i < planned.size(); ++i) {
        pages.paint(planned[i], keyFooter(code, planned[i], versions), static_cast<int>(i) + 1,
                    static_cast<int>(planned.size()));
        for (; done < versions.size() && lastPage[done] == i; ++done)
            if (!go())
                return 0;
    }
    return pages.painted();
}

} // namespace tavek
