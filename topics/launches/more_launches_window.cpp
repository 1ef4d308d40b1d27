#include "topics/launches/more_launches_window.h"

#include "ui_form5.h"

namespace tavek {

TForm5::TForm5(const Context& context, QWidget* parent) : FormWindow(FormId::Form5, context, parent) {}

TForm5::~TForm5() = default;

void TForm5::build()
{
    ui_ = std::make_unique<Ui::TForm5>();
    ui_->setupUi(this);
}

} // namespace tavek
