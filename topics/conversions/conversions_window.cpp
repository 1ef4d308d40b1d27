#include "kit/frame/designed_window.h"
#include "topics/conversions/exercises.h"
#include "topics/conversions/windows.h"
#include "ui_form3.h"

namespace tavek {

FormWindow* createConversionsWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::ConversionsWindow>(number, context, owner, exercises_of(conversion_exercises(), number),
                                           [](auto&, Design&, const Context&) {});
}

} // namespace tavek
