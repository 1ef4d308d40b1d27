#pragma once
// A list's versions as a Moodle question bank (Moodle's own XML format): a
// category for each exercise, a question ("Respostas embutidas") for each of
// its versions, with the statement and the figure the sheet prints, a box
// for each answer and the worked solution as its feedback. A quiz that draws
// one question from each category gives every student a version of every
// exercise, graded by the school's platform.
#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

#include "sheets/core/sheet.h"

namespace tavek {

// Called once a question is written; false stops the writing.
using MoodleStep = std::function<bool()>;

// The bank as bytes (UTF-8 XML); empty if a step stopped it.
QByteArray moodleBank(int code, const std::vector<SheetVersion>& versions, const MoodleStep& step = {});

enum class ExportResult { Written, Stopped, Failed };

// Written whole or not at all, as the PDF is: to a temporary file that takes
// the name `path` once the bank is done. `why` says why it failed, in Portuguese.
ExportResult writeMoodleBank(const QString& path, int code, const std::vector<SheetVersion>& versions,
                             const MoodleStep& step = {}, QString* why = nullptr);

} // namespace tavek
