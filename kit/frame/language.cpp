#include "kit/frame/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace tavek {

bool speakPortuguese()
{
    static QPointer<QTranslator> installed; // owned by the application
    if (installed)
        return true;
    // Only the widgets' own texts: Qt's other catalogues (its tools, modules
    // the program does not use) would cost start-up time for nothing.
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    installed = translator.release();
    return QCoreApplication::installTranslator(installed);
}

} // namespace tavek
