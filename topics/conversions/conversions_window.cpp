#include "kit/frame/designed_window.h"
#include "topics/conversions/conversions.h"
#include "topics/conversions/windows.h"
#include "ui_form3.h"

namespace tavek {

FormWindow* createConversionsWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::ConversionsWindow>(number, context, owner, [](auto& u, Design& d, const Context&) {
        // A group of unit buttons shares its value cell, its result cell and
        // its clear button; each button is a press with its own conversion.
        QWidget* window = u.centralwidget->window();
        auto group = [window](QLineEdit* input, QLineEdit* result, QAbstractButton* clear) {
            Exercise e{{}, {input}, {result}, clear};
            for (const Conversion& c : conversions())
                if (input->objectName() == QLatin1String(c.input))
                    e.presses.push_back({requireControl<QAbstractButton>(window, c.button),
                                         [&c](const Cells& cells) { return convert(c, cells); }});
            return e;
        };
        d.exercises = {group(u.Edit1, u.Edit2, u.Button6), group(u.Edit3, u.Edit4, u.Button13),
                       group(u.Edit5, u.Edit6, u.Button19)};
        d.solutions = {.objectPrefix = "ResolucaoConversao",
                       .names = {"Unidades de Comprimento", "Unidades de Tempo", "Unidades de Massa"}};
    });
}

} // namespace tavek
