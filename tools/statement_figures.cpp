// Draws the figure beside each exercise's statement for the versions of a
// list, as PNG files, to look at them all without laying out pages:
//
//   statement_figures OUT_DIR CODE VERSIONS [SCALE] [EXERCISE...]
//
// Each file is OUT_DIR/<exercise>-<version>.png, at SCALE (default 2) times
// the figure's size in the windows' pixels; the statement and the figure's
// description go to the standard output. Only exercises drawn for their own
// numbers are drawn, unless they are named.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <set>

#include "kit/frame/statement_figure.h"
#include "sheets/core/sheet.h"
#include "tools/sample_tool.h"

int main(int argc, char** argv)
{
    using namespace tavek;
    if (argc < 4) {
        std::fputs("usage: statement_figures OUT_DIR CODE VERSIONS [SCALE] [EXERCISE...]\n", stderr);
        return 2;
    }
    prepareSampleDisplay();
    QApplication app(argc, argv);
    installFonts();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    int first = 4;
    qreal scale = 2;
    if (argc > 4 && std::atof(argv[4]) > 0) {
        scale = std::atof(argv[4]);
        first = 5;
    }
    const auto exercises = namedExercises(argc, argv, first, "statement_figures",
                                          [](const ExerciseRecord& e) { return e.statementFigure != nullptr; });
    if (!exercises)
        return 2;
    const SheetRequest request{std::atoi(argv[2]), *exercises, std::atoi(argv[3])};
    for (const SheetVersion& v : make_sheet(request)) {
        for (const DrawnExercise& item : v.items) {
            const StatementFigure figure(item);
            if (figure.isNull())
                continue;
            const QSizeF size = figure.naturalSize();
            QImage image((size * scale).toSize(), QImage::Format_ARGB32);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::white);
            QPainter painter(&image);
            figure.paint(painter, QRectF(QPointF(0, 0), size));
            painter.end();
            const QString name = QStringLiteral("%1-%2.png").arg(QString::fromUtf8(item.exercise->id)).arg(v.number);
            if (!image.save(out.filePath(name)))
                return 1;
            std::printf("%s\n  %s\n  %s\n", qPrintable(name), item.statement.c_str(),
                        qPrintable(figure.description()));
        }
    }
    return 0;
}
