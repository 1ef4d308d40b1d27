#pragma once
#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

#include "sheets/sheet_pages.h"

class QProgressDialog;

namespace Ui {
class SheetDialogForm;
}

namespace tavek {

class ExitLock;
class Messenger;

// "Professor > Lista de exercícios...": the teacher's password first (the
// exit password, compared by the exit lock itself), then the sheet dialog.
// A wrong password gives "Senha Incorreta" and nothing else.
void openExerciseSheets(QWidget* parent, const ExitLock& lock, Messenger& messenger);

// The dialog "Lista de exercícios": which exercises, how many versions, the
// header, the kind of key; then the print preview or a PDF file.
class SheetDialog : public QDialog {
    Q_OBJECT
public:
    SheetDialog(Messenger& messenger, QWidget* parent);
    ~SheetDialog() override;

    SheetRequest request() const;
    SheetLook look() const;

    void preview();
    void savePdf();

private:
    void updateButtons();
    // The versions, made under a progress dialog; nothing when cancelled.
    std::optional<std::vector<SheetVersion>> make(QProgressDialog& progress) const;

    std::unique_ptr<Ui::SheetDialogForm> ui_;
    Messenger& messenger_;
};

} // namespace tavek
