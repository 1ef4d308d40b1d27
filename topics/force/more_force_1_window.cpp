#include "topics/force/more_force_1_window.h"

#include "ui_form7.h"

namespace tavek {

TForm7::TForm7(const Context& context, QWidget* parent) : FormWindow(FormId::Form7, context, parent) {}

TForm7::~TForm7() = default;

void TForm7::build()
{
    ui_ = std::make_unique<Ui::TForm7>();
    ui_->setupUi(this);
}

} // namespace tavek
