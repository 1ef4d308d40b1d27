// Writes a list's Moodle question bank without the dialogs, for the
// documentation and for reading a bank by hand:
//
//   moodle_sample OUT.xml CODE VERSIONS [EXERCISE...]
//
// EXERCISE is an id such as form4.1; none given means every exercise. It
// prints how long the bank took and how large it is.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

#include "sheets/frame/moodle_export.h"
#include "tools/sample_tool.h"

int main(int argc, char** argv)
{
    using namespace tavek;
    if (argc < 4) {
        std::fputs("usage: moodle_sample OUT.xml CODE VERSIONS [EXERCISE...]\n", stderr);
        return 2;
    }
    prepareSampleDisplay();
    QApplication app(argc, argv);
    installFonts();

    const auto exercises = namedExercises(argc, argv, 4, "moodle_sample");
    if (!exercises)
        return 2;
    const SheetRequest request{std::atoi(argv[2]), *exercises, std::atoi(argv[3])};
    QElapsedTimer clock;
    clock.start();
    QString why;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const ExportResult r = writeMoodleBank(path, request.code, make_sheet(request), {}, &why);
    if (r != ExportResult::Written) {
        std::fprintf(stderr, "moodle_sample: %s\n", qPrintable(why));
        return 1;
    }
    std::printf("%s: %zu exercises x %d versions, %.1f MB in %.1f s\n", argv[1], request.exercises.size(),
                request.versions, static_cast<double>(QFileInfo(path).size()) / (1024.0 * 1024.0),
                static_cast<double>(clock.elapsed()) / 1000.0);
    return 0;
}
