#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm9;
}

namespace tavek {

class TForm9 : public FormWindow {
    Q_OBJECT
public:
    TForm9(const Context& context, QWidget* parent);
    ~TForm9() override;

protected:
    void build() override;

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    std::unique_ptr<Ui::TForm9> ui_;
};

} // namespace tavek
