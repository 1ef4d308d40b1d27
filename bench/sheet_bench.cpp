// A teacher's large sheet: 30 versions of 10 exercises with the key and the
// worked solutions, from the list's code to a finished PDF, beside a floor:
// the same words (statements, answers and solutions as plain text) put on
// the same A4 pages by QTextDocument::print alone, without our layout, our
// figures or our calculators.
//
//   sheet_bench [runs]       (offscreen unless QT_QPA_PLATFORM is set)
//
// Prints, for each side, the median wall-clock and processor time of a run
// and the pages written, then the ratios. The whole must stay within a few
// seconds: exits 1 when our median processor time is 5 s or more (on a
// shared machine the wall-clock time measures the neighbours as much).
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <ctime>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "kit/core/markup.h"
#include "kit/frame/fonts.h"
#include "offscreen.h"
#include "sheets/frame/sheet_pages.h"
#include "topics/exercises.h"
#include "median.h"

namespace {

using namespace tavek;

constexpr int kCode = 4821;
constexpr int kVersions = 30;
constexpr double kLimitMs = 5000;
const char* const kChosen[] = {"form2.3", "form3.time", "form4.2", "form5.4", "form6.2",
                               "form7.4", "form8.5",    "form9.6", "form9.7", "form10.2"};

double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

SheetRequest request()
{
    SheetRequest r{kCode, {}, kVersions};
    for (const char* id : kChosen)
        r.exercises.push_back(find_exercise(id));
    return r;
}

struct Timing {
    double wallMs;
    double cpuMs;
    int pages;
    qint64 bytes;
    double modelCpuMs = 0; // of which the versions' numbers and answers
};

// Ours: the versions made by the windows' calculators, then every page.
Timing ours()
{
    QElapsedTimer wall;
    wall.start();
    const double cpu = cpuMs();
    const std::vector<SheetVersion> versions = make_sheet(request());
    const double model = cpuMs() - cpu;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&out);
        setSheetPageLayout(writer);
        QPainter painter(&writer);
        SheetLook look;
        look.key = SheetKey::Solutions;
        pages = paintSheet(writer, painter, kCode, versions, look);
    }
    return {static_cast<double>(wall.nsecsElapsed()) / 1e6, cpuMs() - cpu, pages, out.size(), model};
}

// The floor: the same text, made beforehand, printed as one plain document.
Timing floor(const QString& text)
{
    QElapsedTimer wall;
    wall.start();
    const double cpu = cpuMs();
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&out);
        setSheetPageLayout(writer);
        QTextDocument doc;
        doc.documentLayout()->setPaintDevice(&writer);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSizeF(12);
        doc.setDefaultFont(font);
        doc.setPageSize(QSizeF(writer.width(), writer.height()));
        doc.setPlainText(text);
        doc.print(&writer);
        pages = doc.pageCount();
    }
    return {static_cast<double>(wall.nsecsElapsed()) / 1e6, cpuMs() - cpu, pages, out.size()};
}

QString plainWords()
{
    QString text;
    for (const SheetVersion& v : make_sheet(request())) {
        for (const DrawnExercise& item : v.items)
            text += QString::fromStdString(item.statement) + QStringLiteral("\n\n");
        for (const DrawnExercise& item : v.items)
            for (const DrawnPart& part : item.parts) {
                for (const std::string& a : part.answers)
                    text += QString::fromStdString(a) + QLatin1Char('\n');
                for (const auto* lines : {&part.outcome.solution.data, &part.outcome.solution.formulas,
                                          &part.outcome.solution.substitutions})
                    for (const Line& line : *lines)
                        text += QString::fromStdString(to_plain(line)) + QLatin1Char('\n');
            }
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    bench::offscreenUnlessSet();
    QApplication app(argc, argv);
    installFonts();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QString words = plainWords();

    ours(); // fonts, figures and code paths warmed once, as after the first list of a session
    floor(words);
    std::vector<double> oursWall, oursCpu, oursModel, floorWall, floorCpu;
    Timing o{}, f{};
    for (int i = 0; i < runs; ++i) {
        o = ours();
        f = floor(words);
        oursWall.push_back(o.wallMs);
        oursCpu.push_back(o.cpuMs);
        oursModel.push_back(o.modelCpuMs);
        floorWall.push_back(f.wallMs);
        floorCpu.push_back(f.cpuMs);
    }
    const double ow = median(oursWall), oc = median(oursCpu), fw = median(floorWall), fc = median(floorCpu);
    std::printf("%d versions x %zu exercises, key with worked solutions, %d runs (medians)\n", kVersions,
                std::size(kChosen), runs);
    std::printf("  ours : %8.1f ms wall %8.1f ms cpu  %4d pages  %7lld kB\n", ow, oc, o.pages,
                static_cast<long long>(o.bytes / 1024));
    std::printf("         of which %.1f ms cpu make the versions' numbers and answers\n", median(oursModel));
    std::printf("  floor: %8.1f ms wall %8.1f ms cpu  %4d pages  %7lld kB\n", fw, fc, f.pages,
                static_cast<long long>(f.bytes / 1024));
    std::printf("  ratio: %8.2f wall     %8.2f cpu\n", ow / fw, oc / fc);
    return oc < kLimitMs ? 0 : 1;
}
