#include "kit/designed_window.h"
#include "topics/conversions/conversions.h"
#include "topics/conversions/windows.h"
#include "ui_form3.h"

namespace tavek {

namespace {

class ConversionsWindow final : public DesignedWindow<Ui::ConversionsWindow> {
public:
    using DesignedWindow::DesignedWindow;

private:
    void build() override
    {
        setupUi();
        // A group of unit buttons shares its value cell, its result cell and
        // its clear button; each button is a press with its own conversion.
        auto group = [this](QLineEdit* input, QLineEdit* result, QAbstractButton* clear) {
            Exercise e{.presses = {}, .inputs = {input}, .results = {result}, .clear = clear};
            for (const Conversion& c : conversions())
                if (input->objectName() == QLatin1String(c.input))
                    e.presses.push_back({requireControl<QAbstractButton>(this, c.button),
                                         [&c](const Cells& cells) { return convert(c, cells); }});
            return e;
        };
        setExercises({group(ui_->Edit1, ui_->Edit2, ui_->Button6), group(ui_->Edit3, ui_->Edit4, ui_->Button13),
                       group(ui_->Edit5, ui_->Edit6, ui_->Button19)});
    }
};

} // namespace

FormWindow* createConversionsWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return create<ConversionsWindow>(number, context, owner);
}

} // namespace tavek
