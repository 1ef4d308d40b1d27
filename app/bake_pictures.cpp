// Build step: draws the main window's pictures once, as the window draws them
// on a screen at scale 1, and writes them as C++ data for the program
// (tavek::BakedPicture). The main window then shows them at start without
// drawing its SVGs, their texts and their fonts. The program's icon too, at
// the sizes Qt hands the X window manager (tavek::BakedIcon).
//
//   bake_pictures OUT.cpp        (run on the offscreen platform by the build)
//
// Each picture is drawn into an image of the whole window, at its own place
// there over its parent's background colour, because the antialiased edges
// depend on where in the device a shape falls. A picture with a widget
// beneath it is left to be drawn at run time.
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/registry.h"
#include "kit/core/pixel_runs.h"
#include "kit/frame/fonts.h"
#include "kit/frame/language.h"
#include "kit/frame/messenger.h"
#include "kit/frame/picture.h"

namespace {

// Only what stops the build: the platform's warnings about its run-time
// directory say nothing about the pictures.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "bake_pictures: %s\n", qPrintable(message));
}

bool coveredFromBeneath(const QWidget* picture)
{
    const QWidget* parent = picture->parentWidget();
    for (const QObject* o : parent->children()) {
        if (o == picture)
            return false;
        if (const auto* w = qobject_cast<const QWidget*>(o); w && !w->isWindow() && w->geometry().intersects(picture->geometry()))
            return true;
    }
    return false;
}

// `code` as the initialiser of a byte array named `id`.
std::string byteArray(const std::string& id, const std::vector<std::uint8_t>& code)
{
    std::string text = "const unsigned char " + id + "[] = {";
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (i % 24 == 0)
            text += '\n';
        text += std::to_string(code[i]);
        text += ',';
    }
    return text + "\n};\n";
}

std::vector<std::uint8_t> rowsOf(const QImage& image)
{
    std::vector<std::uint8_t> rows;
    const std::size_t bytes = static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.depth() / 8);
    for (int y = 0; y < image.height(); ++y)
        rows.insert(rows.end(), image.constScanLine(y), image.constScanLine(y) + bytes);
    return rows;
}

std::string identifier(const QString& objectName)
{
    std::string id = "picture_";
    for (QChar c : objectName)
        id += c.isLetterOrNumber() && c.unicode() < 128 ? static_cast<char>(c.unicode()) : '_';
    return id;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bake_pictures OUT.cpp\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // At scale 1 whatever the building desktop says.
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    tavek::installFonts();
    tavek::speakPortuguese();
    tavek::BoxMessenger messenger;
    tavek::Registry registry(messenger);
    QWidget* window = registry.mainWindow();
    window->show();
    QCoreApplication::processEvents();

    std::string data;
    std::string table;
    int baked = 0;
    for (Picture* picture : window->findChildren<Picture*>()) {
        const QWidget* parent = picture->parentWidget();
        if (picture->source().isEmpty() || !parent || !parent->autoFillBackground() || !picture->isVisible()
            || coveredFromBeneath(picture))
            continue;
        const QPoint place = picture->mapTo(window, QPoint(0, 0));
        const QColor background = parent->palette().color(parent->backgroundRole());
        QImage whole(window->size(), QImage::Format_RGB32);
        whole.fill(background);
        {
            QPainter painter(&whole);
            painter.translate(place);
            if (!picture->drawArtwork(painter))
                continue;
        }
        const QImage pixels =
            whole.copy(QRect(place, picture->size())).convertToFormat(QImage::Format_RGB888);
        const std::uint8_t under[3] = {static_cast<std::uint8_t>(background.red()),
                                       static_cast<std::uint8_t>(background.green()),
                                       static_cast<std::uint8_t>(background.blue())};
        const std::string id = identifier(picture->objectName());
        data += byteArray(id, tavek::packRows(rowsOf(pixels), pixels.width(), pixels.height(), under));
        char entry[256];
        std::snprintf(entry, sizeof entry, "    {\"%s\", %d, %d, %d, %d, 0x%06x, %s, sizeof %s},\n",
                      qPrintable(picture->source()), place.x(), place.y(), picture->width(), picture->height(),
                      background.rgb() & 0xffffffu, id.c_str(), id.c_str());
        table += entry;
        ++baked;
    }
    if (baked == 0) {
        std::fprintf(stderr, "bake_pictures: the main window has no picture to bake\n");
        return 1;
    }

    // The icon as the SVG icon engine draws it for each size: what X got from
    // the scalable icon (its pixmaps, premultiplied, are sent as they are).
    const QIcon icon(QStringLiteral(":/art/tavek.svg"));
    std::string icons;
    for (int size : {16, 32, 64, 128}) {
        const QImage image =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.size() != QSize(size, size)) {
            std::fprintf(stderr, "bake_pictures: the icon did not draw at %d pixels\n", size);
            return 1;
        }
        const std::uint8_t clear[4] = {0, 0, 0, 0};
        const std::string id = "icon_" + std::to_string(size);
        data += byteArray(id, tavek::packRows(rowsOf(image), size, size, clear));
        icons += "    {" + std::to_string(size) + ", " + id + ", sizeof " + id + "},\n";
    }

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Made by bake_pictures when the program was built: the main window's pictures\n"
           "// as it draws them at scale 1. Not to be edited.\n"
           "#include \"app/main_window_pictures.h\"\n\n"
           "namespace {\n\n"
        << data << "\nconst tavek::BakedPicture pictures[] = {\n" << table
        << "};\n\nconst tavek::BakedIcon icons[] = {\n" << icons
        << "};\n\n} // namespace\n\n"
           "std::span<const tavek::BakedPicture> tavek::mainWindowPictures() { return pictures; }\n"
           "std::span<const tavek::BakedIcon> tavek::programIconSizes() { return icons; }\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "bake_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
