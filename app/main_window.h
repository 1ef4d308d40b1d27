#pragma once
#include <memory>

#include "kit/form_window.h"

class QCloseEvent;

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
    // Whatever closes the main window ends the program, with every window.
    void closeEvent(QCloseEvent* event) override;

private:
    void Label3Click();
    void Label5Click();
    void Label6Click();
    void Label7Click();
    void FecharTAVEK1Click();

    std::unique_ptr<Ui::TForm1> ui_;
};

} // namespace tavek
