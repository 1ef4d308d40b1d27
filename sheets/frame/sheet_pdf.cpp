#include "sheets/frame/sheet_pdf.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "kit/frame/save_file.h"

namespace tavek {

PdfResult writeSheetPdf(const QString& path, int code, const std::vector<SheetVersion>& versions,
                        const SheetLook& look, const SheetStep& step, QString* why, const QPageLayout* layout)
{
    WholeFile file(path);
    const auto failed = [&] {
        if (why)
            *why = file.reason();
        return PdfResult::Failed;
    };
    if (!file.open())
        return failed();
    bool complete = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Lista %1").arg(code));
        writer.setCreator(QStringLiteral("TAVEK 1 - Programa de Física 1"));
        if (layout)
            writer.setPageLayout(*layout);
        else
            setSheetPageLayout(writer);
        QPainter painter(&writer);
        // A disk that is full now stays full: the pages still to come are
        // not painted for nothing.
        const SheetStep goOn = [&] { return !file.failed() && (!step || step()); };
        complete = paintSheet(writer, painter, code, versions, look, goOn) > 0;
    } // the painter and the writer end the PDF here
    if (file.failed())
        return failed();
    if (!complete)
        return PdfResult::Stopped;
    return file.commit() ? PdfResult::Written : failed();
}

} // namespace tavek
