#include "topics/force/more_force_3_window.h"

#include "ui_form9.h"

namespace tavek {

TForm9::TForm9(const Context& context, QWidget* parent) : FormWindow(FormId::Form9, context, parent) {}

TForm9::~TForm9() = default;

void TForm9::build()
{
    ui_ = std::make_unique<Ui::TForm9>();
    ui_->setupUi(this);
}

} // namespace tavek
