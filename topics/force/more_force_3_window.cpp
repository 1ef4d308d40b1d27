#include "topics/force/more_force_3_window.h"

#include "topics/force/more_force_3.h"
#include "ui_form9.h"

namespace tavek {

TForm9::TForm9(const Context& context, QWidget* parent) : FormWindow(FormId::Form9, context, parent) {}

TForm9::~TForm9() = default;

void TForm9::build()
{
    ui_ = std::make_unique<Ui::TForm9>();
    ui_->setupUi(this);

    connectButton("Button1", [this] { Button1Click(); });
    connectButton("Button2", [this] { Button2Click(); });
    connectButton("Button3", [this] { Button3Click(); });
    connectButton("Button4", [this] { Button4Click(); });

    setResultLock({.cells = {},
                   .labels = {"Label17", "Label18", "Label8", "Label9", "Label13", "Label10", "Label24", "Label31",
                              "Label32", "Label33", "Label34", "Label35", "Label36", "Label37", "Label38", "Label39",
                              "Label40", "Label41"},
                   .revealLabel = "Label25",
                   .passwordLabel = "Label42"});
}

void TForm9::Button1Click()
{
    apply(more_force_3_calculator6(cells({"Edit1", "Edit2", "Edit3", "Edit4"})));
}

void TForm9::Button2Click()
{
    emptyCells({"Edit1", "Edit2", "Edit3", "Edit4"});
    hideControls({"Label17", "Label18", "Label8", "Label9", "Label10", "Label13"});
    focusControl("Edit1");
}

void TForm9::Button3Click()
{
    apply(more_force_3_calculator7(cells({"Edit5", "Edit6", "Edit7", "Edit8", "Edit9"})));
}

void TForm9::Button4Click()
{
    emptyCells({"Edit5", "Edit6", "Edit7", "Edit8", "Edit9"});
    hideControls({"Label24", "Label31", "Label32", "Label33", "Label34", "Label35", "Label36", "Label37", "Label38",
                  "Label39", "Label40", "Label41"});
    focusControl("Edit5");
}

} // namespace tavek
