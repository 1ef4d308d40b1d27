#pragma once
#include <QIcon>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <span>

class QPainter;
class QSvgRenderer;

namespace tavek {

// A picture drawn once, when the program was built, exactly as its window
// draws the SVG on a screen at scale 1: the pixels it covers there, at its
// place in the window, over its parent's background colour. Drawing the
// SVGs, their texts and their fonts is most of what the main window costs at
// start; a baked picture is shown wherever it would look the same.
struct BakedPicture {
    const char* source; // the SVG it was drawn from, ":/art/formN/ImageK.svg"
    int x, y;           // its place in its window
    int width, height;
    unsigned background; // 0xRRGGBB under it
    const unsigned char* code; // its rows packed (kit/core/pixel_runs.h)
    std::size_t codeSize;
};

// The program's baked pictures (a span over static data): set once at start,
// before the windows are shown.
void useBakedPictures(std::span<const BakedPicture> pictures);

// An icon drawn once when the program was built, at one of the sizes Qt
// hands the X window manager for a scalable icon (16, 32, 64, 128):
// premultiplied ARGB as the SVG icon engine draws it, packed.
struct BakedIcon {
    int size;
    const unsigned char* code;
    std::size_t codeSize;
};

// The icon of `svg`: its baked sizes where the screens' scale is 1, and
// drawn from the SVG anywhere else.
QIcon iconOf(const QString& svg, std::span<const BakedIcon> baked);

} // namespace tavek

// A picture control: draws its SVG artwork scaled to the control's own size,
// so it stays crisp at any screen scale. The drawing is loaded on first paint.
class Picture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    explicit Picture(QWidget* parent = nullptr);
    ~Picture() override;

    QString source() const { return source_; }
    void setSource(const QString& source);

    // Draws the SVG itself into `painter`, over the control's rectangle; false
    // when there is no artwork to draw.
    bool drawArtwork(QPainter& painter);
    // Whether it shows the pixels baked for it rather than drawing its SVG.
    bool showsBaked() const { return bakedHere() != nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const tavek::BakedPicture* bakedHere() const;

    QString source_;
    QSvgRenderer* renderer_ = nullptr;
};
