#pragma once
// The figure beside a statement on the screen, as the sheets print it.
#include <QWidget>

#include <optional>

#include "kit/frame/statement_figure.h"

namespace tavek {

class StatementFigureView : public QWidget {
    Q_OBJECT
public:
    explicit StatementFigureView(QWidget* parent = nullptr);

    // The exercise's figure for its numbers; nullptr: none, and the view hides.
    void setExercise(const DrawnExercise* drawn);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<StatementFigure> figure_;
};

} // namespace tavek
