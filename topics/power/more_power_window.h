#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm11;
}

namespace tavek {

class TForm11 : public FormWindow {
    Q_OBJECT
public:
    TForm11(const Context& context, QWidget* parent);
    ~TForm11() override;

protected:
    void build() override;

private:
    std::unique_ptr<Ui::TForm11> ui_;
};

} // namespace tavek
