#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm7;
}

namespace tavek {

class TForm7 : public FormWindow {
    Q_OBJECT
public:
    TForm7(const Context& context, QWidget* parent);
    ~TForm7() override;

protected:
    void build() override;

private:
    std::unique_ptr<Ui::TForm7> ui_;
};

} // namespace tavek
