#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm3;
}

namespace tavek {

class TForm3 : public FormWindow {
    Q_OBJECT
public:
    TForm3(const Context& context, QWidget* parent);
    ~TForm3() override;

protected:
    void build() override;

private:
    std::unique_ptr<Ui::TForm3> ui_;
};

} // namespace tavek
