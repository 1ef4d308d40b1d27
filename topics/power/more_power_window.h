#pragma once
#include <memory>

#include "kit/form_window.h"

class QStringListModel;

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
    void Button1Click();
    void Button2Click();

    std::unique_ptr<Ui::TForm11> ui_;
    QStringListModel* lines_ = nullptr; // the lines of ListBox1
};

} // namespace tavek
