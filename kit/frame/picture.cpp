#include "kit/frame/picture.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>
#include <cstring>
#include <vector>

#include "kit/core/pixel_runs.h"

namespace tavek {

namespace {

std::span<const BakedPicture> baked;

// The next `count` rows into the first rows of `image`; `row` holds the row
// before them, as the unpacker needs.
bool unpackInto(RowUnpacker& rows, std::vector<std::uint8_t>& row, QImage& image, int count)
{
    for (int y = 0; y < count; ++y) {
        if (!rows.next(row))
            return false;
        std::memcpy(image.scanLine(y), row.data(), row.size());
    }
    return true;
}

// Unpacked a band of rows at a time: the picture never exists whole in memory.
bool drawBaked(QPainter& painter, const BakedPicture& picture)
{
    constexpr int kBand = 32;
    const std::uint8_t background[3] = {static_cast<std::uint8_t>(picture.background >> 16),
                                        static_cast<std::uint8_t>(picture.background >> 8),
                                        static_cast<std::uint8_t>(picture.background)};
    RowUnpacker rows({picture.code, picture.codeSize}, picture.width, background);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(picture.width) * 3);
    QImage band(picture.width, std::min(kBand, picture.height), QImage::Format_RGB888);
    for (int top = 0; top < picture.height; top += band.height()) {
        const int height = std::min(band.height(), picture.height - top);
        if (!unpackInto(rows, row, band, height))
            return false;
        painter.drawImage(QPoint(0, top), band, QRect(0, 0, picture.width, height));
    }
    return true;
}

} // namespace

void useBakedPictures(std::span<const BakedPicture> pictures) { baked = pictures; }

QIcon iconOf(const QString& svg, std::span<const BakedIcon> sizes)
{
    if (sizes.empty() || qApp->devicePixelRatio() != 1)
        return QIcon(svg);
    static constexpr std::uint8_t kClear[4] = {0, 0, 0, 0};
    QIcon icon;
    for (const BakedIcon& b : sizes) {
        QImage image(b.size, b.size, QImage::Format_ARGB32_Premultiplied);
        RowUnpacker rows({b.code, b.codeSize}, b.size, kClear);
        std::vector<std::uint8_t> row(static_cast<std::size_t>(b.size) * 4);
        if (!unpackInto(rows, row, image, b.size))
            return QIcon(svg);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace tavek

Picture::Picture(QWidget* parent) : QWidget(parent) {}

Picture::~Picture() = default;

void Picture::setSource(const QString& source)
{
    source_ = source;
    delete renderer_;
    renderer_ = nullptr;
    update();
}

// The baked pixels stand for the drawing only where they are what the drawing
// would give: the same size at scale 1, the same place in the window (the
// antialiased edges depend on where in the device a shape falls), and the
// same colour beneath.
const tavek::BakedPicture* Picture::bakedHere() const
{
    if (tavek::baked.empty() || devicePixelRatio() != 1 || !parentWidget())
        return nullptr;
    const QPoint place = mapTo(window(), QPoint(0, 0));
    const QWidget* parent = parentWidget();
    for (const tavek::BakedPicture& b : tavek::baked) {
        if (source_ != QLatin1String(b.source))
            continue;
        if (b.x != place.x() || b.y != place.y() || b.width != width() || b.height != height())
            return nullptr;
        if (!parent->autoFillBackground() || parent->palette().color(parent->backgroundRole()).rgb() != (0xff000000u | b.background))
            return nullptr;
        return &b;
    }
    return nullptr;
}

bool Picture::drawArtwork(QPainter& painter)
{
    if (!renderer_ && !source_.isEmpty() && QFile::exists(source_))
        renderer_ = new QSvgRenderer(source_, this);
    if (!renderer_ || !renderer_->isValid())
        return false;
    renderer_->render(&painter, QRectF(rect()));
    return true;
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (const tavek::BakedPicture* b = bakedHere(); b && tavek::drawBaked(p, *b))
        return;
    if (drawArtwork(p))
        return;
    // No artwork yet: a quiet frame marks the picture's place.
    p.setPen(QColor(0xc0, 0xc0, 0xc0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
