#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm6;
}

namespace tavek {

class TForm6 : public FormWindow {
    Q_OBJECT
public:
    TForm6(const Context& context, QWidget* parent);
    ~TForm6() override;

protected:
    void build() override;

private:
    std::unique_ptr<Ui::TForm6> ui_;
};

} // namespace tavek
