#include "topics/force/more_force_1_window.h"

#include <QLabel>

#include "topics/force/more_force_1.h"
#include "ui_form7.h"

namespace tavek {

TForm7::TForm7(const Context& context, QWidget* parent) : FormWindow(FormId::Form7, context, parent) {}

TForm7::~TForm7() = default;

void TForm7::build()
{
    ui_ = std::make_unique<Ui::TForm7>();
    ui_->setupUi(this);

    connectButton("Button1", [this] { Button1Click(); });
    connectButton("Button2", [this] { Button2Click(); });
    connectButton("Button3", [this] { Button3Click(); });
    connectButton("Button4", [this] { Button4Click(); });

    setResultLock({.cells = {},
                   .labels = {"Label4", "Label15", "Label16", "Label17", "Label18", "Label19", "Label29", "Label30",
                              "Label31", "Label32", "Label33"},
                   .revealLabel = "Label21",
                   .passwordLabel = "Label34"});
}

void TForm7::Button1Click() { apply(more_force_1_calculator3(cells({"Edit1", "Edit2", "Edit3", "Edit4"}))); }

void TForm7::Button2Click()
{
    hideControls({"Label4", "Label15", "Label16", "Label17", "Label18", "Label19"});
    emptyCells({"Edit1", "Edit2", "Edit3", "Edit4"});
    focusControl("Edit1");
}

void TForm7::Button3Click() { apply(more_force_1_calculator4(cells({"Edit5", "Edit6", "Edit7", "Edit8"}))); }

void TForm7::Button4Click()
{
    hideControls({"Label29", "Label30", "Label31", "Label32", "Label33"});
    emptyCells({"Edit5", "Edit6", "Edit7", "Edit8"});
    focusControl("Edit5");
}

} // namespace tavek
