#include "topics/conversions/conversions_window.h"

#include <QLabel>

#include "topics/conversions/conversions.h"
#include "ui_form3.h"

namespace tavek {

TForm3::TForm3(const Context& context, QWidget* parent) : FormWindow(FormId::Form3, context, parent) {}

TForm3::~TForm3() = default;

void TForm3::build()
{
    ui_ = std::make_unique<Ui::TForm3>();
    ui_->setupUi(this);


    for (const Conversion& c : conversions())
        connectButton(c.button, [this, &c] { convertClick(c); });
    connectButton("Button6", [this] { Button6Click(); });
    connectButton("Button13", [this] { Button13Click(); });
    connectButton("Button19", [this] { Button19Click(); });
}

void TForm3::convertClick(const Conversion& conversion)
{
    apply(convert(conversion, cells({conversion.input})));
}

void TForm3::Button6Click()
{
    emptyCells({"Edit1", "Edit2"});
    focusControl("Edit1");
}

void TForm3::Button13Click()
{
    emptyCells({"Edit3", "Edit4"});
    focusControl("Edit3");
}

void TForm3::Button19Click()
{
    emptyCells({"Edit5", "Edit6"});
    focusControl("Edit5");
}

} // namespace tavek
