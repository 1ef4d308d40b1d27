// The figure beside a statement, as the sheets print it and a practice or an
// export shows it: whatever the device's scale or resolution, it draws
// something, and nothing outside the box it is given.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <set>

#include "kit/frame/fonts.h"
#include "kit/frame/statement_figure.h"
#include "topics/exercises.h"

using namespace tavek;

class StatementFigureTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFonts(); }
    void staysInsideItsBox_data();
    void staysInsideItsBox();
};

void StatementFigureTest::staysInsideItsBox_data()
{
    QTest::addColumn<QString>("exercise");
    QTest::addColumn<int>("version");
    QTest::addColumn<qreal>("pixelRatio"); // device pixels a pixel of the windows
    QTest::addColumn<int>("dpi");          // the device's, as a page's or a screen's
    for (const ExerciseRecord* e : all_exercises()) {
        // The drawn ones, and a window's picture with its names over it.
        if (!e->statementFigure && std::string_view(e->id) != "form6.1")
            continue;
        for (int version : {1, 2}) {
            for (const auto& [ratio, dpi] : {std::pair{1.0, 96}, {2.0, 96}, {1.0, 300}})
                QTest::addRow("%s v%d %gx %d dpi", e->id, version, ratio, dpi)
                    << QString::fromUtf8(e->id) << version << ratio << dpi;
        }
    }
}

void StatementFigureTest::staysInsideItsBox()
{
    QFETCH(QString, exercise);
    QFETCH(int, version);
    QFETCH(qreal, pixelRatio);
    QFETCH(int, dpi);
    const ExerciseRecord* e = find_exercise(exercise.toStdString());
    QVERIFY(e);
    SeededRandom random(4821, e->id, version);
    std::set<std::string> used;
    const StatementFigure figure(draw_exercise(*e, random, used));
    QVERIFY(!figure.isNull());
    QVERIFY(!figure.description().isEmpty());

    // A box of the figure's size on the device, a little narrower than its
    // proportions, with a margin around it.
    const qreal scale = dpi / 96.0;
    const QSizeF size = figure.naturalSize() * scale;
    const QRectF box(QPointF(24, 16), QSizeF(size.width() * 0.9, size.height()));
    QImage image((box.size() + QSizeF(48, 32)).toSize() * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    figure.paint(painter, box);
    painter.end();

    // In device pixels, less a pixel of antialiasing at each edge.
    const QRect inside =
        QRectF(box.topLeft() * pixelRatio, box.size() * pixelRatio).toAlignedRect().adjusted(-1, -1, 1, 1);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(row[x]) == 255 && qGreen(row[x]) == 255 && qBlue(row[x]) == 255)
                continue;
            if (!inside.contains(x, y))
                QFAIL(qPrintable(QStringLiteral("ink at %1, %2 outside %3, %4 %5 × %6")
                                     .arg(x)
                                     .arg(y)
                                     .arg(inside.x())
                                     .arg(inside.y())
                                     .arg(inside.width())
                                     .arg(inside.height())));
            ++drawn;
        }
    }
    // Something of it: a few hundred of the windows' pixels at least.
    QVERIFY2(drawn > 300 * pixelRatio * pixelRatio * scale * scale, qPrintable(QString::number(drawn)));
}

QTEST_MAIN(StatementFigureTest)
#include "statement_figure_test.moc"
