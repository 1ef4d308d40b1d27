#pragma once
// The figure beside an exercise's statement, as a sheet prints it and a
// practice shows it: drawn for the exercise's own numbers where its record
// has a builder for that, else the window's picture with the names the
// window writes over it. It paints on any painter: a page, a widget, an image.
#include <QFont>
#include <QSizeF>
#include <QString>

#include "kit/core/drawn_exercise.h"
#include "kit/core/figure.h"

class QPainter;
class QRectF;
class QSvgRenderer;

namespace tavek {

class StatementFigure {
public:
    explicit StatementFigure(const DrawnExercise& drawn);

    bool isNull() const { return drawn_.empty() && !picture_; }
    // Its size at the windows' 96 dots per inch.
    QSizeF naturalSize() const;
    // Scaled into `at`, keeping its proportions; `marks` is the font of the
    // names written over a picture.
    void paint(QPainter& painter, const QRectF& at, const QFont& marks = markFont()) const;
    // The names' font as paper prints them: bold, 8 points, not fitted to pixels.
    static QFont markFont();
    // What it shows, in a sentence, for a screen reader or an image's alt text.
    QString description() const;

private:
    Figure drawn_;
    QSizeF drawnSize_;
    QSvgRenderer* picture_ = nullptr; // shared, made once a picture
    const std::vector<ExerciseRecord::Mark>* marks_ = nullptr;
    QString pictureName_;
};

} // namespace tavek
