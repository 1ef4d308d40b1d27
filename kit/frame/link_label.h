#pragma once
#include <QLabel>

// A label that works as a link: a left click on it, or Enter or Space while
// it has the keyboard focus, emits activated(). Tab reaches it, a click does
// not take the focus, and it tells assistive technology that it is a link.
// While it has the focus it draws a dotted mark around itself; otherwise it
// looks exactly like a plain label.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void activated();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};
