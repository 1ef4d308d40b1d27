#include "sheets/sheet_pdf.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace tavek {

PdfResult writeSheetPdf(const QString& path, int code, const std::vector<SheetVersion>& versions,
                        const SheetLook& look, const SheetStep& step)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return PdfResult::Failed;
    bool complete = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Lista %1").arg(code));
        writer.setCreator(QStringLiteral("TAVEK 1 - Programa de Física 1"));
        setSheetPageLayout(writer);
        QPainter painter(&writer);
        complete = paintSheet(writer, painter, code, versions, look, step) > 0;
    } // the painter and the writer end the PDF here
    if (!complete) {
        file.cancelWriting();
        return PdfResult::Stopped;
    }
    return file.commit() ? PdfResult::Written : PdfResult::Failed;
}

} // namespace tavek
