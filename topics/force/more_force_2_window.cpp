#include "topics/force/more_force_2_window.h"

#include "topics/force/more_force_2.h"
#include "ui_form8.h"

namespace tavek {

TForm8::TForm8(const Context& context, QWidget* parent) : FormWindow(FormId::Form8, context, parent) {}

TForm8::~TForm8() = default;

void TForm8::build()
{
    ui_ = std::make_unique<Ui::TForm8>();
    ui_->setupUi(this);

    connectButton("Button1", [this] { Button1Click(); });
    connectButton("Button2", [this] { Button2Click(); });
    connectButton("Button3", [this] { Button3Click(); });
    connectButton("Button4", [this] { Button4Click(); });

    setResultLock({.cells = {},
                   .labels = {"Label17", "Label18", "Label8", "Label9", "Label10", "Label21", "Label22"},
                   .revealLabel = "Label13",
                   .passwordLabel = "Label34"});
}

void TForm8::Button1Click()
{
    apply(more_force_2_calculator5(cells({"Edit1", "Edit2", "Edit3"})));
}

void TForm8::Button2Click()
{
    hideControls({"Label17", "Label18", "Label8", "Label9", "Label10"});
    emptyCells({"Edit1", "Edit2", "Edit3"});
    focusControl("Edit1");
}

void TForm8::Button3Click()
{
    apply(more_force_2_calculator6(cells({"Edit4", "Edit5"})));
}

void TForm8::Button4Click()
{
    emptyCells({"Edit4", "Edit5"});
    hideControls({"Label21", "Label22"});
    focusControl("Edit4");
}

} // namespace tavek
