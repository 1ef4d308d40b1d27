#include "topics/conversions/conversions_window.h"

#include "ui_form3.h"

namespace tavek {

TForm3::TForm3(const Context& context, QWidget* parent) : FormWindow(FormId::Form3, context, parent) {}

TForm3::~TForm3() = default;

void TForm3::build()
{
    ui_ = std::make_unique<Ui::TForm3>();
    ui_->setupUi(this);
}

} // namespace tavek
