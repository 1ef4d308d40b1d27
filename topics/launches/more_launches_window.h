#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm5;
}

namespace tavek {

class TForm5 : public FormWindow {
    Q_OBJECT
public:
    TForm5(const Context& context, QWidget* parent);
    ~TForm5() override;

protected:
    void build() override;

private:
    std::unique_ptr<Ui::TForm5> ui_;
};

} // namespace tavek
