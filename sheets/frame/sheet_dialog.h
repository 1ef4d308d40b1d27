#pragma once
#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sheets/frame/sheet_pages.h"

class QProgressDialog;

namespace Ui {
class SheetDialogForm;
}

namespace tavek {

class Messenger;

// Whether a typed password is the teacher's.
using PasswordCheck = std::function<bool(const std::string& typed)>;

// "Professor > Lista de exercícios...": the teacher's password first (the
// program hands the check over: the exit password, compared by the exit lock
// itself), then the sheet dialog. A wrong password gives "Senha Incorreta"
// and nothing else.
void openExerciseSheets(QWidget* parent, PasswordCheck isTeachers, Messenger& messenger);

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
    void exportMoodle();

private:
    void updateButtons();
    // The versions, made under a progress dialog; nothing when cancelled.
    std::optional<std::vector<SheetVersion>> make(QProgressDialog& progress) const;

    std::unique_ptr<Ui::SheetDialogForm> ui_;
    Messenger& messenger_;
};

} // namespace tavek
