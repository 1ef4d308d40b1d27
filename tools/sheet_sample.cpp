// Writes an exercise sheet as a PDF without the dialogs, for the
// documentation's pictures and for looking at the pages:
//
//   sheet_sample OUT.pdf CODE VERSIONS none|answers|solutions [EXERCISE...]
//
// EXERCISE is an id such as form4.1; none given means every exercise.
// tools/sheet-screenshots renders the pages to PNG with pdftoppm.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "kit/frame/fonts.h"
#include "sheets/frame/sheet_pdf.h"
#include "topics/exercises.h"

int main(int argc, char** argv)
{
    using namespace tavek;
    if (argc < 5) {
        std::fputs("usage: sheet_sample OUT.pdf CODE VERSIONS none|answers|solutions [EXERCISE...]\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFonts();

    SheetRequest request{std::atoi(argv[2]), {}, std::atoi(argv[3])};
    for (int i = 5; i < argc; ++i) {
        const ExerciseRecord* e = find_exercise(argv[i]);
        if (!e) {
            std::fprintf(stderr, "sheet_sample: no exercise %s\n", argv[i]);
            return 2;
        }
        request.exercises.push_back(e);
    }
    if (request.exercises.empty())
        for (const ExerciseRecord* e : all_exercises())
            request.exercises.push_back(e);
    SheetLook look;
    look.school = QStringLiteral("Escola Estadual Exemplo");
    look.teacher = QStringLiteral("Prof. Ana Souza");
    look.group = QStringLiteral("1º ano B");
    look.date = QStringLiteral("12/05/2025");
    look.key = std::strcmp(argv[4], "none") == 0      ? SheetKey::None
               : std::strcmp(argv[4], "answers") == 0 ? SheetKey::Answers
                                                      : SheetKey::Solutions;
    const PdfResult r = writeSheetPdf(QString::fromLocal8Bit(argv[1]), request.code, make_sheet(request), look);
    return r == PdfResult::Written ? 0 : 1;
}
