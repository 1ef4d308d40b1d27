#pragma once
#include <QString>
#include <QWidget>

class QSvgRenderer;

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString source_;
    QSvgRenderer* renderer_ = nullptr;
};
