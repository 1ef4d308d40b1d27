#pragma once
// The platform of the in-process benchmarks: offscreen unless the caller
// chose one (QT_QPA_PLATFORM=xcb under xvfb-run), without the offscreen
// platform's notes that it cannot raise a window or pass on size hints,
// which would bury the figures.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace bench {

inline void offscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
            return;
        if (previous)
            previous(type, context, text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    });
}

} // namespace bench
