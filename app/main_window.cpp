#include "app/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>

#include <algorithm>

#include "kit/mouse.h"
#include "ui_form1.h"

namespace tavek {

namespace {

// The labels were laid out for narrower fonts than the ones installed here;
// growing each to its text keeps every caption whole at its place.
void fitLabels(QWidget* client)
{
    for (QLabel* label : client->findChildren<QLabel*>()) {
        const QSize hint = label->sizeHint();
        label->resize(std::max(label->width(), hint.width()), std::max(label->height(), hint.height()));
    }
}

} // namespace

TForm1::TForm1(const Context& context) : FormWindow(FormId::Form1, context, nullptr) {}

TForm1::~TForm1() = default;

void TForm1::build()
{
    ui_ = std::make_unique<Ui::TForm1>();
    ui_->setupUi(this);
    fitLabels(centralWidget());

    // A disabled label receives no mouse events, so while the exit lock has
    // the links disabled these clicks simply do not arrive.
    onClick(ui_->Label3, [this] { Label3Click(); });
    onClick(ui_->Label5, [this] { Label5Click(); });
    onClick(ui_->Label6, [this] { Label6Click(); });
    onClick(ui_->Label7, [this] { Label7Click(); });
    connectAction("FecharTAVEK1", [this] { FecharTAVEK1Click(); });
}

void TForm1::Label3Click()
{
    context().navigator->show(FormId::Form2);
}

void TForm1::Label5Click()
{
    context().navigator->show(FormId::Form4);
}

void TForm1::Label6Click()
{
    context().navigator->show(FormId::Form6);
}

void TForm1::Label7Click()
{
    context().navigator->show(FormId::Form10);
}

void TForm1::FecharTAVEK1Click()
{
    close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    // The other windows are owned by this one but are windows of their own:
    // they would stay on screen until the event loop ends.
    for (FormWindow* other : findChildren<FormWindow*>(QString(), Qt::FindDirectChildrenOnly))
        other->hide();
    QCoreApplication::quit();
}

} // namespace tavek
