#include "kit/fonts.h"

#include <QApplication>
#include <QFont>

namespace tavek {

void installFonts()
{
    // DejaVu Sans Condensed keeps the 11 px texts inside the widths they were
    // laid out for; plain DejaVu Sans is as wide as Verdana.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8); // 11 px at 96 dpi
    QApplication::setFont(font);
}

} // namespace tavek
