#pragma once
// The menu "Conversão de velocidade para o SI" of a window: its three items
// rewrite the typed speed of one cell in m/s while the cell's check box is
// ticked, and leave a note of what was converted.
#include <QObject>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace tavek {

class OutcomeApplier;

struct QuickSiSetup {
    QLineEdit* speedCell = nullptr;
    QLabel* note = nullptr;      // records what was converted
    QCheckBox* checkBox = nullptr;
    QAction* kmh = nullptr;      // "Km/h -> m/s"
    QAction* mih = nullptr;
    QAction* cms = nullptr;
};

class QuickSiMenu : public QObject {
    Q_OBJECT
public:
    // Connects the three items; the applier writes the conversion.
    QuickSiMenu(QObject* owner, const QuickSiSetup& setup, const OutcomeApplier& applier);

    const QuickSiSetup& setup() const { return setup_; }
    // The speed cell's exercise was cleared: the box is unticked, the note hidden.
    void reset() const;

private:
    QuickSiSetup setup_;
};

} // namespace tavek
