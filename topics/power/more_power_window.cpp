#include "topics/power/more_power_window.h"

#include <QListView>
#include <QStringListModel>
#include <QStyledItemDelegate>

#include "topics/power/more_power.h"
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

TForm11::TForm11(const Context& context, QWidget* parent) : FormWindow(FormId::Form11, context, parent) {}

TForm11::~TForm11() = default;

void TForm11::build()
{
    ui_ = std::make_unique<Ui::TForm11>();
    ui_->setupUi(this);

    // Plain text lines in one model, painted by one delegate: no widget per
    // line, so a list of 32001 lines fills and scrolls as fast as a short one.
    QListView* list = ui_->ListBox1;
    lines_ = new QStringListModel(list);
    list->setModel(lines_);
    list->setItemDelegate(new FixedLineHeight(list));
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);

    setResultLock({.cells = {}, .labels = {}, .list = "ListBox1"});
    setQuickSi({.speedCell = "Edit1", .note = "Label27", .kmhAction = "Kmhms1"});

    connectButton("Button1", [this] { Button1Click(); });
    connectButton("Button2", [this] { Button2Click(); });
}

void TForm11::Button1Click()
{
    apply(more_power_calculator(cells({"Edit1", "Edit2", "Edit3", "Edit4"})));
}

void TForm11::Button2Click()
{
    untick("CheckBox1");
    hideControls({"Label27", "ListBox1"});
    emptyCells({"Edit1", "Edit2", "Edit3", "Edit4"});
    focusControl("Edit1");
}

} // namespace tavek
