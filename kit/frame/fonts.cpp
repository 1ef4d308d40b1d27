#include "kit/frame/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPixmap>
#include <QProxyStyle>
#include <qpa/qplatformfontdatabase.h>

#include <utility>

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

// The designed names, each with the installed font that stands in for it.
// DejaVu Sans Condensed keeps the 11 px texts inside the widths they were
// laid out for; plain DejaVu Sans is as wide as Verdana.
constexpr std::pair<const char*, const char*> kStandIns[] = {
    {"MS Sans Serif", "DejaVu Sans Condensed"},
    {"Verdana", "DejaVu Sans"},
};

// Each designed name is made another name of its stand-in in Qt's font
// database, so that a text asking for it finds the stand-in at once. A
// substitution would find it too, but only after asking fontconfig for the
// fonts that could replace the missing name, and for those that could
// replace the stand-in: two sortings of all the system's fonts per name, a
// tenth of the start. The names live in the database (read here if it was
// not yet), which forgets them when the system's fonts change: they are
// given again then.
void nameStandIns()
{
    const QStringList installed = QFontDatabase::families();
    for (const auto& [designed, standIn] : kStandIns) {
        const QString family = QString::fromLatin1(standIn);
        if (installed.contains(family))
            QPlatformFontDatabase::registerAliasToFontFamily(family, QString::fromLatin1(designed));
    }
}

} // namespace

void installFonts()
{
    nameStandIns();
    static const char* const watching = "tavekNamesStandIns";
    if (!qApp->property(watching).toBool()) {
        QObject::connect(qApp, &QGuiApplication::fontDatabaseChanged, qApp, nameStandIns);
        qApp->setProperty(watching, true);
    }
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8); // 11 px at 96 dpi
    QApplication::setFont(font);
    if (!qobject_cast<QProxyStyle*>(QApplication::style()))
        QApplication::setStyle(new Style);
}

} // namespace tavek
