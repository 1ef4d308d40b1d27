#include "topics/launches/more_launches_window.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>

#include "topics/launches/launches.h"
#include "ui_form5.h"

namespace tavek {

TForm5::TForm5(const Context& context, QWidget* parent) : FormWindow(FormId::Form5, context, parent) {}

TForm5::~TForm5() = default;

void TForm5::build()
{
    ui_ = std::make_unique<Ui::TForm5>();
    ui_->setupUi(this);


    connectButton("Button1", [this] { Button1Click(); });
    connectButton("Button2", [this] { Button2Click(); });
    connectButton("Button3", [this] { Button3Click(); });
    connectButton("Button4", [this] { Button4Click(); });
    connectButton("Button5", [this] { Button5Click(); });

    // The drawn angle in Label10 is given data, not an answer: it stays readable.
    setResultLock({.cells = {},
                   .labels = {"Label8", "Label12", "Label17", "Label16"},
                   .revealLabel = "Label3",
                   .passwordLabel = "Label18"});
    setQuickSi({.speedCell = "Edit1", .note = "Label7"});
}

void TForm5::Button1Click() { apply(launches_draw_angle(*context().random, angle_)); }

void TForm5::Button2Click() { apply(launches_calculator3(angle_)); }

void TForm5::Button3Click() { hideControls({"Button2", "Label10", "Label8"}); }

void TForm5::Button4Click() { apply(launches_calculator4(cells({"Edit1", "Edit2"}))); }

void TForm5::Button5Click()
{
    hideControls({"Label12", "Label17", "Label7", "Label16"});
    untick("CheckBox1");
    emptyCells({"Edit1", "Edit2"});
    focusControl("Edit1");
}

} // namespace tavek
