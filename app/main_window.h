#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm1;
}

namespace tavek {

// The student's home screen: topic links and the way out of the program.
class TForm1 : public FormWindow {
    Q_OBJECT
public:
    explicit TForm1(const Context& context);
    ~TForm1() override;

protected:
    void build() override;

private:
    void FecharTAVEK1Click();

    std::unique_ptr<Ui::TForm1> ui_;
};

} // namespace tavek
