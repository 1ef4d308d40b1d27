#include "topics/launches/launches_window.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>

#include "topics/launches/launches.h"
#include "ui_form4.h"

namespace tavek {

TForm4::TForm4(const Context& context, QWidget* parent) : FormWindow(FormId::Form4, context, parent) {}

TForm4::~TForm4() = default;

void TForm4::build()
{
    ui_ = std::make_unique<Ui::TForm4>();
    ui_->setupUi(this);


    connectButton("Button1", [this] { Button1Click(); });
    connectButton("Button2", [this] { Button2Click(); });
    connectButton("Button3", [this] { Button3Click(); });
    connectButton("Button4", [this] { Button4Click(); });

    setResultLock({.cells = {},
                   .labels = {"Label10", "Label8", "Label16", "Label17", "Label18"},
                   .revealLabel = "Label3",
                   .passwordLabel = "Label14"});
    setQuickSi({.speedCell = "Edit1", .note = "Label9"});
}

void TForm4::Button1Click() { apply(launches_calculator1(cells({"Edit1", "Edit2"}))); }

void TForm4::Button2Click()
{
    untick("CheckBox1");
    emptyCells({"Edit1", "Edit2"});
    hideControls({"Label10", "Label8", "Label9"});
    focusControl("Edit1");
}

void TForm4::Button3Click() { apply(launches_calculator2(cells({"Edit3"}))); }

void TForm4::Button4Click()
{
    emptyCells({"Edit3"});
    hideControls({"Label16", "Label17", "Label18"});
    focusControl("Edit3");
}

} // namespace tavek
