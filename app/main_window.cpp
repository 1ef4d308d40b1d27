#include "app/main_window.h"

#include <QLabel>

#include "kit/mouse.h"
#include "ui_form1.h"

namespace tavek {

TForm1::TForm1(const Context& context) : FormWindow(FormId::Form1, context, nullptr) {}

TForm1::~TForm1() = default;

void TForm1::build()
{
    ui_ = std::make_unique<Ui::TForm1>();
    ui_->setupUi(this);

    const std::pair<const char*, FormId> topics[] = {
        {"Label3", FormId::Form2}, {"Label5", FormId::Form4}, {"Label6", FormId::Form6}, {"Label7", FormId::Form10}};
    for (const auto& [label, target] : topics) {
        if (auto* l = control<QLabel>(label)) {
            const FormId t = target;
            onClick(l, [this, t] { context().navigator->show(t); });
        }
    }
    connectAction("FecharTAVEK1", [this] { FecharTAVEK1Click(); });
}

void TForm1::FecharTAVEK1Click()
{
    close();
}

} // namespace tavek
