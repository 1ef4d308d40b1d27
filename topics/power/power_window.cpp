#include "topics/power/power_window.h"

#include "ui_form10.h"

namespace tavek {

TForm10::TForm10(const Context& context, QWidget* parent) : FormWindow(FormId::Form10, context, parent) {}

TForm10::~TForm10() = default;

void TForm10::build()
{
    ui_ = std::make_unique<Ui::TForm10>();
    ui_->setupUi(this);
}

} // namespace tavek
