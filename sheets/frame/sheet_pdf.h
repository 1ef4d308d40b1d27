#pragma once
#include <QString>

#include <vector>

#include "sheets/frame/sheet_pages.h"

class QPageLayout;

namespace tavek {

enum class PdfResult { Written, Stopped, Failed };

// Writes the sheet as a PDF file. The pages go to a temporary file that takes
// the name `path` only once the last page is done, so a stopped or failed
// writing leaves no half-written sheet (and whatever file was there before).
// The first write error stops the painting; `why` then says what it was, in
// Portuguese. The sheet's own page layout, or `layout` (a printer's).
PdfResult writeSheetPdf(const QString& path, int code, const std::vector<SheetVersion>& versions,
                        const SheetLook& look, const SheetStep& step = {}, QString* why = nullptr,
                        const QPageLayout* layout = nullptr);

} // namespace tavek
