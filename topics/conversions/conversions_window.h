#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm3;
}

namespace tavek {

struct Conversion;

class TForm3 : public FormWindow {
    Q_OBJECT
public:
    TForm3(const Context& context, QWidget* parent);
    ~TForm3() override;

protected:
    void build() override;

private:
    // Button1Click .. Button18Click of the sixteen unit buttons.
    void convertClick(const Conversion& conversion);
    void Button6Click();
    void Button13Click();
    void Button19Click();

    std::unique_ptr<Ui::TForm3> ui_;
};

} // namespace tavek
