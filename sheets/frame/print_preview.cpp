#include "sheets/frame/print_preview.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace tavek {

QStringList printPreviewFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    QStringList folders{QDir(program).filePath(QStringLiteral(TAVEK_MODULES_FROM_PROGRAM))};
    // A program of the build folder (the program itself, its tests and
    // benchmarks) finds the module where the build puts it.
    const QString build = QDir::cleanPath(QStringLiteral(TAVEK_BUILD_DIR)) + QLatin1Char('/');
    if ((QDir::cleanPath(program) + QLatin1Char('/')).startsWith(build))
        folders.append(build + QStringLiteral("modules"));
    return folders;
}

bool showPrintPreview(const PrintPreview& preview, const QStringList& folders, QString* error)
{
    using Entry = void (*)(const PrintPreview&);
    QStringList reasons;
    for (const QString& folder : folders) {
        QLibrary module(QDir(folder).filePath(QStringLiteral("tavek-print-preview")));
        // Kept loaded: Qt's printing classes stay in use after the preview.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        if (auto entry = reinterpret_cast<Entry>(module.resolve("tavekShowPrintPreview"))) {
            entry(preview);
            return true;
        }
        reasons.append(module.errorString());
    }
    if (error)
        *error = reasons.join(QLatin1Char('\n'));
    return false;
}

} // namespace tavek
