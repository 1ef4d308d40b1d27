#include "kit/frame/designed_window.h"

#include <QListView>
#include <QStringListModel>
#include <QStyledItemDelegate>

#include "topics/power/exercises.h"
#include "topics/power/windows.h"
#include "ui_form11.h"

namespace tavek {

namespace {

// Every line of the result list is 13 pixels high, as it was laid out; one
// fixed height also lets the view place 32001 lines without measuring them.
// With uniform sizes the view takes the width of its last line for all of
// them; the last is the widest, since time and work only grow down the list,
// so the horizontal scroll bar reaches every line's end.
class FixedLineHeight : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 13};
    }
};

} // namespace

FormWindow* createPowerTableWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::PowerTableWindow>(number, context, owner, exercises_of(power_exercises(), number),
                                          [](auto& u, Design& d, const Context&) {
        // Plain text lines in one model, painted by one delegate: no widget per
        // line, so a list of 32001 lines fills and scrolls as fast as a short one.
        QListView* list = u.ListBox1;
        list->setModel(new QStringListModel(list));
        list->setItemDelegate(new FixedLineHeight(list));
        list->setUniformItemSizes(true);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);

        d.lock = ResultLockSetup{};
        d.quickSi = {u.Edit1, u.Label27, u.CheckBox1, u.Kmhms1, u.mihms1, u.cmsms1};
    });
}

} // namespace tavek
