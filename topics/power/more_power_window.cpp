#include "topics/power/more_power_window.h"

#include "ui_form11.h"

namespace tavek {

TForm11::TForm11(const Context& context, QWidget* parent) : FormWindow(FormId::Form11, context, parent) {}

TForm11::~TForm11() = default;

void TForm11::build()
{
    ui_ = std::make_unique<Ui::TForm11>();
    ui_->setupUi(this);
}

} // namespace tavek
