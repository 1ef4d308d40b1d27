#include "kit/frame/quick_si_menu.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "kit/frame/outcome_applier.h"
#include "kit/core/quick_si.h"

namespace tavek {

QuickSiMenu::QuickSiMenu(QObject* owner, const QuickSiSetup& setup, const OutcomeApplier& applier)
    : QObject(owner), setup_(setup)
{
    const std::pair<QAction*, SpeedUnit> items[] = {
        {setup_.kmh, SpeedUnit::Kmh}, {setup_.mih, SpeedUnit::Mih}, {setup_.cms, SpeedUnit::Cms}};
    for (const auto& [item, unit] : items) {
        Q_ASSERT(item);
        const SpeedUnit u = unit;
        connect(item, &QAction::triggered, this, [this, u, &applier] {
            applier.apply(convert_speed(setup_.checkBox->isChecked(), setup_.speedCell->text().toStdString(), u,
                                        setup_.speedCell->objectName().toStdString(),
                                        setup_.note->objectName().toStdString()));
        });
    }
}

void QuickSiMenu::reset() const
{
    setup_.checkBox->setChecked(false);
    setup_.note->hide();
}

} // namespace tavek
