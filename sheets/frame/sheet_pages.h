#pragma once
// The printed sheet: every version from a new page (the student's name line
// at the top of each of its pages; header, the list's code and version; the
// exercises numbered 1, 2, 3…, each asking its quantities as a), b), c)… on
// lines that name their units, with its figure and room to work, none split
// across pages), then the key: the grading grid (an item after another, a
// row per version, a column per question, the final answers) and, with the
// solutions, every version's worked solutions in the same numbering. Every
// number on paper with the decimal comma. Laid out with Qt's rich text in
// points on A4, the figures drawn from the windows' own SVGs as vectors.
#include <QString>

#include <functional>
#include <vector>

#include "sheets/core/sheet.h"

class QPagedPaintDevice;
class QPainter;

namespace tavek {

// Answers: the grading grid; Solutions: the grid and the worked solutions.
enum class SheetKey { None, Answers, Solutions };

struct SheetLook {
    QString school;
    QString teacher;
    QString group; // "Turma"
    QString date;
    SheetKey key = SheetKey::Answers;
};

// A4 portrait, margins of 3 cm at the left and top and 2 cm at the right and
// bottom.
void setSheetPageLayout(QPagedPaintDevice& device);

// Called once a version's pages are painted, and with a key once its part of
// the key is laid out and once more when it is painted; false stops the
// painting there.
using SheetStep = std::function<bool()>;

// How many times painting a sheet calls its step.
int sheetPaintSteps(int versions, SheetKey key);

// Paints the sheet with `painter`, open on `device`. Returns the number of
// pages, or 0 when a step stopped it.
int paintSheet(QPagedPaintDevice& device, QPainter& painter, int code, const std::vector<SheetVersion>& versions,
               const SheetLook& look, const SheetStep& step = {});

// "Lista 4821 - Versão 3", as each version's first page and the key name it.
QString sheetTitle(int code, int version);

} // namespace tavek
