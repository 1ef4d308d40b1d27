#include "topics/force/force_window.h"

#include <QLabel>

#include "topics/force/force.h"
#include "ui_form6.h"

namespace tavek {

TForm6::TForm6(const Context& context, QWidget* parent) : FormWindow(FormId::Form6, context, parent) {}

TForm6::~TForm6() = default;

void TForm6::build()
{
    ui_ = std::make_unique<Ui::TForm6>();
    ui_->setupUi(this);

    connectButton("Button1", [this] { Button1Click(); });
    connectButton("Button2", [this] { Button2Click(); });
    connectButton("Button3", [this] { Button3Click(); });
    connectButton("Button4", [this] { Button4Click(); });

    setResultLock({.cells = {},
                   .labels = {"Label12", "Label2", "Label3", "Label4", "Label17", "Label18", "Label16"},
                   .revealLabel = "Label5",
                   .passwordLabel = "Label19"});
}

void TForm6::Button1Click() { apply(force_calculator1(cells({"Edit1"}))); }

void TForm6::Button2Click()
{
    hideControls({"Label12", "Label2", "Label3", "Label4"});
    emptyCells({"Edit1"});
    focusControl("Edit1");
}

void TForm6::Button3Click() { apply(force_calculator2(cells({"Edit2", "Edit3", "Edit4"}))); }

void TForm6::Button4Click()
{
    hideControls({"Label16", "Label17", "Label18"});
    emptyCells({"Edit2", "Edit3", "Edit4"});
    focusControl("Edit2");
}

} // namespace tavek
