#include "topics/rectilinear/rectilinear_window.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>

#include "topics/rectilinear/rectilinear.h"
#include "ui_form2.h"

namespace tavek {

namespace {

// What a result cell shows until its exercise is calculated.
const QString kPlaceholder = QStringLiteral("       Resposta");

} // namespace

TForm2::TForm2(const Context& context, QWidget* parent) : FormWindow(FormId::Form2, context, parent) {}

TForm2::~TForm2() = default;

void TForm2::build()
{
    ui_ = std::make_unique<Ui::TForm2>();
    ui_->setupUi(this);

    connectButton("Button1", [this] { Button1Click(); });
    connectButton("Button2", [this] { Button2Click(); });
    connectButton("Button3", [this] { Button3Click(); });
    connectButton("Button4", [this] { Button4Click(); });
    connectButton("Button5", [this] { Button5Click(); });
    connectButton("Button6", [this] { Button6Click(); });

    setResultLock({.cells = {"Edit5", "Edit6", "Edit11", "Edit12"},
                   .labels = {"Label32", "Label33", "Label34", "Label35", "Label36", "Label37"},
                   .revealLabel = "Label3",
                   .passwordLabel = "Label39",
                   .disableAction = "Desabilotarcdulasderesultados1"});
    setQuickSi({.speedCell = "Edit13", .note = "Label38"});
}

void TForm2::Button1Click()
{
    apply(rectilinear_calculator1(cells({"Edit1", "Edit2", "Edit3", "Edit4"})));
}

void TForm2::Button2Click()
{
    emptyCells({"Edit1", "Edit2", "Edit3", "Edit4"});
    setTexts({"Edit5", "Edit6"}, kPlaceholder);
    focusControl("Edit1");
}

void TForm2::Button3Click()
{
    apply(rectilinear_calculator2(cells({"Edit7", "Edit8", "Edit9", "Edit10"})));
}

void TForm2::Button4Click()
{
    emptyCells({"Edit7", "Edit8", "Edit9", "Edit10"});
    setTexts({"Edit11", "Edit12"}, kPlaceholder);
    focusControl("Edit7");
}

void TForm2::Button5Click()
{
    apply(rectilinear_calculator3(cells({"Edit13"}), *context().random));
}

void TForm2::Button6Click()
{
    // The hidden labels keep their texts; the next press overwrites them.
    untick("CheckBox1");
    hideControls({"Label32", "Label33", "Label34", "Label35", "Label36", "Label37", "Label38"});
    emptyCells({"Edit13"});
    focusControl("Edit13");
}

} // namespace tavek
