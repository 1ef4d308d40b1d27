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

#include "sheets/frame/sheet_pdf.h"
#include "tools/sample_tool.h"

int main(int argc, char** argv)
{
    using namespace tavek;
    if (argc < 5) {
        std::fputs("usage: sheet_sample OUT.pdf CODE VERSIONS none|answers|solutions [EXERCISE...]\n", stderr);
        return 2;
    }
    prepareSampleDisplay();
    QApplication app(argc, argv);
    installFonts();

    const auto exercises = namedExercises(argc, argv, 5, "sheet_sample");
    if (!exercises)
        return 2;
    const SheetRequest request{std::atoi(argv[2]), *exercises, std::atoi(argv[3])};
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
