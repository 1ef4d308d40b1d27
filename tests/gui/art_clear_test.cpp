// The artwork keeps out of the way of the texts laid over or beside it: no
// separator bar's stripe runs through or touches a text, a cell or a button,
// and the main window's drawings stand clear of its topic links.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QSvgRenderer>
#include <QtTest>

#include "app/main_window_pictures.h"
#include "kit/frame/picture.h"
#include "support.h"
#include "tools/worked_examples.h"

using tavek::FormNumber;

namespace {

struct Piece {
    QString name;
    QRect rect; // window coordinates
};

QRect inWindow(QWidget* w, const QRect& local)
{
    return local.translated(w->mapTo(w->window(), QPoint(0, 0)));
}

// The stripe of each separator bar as the picture draws it: the bar's artwork
// names its stripe, and the picture scales the artwork to its own size.
std::vector<Piece> stripes(QWidget* window)
{
    std::vector<Piece> found;
    for (Picture* p : window->findChildren<Picture*>()) {
        if (!p->isVisible() || p->source().isEmpty())
            continue;
        QSvgRenderer svg(p->source());
        const QString id = QStringLiteral("stripe");
        if (!svg.elementExists(id))
            continue;
        const QRectF box = svg.viewBoxF();
        const QRectF drawn = svg.transformForElement(id).mapRect(svg.boundsOnElement(id));
        const qreal sx = p->width() / box.width();
        const qreal sy = p->height() / box.height();
        const QRectF scaled((drawn.x() - box.x()) * sx, (drawn.y() - box.y()) * sy, drawn.width() * sx,
                            drawn.height() * sy);
        found.push_back({p->objectName(), inWindow(p, scaled.toAlignedRect())});
    }
    return found;
}

// Every visible control that shows text, as large as it stands on screen
// (labels at the width they grew to).
std::vector<Piece> texts(QWidget* window)
{
    std::vector<Piece> found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().isEmpty())
            continue;
        if (auto* label = qobject_cast<QLabel*>(w); label && label->text().isEmpty())
            continue;
        if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w) ||
            qobject_cast<QRadioButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w))
            found.push_back({w->objectName(), inWindow(w, w->rect())});
    }
    return found;
}

