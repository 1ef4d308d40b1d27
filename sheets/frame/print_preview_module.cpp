// The module tavek-print-preview: Qt's print preview of a sheet (see
// sheets/print_preview.h). It links Qt's printing library; the program does not.
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include "sheets/frame/print_preview.h"

extern "C" Q_DECL_EXPORT void tavekShowPrintPreview(const tavek::PrintPreview& preview)
{
    QPrinter printer(QPrinter::HighResolution);
    preview.layOut(printer);
    printer.setDocName(preview.documentName);
    QPrintPreviewDialog dialog(&printer, preview.parent);
    dialog.setWindowTitle(preview.title);
    if (const QScreen* screen = preview.parent ? preview.parent->screen() : nullptr)
        dialog.resize(screen->availableSize() * 3 / 4);
    // Painted for the preview, and again for the printer when printed from it.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        const bool onPreview = target->paintEngine() && target->paintEngine()->type() == QPaintEngine::Picture;
        if (!onPreview && preview.printToFile && target->outputFormat() == QPrinter::PdfFormat &&
            !target->outputFileName().isEmpty()) {
            preview.printToFile(target->outputFileName(), target->pageLayout(), dialog);
            return;
        }
        preview.paint(*target, dialog, onPreview);
    });
    dialog.exec();
}
