#include "sheets/frame/sheet_dialog.h"

#include <QDir>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>

#include "kit/core/lock_state.h"
#include "kit/frame/messenger.h"
#include "kit/frame/save_file.h"
#include "sheets/frame/moodle_export.h"
#include "sheets/frame/print_preview.h"
#include "sheets/frame/sheet_pdf.h"
#include "topics/exercises.h"
#include "ui_lista_dialog.h"
#include "ui_senha_professor.h"

namespace tavek {

namespace {

constexpr int kExerciseId = Qt::UserRole;

// A caption and a close box: nothing to minimise or maximise.
constexpr Qt::WindowFlags kDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const SaveKind kPdfDocument{QStringLiteral("Documentos PDF (*.pdf)"), QStringLiteral("pdf")};
const SaveKind kMoodleBank{QStringLiteral("Banco de questões do Moodle (*.xml)"), QStringLiteral("xml")};

// A progress dialog that shows only when the work takes a while.
void prepare(QProgressDialog& progress, int steps)
{
    progress.setWindowTitle(QStringLiteral("Lista de exercícios"));
    progress.setMinimumWidth(progress.fontMetrics().horizontalAdvance(QLatin1Char('M')) * 28);
    progress.setCancelButtonText(QStringLiteral("Cancelar"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setRange(0, steps);
    progress.setValue(0);
}

// One step further; false once the teacher has cancelled.
bool advance(QProgressDialog& progress)
{
    progress.setValue(progress.value() + 1);
    return !progress.wasCanceled();
}

// A new file's place: the user's documents, else the home folder.
QString inDocuments(const QString& name)
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return (documents.exists() ? documents : QDir::home()).filePath(name);
}

} // namespace

void openExerciseSheets(QWidget* parent, PasswordCheck isTeachers, Messenger& messenger)
{
    auto* ask = new QDialog(parent, kDialogFrame);
    Ui::TeacherPasswordDialog form;
    form.setupUi(ask);
    ask->setAttribute(Qt::WA_DeleteOnClose);
    QLineEdit* password = form.Senha;
    QObject::connect(ask, &QDialog::accepted, parent, [parent, password, isTeachers, &messenger] {
        // The sheets, and above all their keys, are the teacher's.
        if (!isTeachers(password->text().toStdString())) {
            messenger.inform(parent, q(kWrongPassword));
            return;
        }
        auto* dialog = new SheetDialog(messenger, parent);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
    });
    ask->open();
}

SheetDialog::SheetDialog(Messenger& messenger, QWidget* parent)
    : QDialog(parent, kDialogFrame), ui_(std::make_unique<Ui::SheetDialogForm>()), messenger_(messenger)
{
    ui_->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    // A new list gets a code of its own; typed again, an old code gives its
    // sheets again. The program's own draw is not touched.
    ui_->Codigo->setValue(static_cast<int>(QRandomGenerator::global()->bounded(kMinSheetCode, kMaxSheetCode + 1)));
    ui_->Versoes->setMaximum(kMaxVersions);

    // The exercises grouped by window, numbered as the windows number them.
    for (const ExerciseWindow& w : exercise_windows()) {
        auto* group = new QTreeWidgetItem(ui_->Exercicios, {q(w.name)});
        group->setFlags(group->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        group->setCheckState(0, Qt::Unchecked);
        for (const ExerciseRecord* e : all_exercises()) {
            if (e->form != w.form)
                continue;
            const QString text = *e->number ? q(e->number) + QLatin1Char(' ') + q(e->title) : q(e->title);
            auto* item = new QTreeWidgetItem(group, {text});
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
            item->setData(0, kExerciseId, q(e->id));
        }
    }
    ui_->Exercicios->expandAll();
    connect(ui_->Exercicios, &QTreeWidget::itemChanged, this, [this] { updateButtons(); });
    connect(ui_->Visualizar, &QPushButton::clicked, this, [this] { preview(); });
    connect(ui_->SalvarPdf, &QPushButton::clicked, this, [this] { savePdf(); });
    connect(ui_->ExportarMoodle, &QPushButton::clicked, this, [this] { exportMoodle(); });
    updateButtons();
}

SheetDialog::~SheetDialog() = default;

SheetRequest SheetDialog::request() const
{
    SheetRequest r;
    r.code = ui_->Codigo->value();
    r.versions = ui_->Versoes->value();
    for (QTreeWidgetItemIterator it(ui_->Exercicios, QTreeWidgetItemIterator::Checked); *it; ++it)
        if (const QString id = (*it)->data(0, kExerciseId).toString(); !id.isEmpty())
            r.exercises.push_back(find_exercise(id.toStdString()));
    return r;
}

SheetLook SheetDialog::look() const
{
    SheetLook l;
    l.school = ui_->Escola->text();
    l.teacher = ui_->Professor->text();
    l.group = ui_->Turma->text();
    l.date = ui_->Data->text();
    l.key = ui_->SemGabarito->isChecked() ? SheetKey::None
            : ui_->SoRespostas->isChecked() ? SheetKey::Answers
                                            : SheetKey::Solutions;
    return l;
}

void SheetDialog::updateButtons()
{
    const bool any = !request().exercises.empty();
    ui_->Visualizar->setEnabled(any);
    ui_->SalvarPdf->setEnabled(any);
    ui_->ExportarMoodle->setEnabled(any);
}

std::optional<std::vector<SheetVersion>> SheetDialog::make(QProgressDialog& progress) const
{
    std::vector<SheetVersion> versions;
    progress.setLabelText(QStringLiteral("Sorteando os números de cada versão..."));
    for (SheetMaker maker(request()); !maker.done();) {
        versions.push_back(maker.next());
        if (!advance(progress))
            return std::nullopt;
    }
    return versions;
}

void SheetDialog::preview()
{
    const SheetRequest r = request();
    const SheetLook l = look();
    std::optional<std::vector<SheetVersion>> versions;
    {
        QProgressDialog progress(this);
        prepare(progress, r.versions);
        versions = make(progress);
    }
    if (!versions)
        return;

    PrintPreview shown;
    shown.parent = this;
    shown.documentName = QStringLiteral("Lista %1").arg(r.code);
    shown.title = QStringLiteral("Visualizar impressão - Lista %1").arg(r.code);
    shown.layOut = [](QPagedPaintDevice& printer) { setSheetPageLayout(printer); };
    shown.paint = [&](QPagedPaintDevice& target, QDialog& dialog, bool preview) {
        // The preview keeps its pages in memory and can be given up half-way;
        // a printer's job, once begun, cannot be taken back (Qt's printers do
        // not abort), so printing runs to its end.
        QProgressDialog progress(&dialog);
        prepare(progress, sheetPaintSteps(r.versions, l.key));
        progress.setLabelText(preview ? QStringLiteral("Preparando as páginas...") : QStringLiteral("Imprimindo..."));
        if (!preview)
            progress.setCancelButton(nullptr);
        QPainter painter;
        if (!painter.begin(&target)) {
            if (!preview)
                messenger_.inform(&dialog, QStringLiteral("Não foi possível imprimir: a impressora não aceitou o trabalho."));
            return;
        }
        const auto step = [&progress, preview] { return advance(progress) || !preview; };
        if (paintSheet(target, painter, r.code, *versions, l, step) == 0) {
            // Given up: no half sheet stays on view.
            QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
        }
        if (!painter.end() && !preview)
            messenger_.inform(&dialog, QStringLiteral("Não foi possível imprimir: a impressora não aceitou o trabalho."));
    };
    shown.printToFile = [&](const QString& path, const QPageLayout& layout, QDialog& dialog) {
        QProgressDialog progress(&dialog);
        prepare(progress, sheetPaintSteps(r.versions, l.key));
        progress.setLabelText(QStringLiteral("Imprimindo..."));
        QString why;
        const PdfResult result = writeSheetPdf(path, r.code, *versions, l, [&progress] { return advance(progress); },
                                               &why, &layout);
        progress.close();
        if (result == PdfResult::Failed)
            messenger_.inform(&dialog, QStringLiteral("Não foi possível imprimir: %1").arg(why));
    };
    QString why;
    if (!showPrintPreview(shown, printPreviewFolders(), &why)) {
        messenger_.inform(this, QStringLiteral("A visualização de impressão não pôde ser aberta (%1). "
                                               "A lista pode ser salva em PDF.")
                                    .arg(why));
    }
}

void SheetDialog::savePdf()
{
    const SheetRequest r = request();
    const QString path = askSavePath(this, QStringLiteral("Salvar PDF"),
                                     inDocuments(QStringLiteral("Lista %1.pdf").arg(r.code)), kPdfDocument);
    if (path.isEmpty())
        return;

    const SheetLook l = look();
    QProgressDialog progress(this);
    prepare(progress, r.versions + sheetPaintSteps(r.versions, l.key));
    const std::optional<std::vector<SheetVersion>> versions = make(progress);
    if (!versions)
        return;
    progress.setLabelText(QStringLiteral("Escrevendo as páginas..."));
    QString why;
    const PdfResult result =
        writeSheetPdf(path, r.code, *versions, l, [&progress] { return advance(progress); }, &why);
    progress.close();
    if (result == PdfResult::Failed)
        messenger_.inform(this, QStringLiteral("Não foi possível salvar: %1").arg(why));
}

void SheetDialog::exportMoodle()
{
    const SheetRequest r = request();
    const QString path = askSavePath(this, QStringLiteral("Exportar para o Moodle"),
                                     inDocuments(QStringLiteral("Lista %1.xml").arg(r.code)), kMoodleBank);
    if (path.isEmpty())
        return;

    QProgressDialog progress(this);
    prepare(progress, r.versions + r.versions * static_cast<int>(r.exercises.size()));
    const std::optional<std::vector<SheetVersion>> versions = make(progress);
    if (!versions)
        return;
    progress.setLabelText(QStringLiteral("Escrevendo as questões..."));
    QString why;
    const ExportResult result =
        writeMoodleBank(path, r.code, *versions, [&progress] { return advance(progress); }, &why);
    progress.close();
    if (result == ExportResult::Failed)
        messenger_.inform(this, QStringLiteral("Não foi possível salvar: %1").arg(why));
}

} // namespace tavek
