#include "topics/force/force_window.h"

#include "ui_form6.h"

namespace tavek {

TForm6::TForm6(const Context& context, QWidget* parent) : FormWindow(FormId::Form6, context, parent) {}

TForm6::~TForm6() = default;

void TForm6::build()
{
    ui_ = std::make_unique<Ui::TForm6>();
    ui_->setupUi(this);
}

} // namespace tavek
