#include "kit/designed_window.h"
#include "topics/force/tensions.h"
#include "topics/force/windows.h"
#include "ui_form7.h"

namespace tavek {

namespace {

class TensionsWindow final : public DesignedWindow<Ui::TensionsWindow> {
public:
    using DesignedWindow::DesignedWindow;

private:
    void build() override
    {
        setupUi();
        auto& u = *ui_;
        setExercises({
            {.presses = {{u.Button1, pulled_blocks}},
             .inputs = {u.Edit1, u.Edit2, u.Edit3, u.Edit4},
             .results = {u.Label4, u.Label15, u.Label16, u.Label17, u.Label18, u.Label19},
             .clear = u.Button2},
            {.presses = {{u.Button3, hanging_block_pull}},
             .inputs = {u.Edit5, u.Edit6, u.Edit7, u.Edit8},
             .results = {u.Label29, u.Label30, u.Label31, u.Label32, u.Label33},
             .clear = u.Button4},
        });
        setResultLock({.revealLabel = "Label21", .passwordLabel = "Label34"});
    }
};

} // namespace

FormWindow* createTensionsWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return create<TensionsWindow>(number, context, owner);
}

} // namespace tavek
