#include "topics/rectilinear/rectilinear_window.h"

#include "ui_form2.h"

namespace tavek {

TForm2::TForm2(const Context& context, QWidget* parent) : FormWindow(FormId::Form2, context, parent) {}

TForm2::~TForm2() = default;

void TForm2::build()
{
    ui_ = std::make_unique<Ui::TForm2>();
    ui_->setupUi(this);
}

} // namespace tavek
