#pragma once
#include <QString>

#include <vector>

#include "sheets/sheet_pages.h"

namespace tavek {

enum class PdfResult { Written, Stopped, Failed };

// Writes the sheet as a PDF file. The pages go to a temporary file that takes
// the name `path` only once the last page is done, so a stopped or failed
// writing leaves no half-written sheet (and whatever file was there before).
PdfResult writeSheetPdf(const QString& path, int code, const std::vector<SheetVersion>& versions,
                        const SheetLook& look, const SheetStep& step = {});

} // namespace tavek
