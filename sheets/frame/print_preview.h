#pragma once
// The print preview of a sheet. Qt's printing library (and CUPS behind it)
// is loaded only when a teacher asks for the preview: the preview lives in a
// module of its own, tavek-print-preview, beside the program.
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QPageLayout;
class QPagedPaintDevice;
class QWidget;

namespace tavek {

struct PrintPreview {
    QWidget* parent = nullptr;
    QString documentName;
    QString title;
    // Sets the page size and margins of the printer, before the preview.
    std::function<void(QPagedPaintDevice& printer)> layOut;
    // Paints the pages, for the preview (`preview` true: it may give up, and
    // then rejects `shownIn`) or for the printer chosen from it.
    std::function<void(QPagedPaintDevice& target, QDialog& shownIn, bool preview)> paint;
    // Printed to a PDF file ("Imprimir para arquivo (PDF)"), with the page
    // layout of the printer: written as "Salvar PDF…" writes, whole or not at
    // all, where the printer would write the file in place as it goes.
    std::function<void(const QString& path, const QPageLayout& layout, QDialog& shownIn)> printToFile;
};

// Where the module is looked for: beside the installed program, or in the
// build folder for a program run from it.
QStringList printPreviewFolders();

// Shows the preview until it is closed; false, with the reason in `error`,
// when the module cannot be loaded from any of `folders`.
bool showPrintPreview(const PrintPreview& preview, const QStringList& folders, QString* error);

} // namespace tavek

// The module's one entry point.
extern "C" void tavekShowPrintPreview(const tavek::PrintPreview& preview);
