#include "topics/power/power_window.h"

#include "topics/power/power.h"
#include "ui_form10.h"

namespace tavek {

TForm10::TForm10(const Context& context, QWidget* parent) : FormWindow(FormId::Form10, context, parent) {}

TForm10::~TForm10() = default;

void TForm10::build()
{
    ui_ = std::make_unique<Ui::TForm10>();
    ui_->setupUi(this);

    setResultLock({.cells = {},
                   .labels = {"Label18", "Label8", "Label6", "Label19", "Label20", "Label22", "Label23", "Label24"},
                   .revealLabel = "Label25",
                   .passwordLabel = "Label34"});
    setQuickSi({.speedCell = "Edit8", .note = "Label27", .kmhAction = "Kmhms1"});

    connectButton("Button1", [this] { Button1Click(); });
    connectButton("Button2", [this] { Button2Click(); });
    connectButton("Button3", [this] { Button3Click(); });
    connectButton("Button4", [this] { Button4Click(); });
}

void TForm10::Button1Click()
{
    apply(power_calculator1(cells({"Edit1", "Edit2", "Edit3"})));
}

void TForm10::Button2Click()
{
    hideControls({"Label8", "Label18", "Label6"});
    emptyCells({"Edit1", "Edit2", "Edit3"});
    focusControl("Edit1");
}

void TForm10::Button3Click()
{
    apply(power_calculator2(cells({"Edit8", "Edit4", "Edit5", "Edit6", "Edit7"})));
}

void TForm10::Button4Click()
{
    emptyCells({"Edit5", "Edit6", "Edit7", "Edit8", "Edit4"});
    hideControls({"Label19", "Label20", "Label22", "Label23", "Label24", "Label27"});
    untick("CheckBox1");
    focusControl("Edit8");
}

} // namespace tavek