QString describe(const Piece& p)
{
    const QRect& r = p.rect;
    return QStringLiteral("%1 (%2,%3 %4x%5)").arg(p.name).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Stripes closer than margin to a text.
QStringList clashes(const std::vector<Piece>& stripeList, const std::vector<Piece>& textList, int margin)
{
    QStringList found;
    for (const Piece& s : stripeList)
        for (const Piece& t : textList)
            if (s.rect.adjusted(-margin, -margin, margin, margin).intersects(t.rect))
                found << describe(s) + QStringLiteral(" on ") + describe(t);
    return found;
}

// Every exercise worked once with its usual example, so that the result
// labels show answers of a usual length.
void workEveryExercise(tavek::FormWindow* w)
{
    for (const tavek::WorkedStep& step : tavek::workedExamples(w->number())) {
        for (const auto& [cell, text] : step.cells)
            type(w, cell, QString::fromUtf8(text));
        click(w, step.button);
    }
}

// The box a label's text takes inside the label.
QRect textBox(QLabel* label)
{
    const QSize size(label->fontMetrics().horizontalAdvance(label->text()), label->fontMetrics().height());
    return inWindow(label, QStyle::alignedRect(label->layoutDirection(), label->alignment(), size,
                                               label->contentsRect()));
}

// Points of a picture's drawing (not quite transparent) that lie in box,
// given in window coordinates.
int inkWithin(Picture* p, const QRect& box)
{
    const QRect local = box.translated(-p->mapTo(p->window(), QPoint(0, 0))).intersected(p->rect());
    if (local.isEmpty())
        return 0;
    QImage image(p->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(p->source()).render(&painter, QRectF(image.rect()));
    painter.end();
    int count = 0;
    for (int y = local.top(); y <= local.bottom(); ++y)
        for (int x = local.left(); x <= local.right(); ++x)
            count += qAlpha(image.pixel(x, y)) > 24;
    return count;
}

} // namespace

class ArtClearTest : public QObject {
    Q_OBJECT

private slots:
    // The check itself, on a bar laid over a label and moved off it.
    void checkerFindsStripeOnText_data()
    {
        QTest::addColumn<int>("gap"); // empty rows between text and stripe
        QTest::addColumn<bool>("clash");
        QTest::newRow("stripe over the text") << -3 << true;
        QTest::newRow("stripe touching the text") << 0 << true;
        QTest::newRow("stripe one pixel clear") << 1 << false;
    }
    void checkerFindsStripeOnText()
    {
        QFETCH(int, gap);
        QFETCH(bool, clash);
        Program p;
        QWidget window;
        auto* label = new QLabel(QStringLiteral("Dado a figura"), &window);
        label->setObjectName(QStringLiteral("Probe"));
        label->setGeometry(10, 40, 120, 13);
        // Form8's horizontal bar, whose stripe lies across the middle of
        // its 17 px; placed so the stripe's top is gap below the label.
        auto* bar = new Picture(&window);
        bar->setObjectName(QStringLiteral("Bar"));
        bar->setSource(QStringLiteral(":/art/form8/Image4.svg"));
        bar->resize(369, 17);
        window.show();
        const auto found = stripes(&window);
        QCOMPARE(found.size(), size_t(1));
        bar->move(0, 53 + gap - (found[0].rect.top() - bar->y()));
        QCOMPARE(!clashes(stripes(&window), texts(&window), 1).isEmpty(), clash);
    }

    void stripesClearOfTexts_data() { addFormRows(); }
    void stripesClearOfTexts()
    {
        QFETCH(int, form);
        Program p;
        tavek::FormWindow* w = p.open(static_cast<FormNumber>(form));
        workEveryExercise(w);
        const auto bars = stripes(w);
        // all the exercise windows but the unit conversion and the second
        // power window have separator bars
        QCOMPARE(bars.empty(), form == 1 || form == 3 || form == 11);
        const QStringList found = clashes(bars, texts(w), 1);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    }

    // The main window's topic links read clear of every drawing by 4 px.
    void linksClearOfDrawings_data()
    {
        QTest::addColumn<QString>("link");
        for (const char* name : {"Label3", "Label5", "Label6", "Label7"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void linksClearOfDrawings()
    {
        QFETCH(QString, link);
        Program p;
        tavek::FormWindow* w = p.open(1);
        auto* label = w->control<QLabel>(link.toLatin1().constData());
        QVERIFY(label && label->isVisible());
        const QRect around = textBox(label).adjusted(-4, -4, 4, 4);
        for (Picture* picture : w->findChildren<Picture*>())
            QVERIFY2(inkWithin(picture, around) == 0, qPrintable(picture->objectName()));
    }

    // Checked or not, the radio button reads: a dark dot in a light well when
    // checked, the bare well when not (its caption is white on the red panel).
    // The main window's pictures, baked when the program was built, are the
    // very pixels the window draws from their SVGs; they stand in for the
    // drawing at the screen's own scale only, every one of them.
    void bakedPicturesAreTheDrawing()
    {
        Program p;
        tavek::FormWindow* w = p.open(1);
        // What the window itself shows, from its backing store (a grab()
        // draws the window again, its own way).
        auto shown = [w] {
            w->repaint();
            return w->screen()->grabWindow(w->winId()).toImage();
        };
        tavek::useBakedPictures(tavek::mainWindowPictures());
        const QImage baked = shown();
        int shownBaked = 0;
        const QList<Picture*> pictures = w->findChildren<Picture*>();
        for (Picture* picture : pictures)
            shownBaked += picture->showsBaked();
        tavek::useBakedPictures({});
        const QImage drawn = shown();
        QCOMPARE(baked, drawn);
        QCOMPARE(shownBaked, w->devicePixelRatio() == 1 ? int(pictures.size()) : 0);
        QCOMPARE(tavek::mainWindowPictures().size(), std::size_t(pictures.size()));
    }

    // The program's icon, baked at the four sizes X asks a scalable icon for,
    // is what the SVG icon engine draws at each; on a scaled screen the icon
    // is the SVG itself.
    void bakedIconIsTheDrawing()
    {
        Program p;
        const QString svg = QStringLiteral(":/art/tavek.svg");
        const QIcon icon = tavek::iconOf(svg, tavek::programIconSizes());
        const QIcon drawn(svg);
        const bool baked = qApp->devicePixelRatio() == 1;
        QCOMPARE(icon.availableSizes().size(), baked ? 4 : 0);
        for (int size : {16, 32, 64, 128})
            QCOMPARE(icon.pixmap(size).toImage(), drawn.pixmap(size).toImage());
    }

    void radioDotReadable()
    {
        Program p;
        tavek::FormWindow* w = p.open(1);
        auto* radio = w->control<QRadioButton>("RadioButton1");
        QVERIFY(radio);
        radio->parentWidget()->show();
        radio->show();
        QStyleOptionButton option;
        option.initFrom(radio);
        const QPoint centre = radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio).center();
        auto centreGrey = [&](bool checked) {
            radio->setChecked(checked);
            const QImage shot = radio->grab().toImage();
            return qGray(shot.pixel((QPointF(centre) * shot.devicePixelRatio()).toPoint()));
        };
        const int unchecked = centreGrey(false);
        const int checked = centreGrey(true);
        QVERIFY2(unchecked - checked > 128, qPrintable(QStringLiteral("%1 -> %2").arg(unchecked).arg(checked)));
        QCOMPARE(radio->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
};

QTEST_MAIN(ArtClearTest)
#include "art_clear_test.moc"
