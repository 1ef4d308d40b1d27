#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm2;
}

namespace tavek {

class TForm2 : public FormWindow {
    Q_OBJECT
public:
    TForm2(const Context& context, QWidget* parent);
    ~TForm2() override;

protected:
    void build() override;

private:
    std::unique_ptr<Ui::TForm2> ui_;
};

} // namespace tavek
