#include "topics/launches/launches_window.h"

#include "ui_form4.h"

namespace tavek {

TForm4::TForm4(const Context& context, QWidget* parent) : FormWindow(FormId::Form4, context, parent) {}

TForm4::~TForm4() = default;

void TForm4::build()
{
    ui_ = std::make_unique<Ui::TForm4>();
    ui_->setupUi(this);
}

} // namespace tavek
