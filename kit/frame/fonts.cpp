#include "kit/frame/fonts.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QProxyStyle>

namespace tavek {

namespace {

// Every menu bar builds an extension button for items that do not fit, and
// the style's icon for it makes Qt load its image plugins at start. Our menu
// bars always fit, so that button is never seen: give it an empty icon.
class Style : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
            QPixmap empty(8, 8);
            empty.fill(Qt::transparent);
            return QIcon(empty);
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

void installFonts()
{
    // DejaVu Sans Condensed keeps the 11 px texts inside the widths they were
    // laid out for; plain DejaVu Sans is as wide as Verdana.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8); // 11 px at 96 dpi
    QApplication::setFont(font);
    if (!qobject_cast<QProxyStyle*>(QApplication::style()))
        QApplication::setStyle(new Style);
}

} // namespace tavek
