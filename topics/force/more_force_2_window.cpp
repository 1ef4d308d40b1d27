#include "topics/force/more_force_2_window.h"

#include "ui_form8.h"

namespace tavek {

TForm8::TForm8(const Context& context, QWidget* parent) : FormWindow(FormId::Form8, context, parent) {}

TForm8::~TForm8() = default;

void TForm8::build()
{
    ui_ = std::make_unique<Ui::TForm8>();
    ui_->setupUi(this);
}

} // namespace tavek
