// The teacher's exercise sheets: behind the exit password, a dialog of the
// exercises by window, and a PDF whose text, read back by pdftotext, holds
// every version, its numbers and the windows' answers for them.
#include <algorithm>
#include <functional>
#include <optional>

#include <csignal>
#include <sys/resource.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "sheets/frame/moodle_export.h"
#include "sheets/frame/print_preview.h"
#include "sheets/frame/sheet_dialog.h"
#include "sheets/frame/sheet_pdf.h"
#include "support.h"
#include "topics/exercises.h"

using namespace tavek;

class SheetsTest : public ProgramTest {
    Q_OBJECT
private slots:
    void wrongPasswordSaysSoAndNothingElse();
    void exitPasswordOpensTheDialog();
    void escapeCancels();
    void dialogListsTheExercisesByWindow();
    void previewLeavesTheProgramsDrawAlone();
    void cancelledPreviewCloses();
    void previewWithoutItsModuleSaysWhy();
    void pdfReadsBack();
    void stoppedPdfLeavesNothingHalfWritten();
    void saveAsksBeforeReplacing_data();
    void saveAsksBeforeReplacing();
    void failedSaveStopsAndSaysWhy();
    void printToFileWholeOrNotAtAll_data();
    void printToFileWholeOrNotAtAll();

private:
    QDialog* askPassword();
    SheetDialog* openDialog();
    // The dialog with `exercises` of the tree's windows checked (all: -1).
    SheetDialog* openDialogWith(int windows, int versions);
};

namespace {

// Blanks and line ends as one blank: pdftotext breaks lines where the page does.
QString flat(QString text) { return text.simplified(); }
QString flat(const std::string& text) { return QString::fromStdString(text).simplified(); }

std::vector<const ExerciseRecord*> chosen(std::initializer_list<const char*> ids)
{
    std::vector<const ExerciseRecord*> r;
    for (const char* id : ids)
        r.push_back(find_exercise(id));
    return r;
}

// Answers each modal dialog as it comes up, from the event loop: `answer` is
// given the innermost one and acts on it through queued calls, so that a
// dialog it opens in turn is answered as well.
class Answers : public QObject {
public:
    explicit Answers(std::function<void(QWidget*)> answer) : answer_(std::move(answer))
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != last_ && modal->isVisible()) {
                last_ = modal;
                answer_(modal);
            } else if (!modal) {
                last_ = nullptr;
            }
        });
        timer_.start(20);
    }

private:
    std::function<void(QWidget*)> answer_;
    QTimer timer_;
    QPointer<QWidget> last_;
};

template <class F>
void later(QObject* context, F f)
{
    QMetaObject::invokeMethod(context, std::move(f), Qt::QueuedConnection);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A disk that takes no more than `bytes` of any one file: the file-size limit
// of this process, its signal ignored, so that a write past it fails (EFBIG)
// as a write to a full disk fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        if (getrlimit(RLIMIT_FSIZE, &before_) != 0)
            return;
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        set_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        if (set_)
            setrlimit(RLIMIT_FSIZE, &before_);
        if (oldSignal_ != SIG_ERR)
            std::signal(SIGXFSZ, oldSignal_);
    }
    bool set() const { return set_; }

private:
    rlimit before_{};
    void (*oldSignal_)(int) = SIG_ERR;
    bool set_ = false;
};

const QByteArray kOld("antiga");

// The teacher types a name (here with its folder) into the save dialog,
// the focus in the name field. (Set whole: typed key by key, it would open
// the name completer's popup.)
void typeName(QFileDialog* files, const QString& name)
{
    auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setFocus();
    edit->setText(name);
}

} // namespace

SheetDialog* SheetsTest::openDialogWith(int windows, int versions)
{
    SheetDialog* dialog = openDialog();
    auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("Exercicios"));
    const int n = windows < 0 ? tree->topLevelItemCount() : windows;
    for (int i = 0; i < n; ++i)
        tree->topLevelItem(i)->setCheckState(0, Qt::Checked);
    dialog->findChild<QSpinBox*>(QStringLiteral("Versoes"))->setValue(versions);
    return dialog;
}

QDialog* SheetsTest::askPassword()
{
    trigger(p->form(1), "ListaDeExercicios");
    return p->form(1)->findChild<QDialog*>(QStringLiteral("SenhaProfessor"));
}

SheetDialog* SheetsTest::openDialog()
{
    QDialog* ask = askPassword();
    auto* password = ask->findChild<QLineEdit*>(QStringLiteral("Senha"));
    QTest::keyClicks(password, QStringLiteral("zorp"));
    QTest::keyClick(password, Qt::Key_Return);
    return p->form(1)->findChild<SheetDialog*>(QStringLiteral("ListaDialog"));
}

void SheetsTest::wrongPasswordSaysSoAndNothingElse()
{
    QDialog* ask = askPassword();
    QVERIFY(ask && ask->isVisible());
    auto* password = ask->findChild<QLineEdit*>(QStringLiteral("Senha"));
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    // Compared exactly, as the exit lock compares.
    QTest::keyClicks(password, QStringLiteral("Zorp"));
    QTest::keyClick(password, Qt::Key_Return);
    QCOMPARE(p->messenger.texts(), QStringList{QStringLiteral("Senha Incorreta")});
    QVERIFY(!p->form(1)->findChild<SheetDialog*>());
}

void SheetsTest::exitPasswordOpensTheDialog()
{
    SheetDialog* dialog = openDialog();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(p->messenger.texts().isEmpty());
    QCOMPARE(dialog->windowTitle(), u("Lista de exercícios"));
    QVERIFY(dialog->isModal());
}

void SheetsTest::escapeCancels()
{
    QDialog* ask = askPassword();
    QTest::keyClicks(ask->findChild<QLineEdit*>(QStringLiteral("Senha")), QStringLiteral("zorp"));
    QTest::keyClick(ask->findChild<QLineEdit*>(QStringLiteral("Senha")), Qt::Key_Escape);
    QVERIFY(!ask->isVisible());
    QVERIFY(p->messenger.texts().isEmpty());
    QVERIFY(!p->form(1)->findChild<SheetDialog*>());
}

void SheetsTest::dialogListsTheExercisesByWindow()
{
    SheetDialog* dialog = openDialog();
    auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("Exercicios"));
    QCOMPARE(tree->topLevelItemCount(), 10); // Form2 to Form11, the conversions as one group
    QCOMPARE(tree->topLevelItem(0)->text(0), u("Movimento Retilíneo"));
    QCOMPARE(tree->topLevelItem(1)->text(0), u("Conversões de Unidades"));
    QCOMPARE(tree->topLevelItem(1)->childCount(), 3);
    QVERIFY(tree->topLevelItem(3)->child(0)->text(0).startsWith(QStringLiteral("3) ")));
    auto* versions = dialog->findChild<QSpinBox*>(QStringLiteral("Versoes"));
    QCOMPARE(versions->minimum(), 1);
    QCOMPARE(versions->maximum(), 60);

    // Nothing chosen, nothing to print; a whole window checks all of its exercises.
    auto* save = dialog->findChild<QPushButton*>(QStringLiteral("SalvarPdf"));
    QVERIFY(!save->isEnabled());
    tree->topLevelItem(2)->setCheckState(0, Qt::Checked);
    QVERIFY(save->isEnabled());
    QCOMPARE(dialog->request().exercises, chosen({"form4.1", "form4.2"}));
}

void SheetsTest::previewLeavesTheProgramsDrawAlone()
{
    SheetDialog* dialog = openDialog();
    auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("Exercicios"));
    tree->topLevelItem(0)->child(2)->setCheckState(0, Qt::Checked); // Form2's drawn height
    tree->topLevelItem(3)->child(0)->setCheckState(0, Qt::Checked); // Form5's drawn angle
    dialog->findChild<QSpinBox*>(QStringLiteral("Versoes"))->setValue(2);
    int pages = 0;
    QTimer::singleShot(0, dialog, [&] {
        auto* preview = dialog->findChild<QPrintPreviewDialog*>();
        QVERIFY(preview);
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    dialog->preview();
    QVERIFY(pages >= 3); // two versions and a key
    QCOMPARE(p->registry->random().seed(), 0u);
}

void SheetsTest::cancelledPreviewCloses()
{
    SheetDialog* dialog = openDialog();
    auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("Exercicios"));
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        tree->topLevelItem(i)->setCheckState(0, Qt::Checked);
    dialog->findChild<QRadioButton*>(QStringLiteral("ComResolucao"))->setChecked(true);
    // Long enough for the progress to show while the preview's pages are painted.
    dialog->findChild<QSpinBox*>(QStringLiteral("Versoes"))->setValue(60);
    bool cancelled = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, dialog, [&] {
        auto* preview = dialog->findChild<QPrintPreviewDialog*>();
        auto* progress = preview ? preview->findChild<QProgressDialog*>() : nullptr;
        if (progress && progress->isVisible() && !cancelled) {
            progress->cancel();
            cancelled = true;
        }
    });
    watch.start(20);
    dialog->preview(); // returns once the preview has closed itself
    QVERIFY(cancelled);
    QVERIFY(!dialog->findChild<QPrintPreviewDialog*>());
}

// The preview is a module beside the program: where it is missing, the
// teacher hears so (and can still save the PDF) instead of nothing happening.
void SheetsTest::previewWithoutItsModuleSaysWhy()
{
    QTemporaryDir empty;
    QString why;
    bool painted = false;
    tavek::PrintPreview preview;
    preview.layOut = [](QPagedPaintDevice&) {};
    preview.paint = [&](QPagedPaintDevice&, QDialog&, bool) { painted = true; };
    QVERIFY(!tavek::showPrintPreview(preview, {empty.path()}, &why));
    QVERIFY2(why.contains(QStringLiteral("tavek-print-preview")), qPrintable(why));
    QVERIFY(!painted);
    // One of the folders the program looks in holds it (here the build's).
    const QStringList folders = tavek::printPreviewFolders();
    QVERIFY2(std::any_of(folders.begin(), folders.end(),
                         [](const QString& f) { return QFile::exists(f + QStringLiteral("/tavek-print-preview.so")); }),
             qPrintable(folders.join(QLatin1Char(' '))));
}

void SheetsTest::pdfReadsBack()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const int code = 4821;
    const std::vector<SheetVersion> versions =
        make_sheet({code, chosen({"form4.1", "form2.3", "form3.length", "form9.7"}), 3});
    SheetLook look;
    look.school = QStringLiteral("Escola Estadual Exemplo");
    look.key = SheetKey::Solutions;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.pdf"));
    QCOMPARE(writeSheetPdf(path, code, versions, look), PdfResult::Written);
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(60000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    const QString all = flat(text);

    // As many pages as the painter laid out.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setSheetPageLayout(writer);
    QPainter painter(&writer);
    const int laidOut = paintSheet(writer, painter, code, versions, look);
    painter.end();
    QCOMPARE(static_cast<int>(text.count(QLatin1Char('\f'))), laidOut);

    // Each version from its own first page, the key after the last one.
    const QStringList pages = text.split(QLatin1Char('\f'));
    int keyPage = -1;
    for (int i = 0; i < pages.size(); ++i)
        if (keyPage < 0 && pages[i].contains(QStringLiteral("Gabarito - Lista 4821")))
            keyPage = i;
    for (const SheetVersion& v : versions) {
        const QString title = QStringLiteral("Lista 4821 - Versão %1").arg(v.number);
        int first = -1;
        for (int i = 0; i < pages.size() && first < 0; ++i)
            if (pages[i].contains(title))
                first = i;
        QVERIFY2(first >= 0 && first < keyPage, qPrintable(title));
        QVERIFY(pages[first].contains(QStringLiteral("Escola: Escola Estadual Exemplo")));
        QVERIFY(pages[first].contains(QStringLiteral("Nome:")));
        for (const DrawnExercise& item : v.items)
            QVERIFY2(all.contains(flat(item.statement)), item.statement.c_str());
    }

    // The key holds what the windows write for those numbers.
    const QString key = flat(pages.mid(keyPage).join(QLatin1Char(' ')));
    for (const SheetVersion& v : versions) {
        const Outcome missile = pressed("form4.1", v.items[0].parts[0].cells);
        QVERIFY(key.contains(flat(*missile.written("Label10"))));
        const int percent = std::stoi(v.items[1].data[1].value); // the drawn percentage
        const Outcome launch = pressed("form2.3", v.items[1].parts[0].cells, {{"p", percent}});
        QVERIFY2(key.contains(flat(*launch.written("Label36"))), launch.written("Label36")->c_str());
    }
    QVERIFY(key.contains(QStringLiteral("Resolução")));
}

void SheetsTest::stoppedPdfLeavesNothingHalfWritten()
{
    const std::vector<SheetVersion> versions = make_sheet({1234, chosen({"form10.1", "form11.3"}), 4});
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("nova.pdf"));
    int steps = 0;
    const auto stopAtTheSecond = [&steps] { return ++steps < 2; };
    QCOMPARE(writeSheetPdf(fresh, 1234, versions, {}, stopAtTheSecond), PdfResult::Stopped);
    QVERIFY(!QFile::exists(fresh));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

    // A file of the same name stays as it was.
    const QString old = dir.filePath(QStringLiteral("antiga.pdf"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("antiga");
    file.close();
    steps = 0;
    QCOMPARE(writeSheetPdf(old, 1234, versions, {}, stopAtTheSecond), PdfResult::Stopped);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("antiga"));
}

// The teacher types a name without its ending where a file of that name with
// the ending is: the save dialog itself asks before replacing it, and the
// old file is replaced only when he says so.
void SheetsTest::saveAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("suffix"); // the PDF, or the Moodle bank
    QTest::newRow("no") << false << QStringLiteral("lista") << QStringLiteral("pdf");
    QTest::newRow("yes") << true << QStringLiteral("lista") << QStringLiteral("pdf");
    QTest::newRow("an ending of its own") << false << QStringLiteral("lista.v2") << QStringLiteral("pdf");
    QTest::newRow("Moodle: no") << false << QStringLiteral("banco") << QStringLiteral("xml");
    QTest::newRow("Moodle: yes") << true << QStringLiteral("banco") << QStringLiteral("xml");
}

void SheetsTest::saveAsksBeforeReplacing()
{
    QFETCH(bool, replace);
    QFETCH(QString, typed);
    QFETCH(QString, suffix);
    const bool pdf = suffix == QStringLiteral("pdf");
    QTemporaryDir dir;
    const QString old = dir.filePath(typed + QLatin1Char('.') + suffix);
    writeFile(old, kOld);
    SheetDialog* dialog = openDialogWith(1, 1);
    QString asked;
    int shownFileDialog = 0;
    Answers answers([&](QWidget* modal) {
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            if (++shownFileDialog == 1) {
                typeName(files, dir.filePath(typed));
                QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
            } else {
                QMetaObject::invokeMethod(files, "reject", Qt::QueuedConnection); // back from "No"
            }
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            asked = box->text();
            QAbstractButton* button = box->button(replace ? QMessageBox::Yes : QMessageBox::No);
            later(box, [button] { button->click(); });
        }
    });
    if (pdf)
        dialog->savePdf();
    else
        dialog->exportMoodle();
    QVERIFY2(asked.contains(typed + QLatin1Char('.') + suffix), qPrintable(asked));
    if (replace)
        QVERIFY(contents(old).startsWith(pdf ? "%PDF" : "<?xml"));
    else
        QCOMPARE(contents(old), kOld);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{typed + QLatin1Char('.') + suffix});
    QVERIFY(p->messenger.texts().isEmpty());
}

// A save onto a disk that cannot take the file fails at the first write
// that does not go through: long before the last page, with the reason,
// and the old file as it was.
void SheetsTest::failedSaveStopsAndSaysWhy()
{
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("cheio.pdf"));
    writeFile(old, kOld);
    const std::vector<SheetVersion> versions = make_sheet({1234, chosen({"form9.7", "form10.1", "form4.1"}), 30});
    SheetLook look;
    look.key = SheetKey::Solutions;
    int steps = 0;
    {
        FileSizeLimit full(16 * 1024);
        if (!full.set())
            QSKIP("the file-size limit cannot be set here (setrlimit RLIMIT_FSIZE)");
        QCOMPARE(writeSheetPdf(old, 1234, versions, look, [&steps] { return ++steps > 0; }), PdfResult::Failed);
    }
    QVERIFY2(steps < sheetPaintSteps(30, SheetKey::Solutions) / 4, qPrintable(QString::number(steps)));
    QCOMPARE(contents(old), kOld);

    // The same through "Salvar PDF…": the box says why.
    SheetDialog* dialog = openDialogWith(-1, 10);
    Answers answers([&](QWidget* modal) {
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            typeName(files, old);
            QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) { // "cheio.pdf" already exists
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            later(box, [yes] { yes->click(); });
        }
    });
    {
        FileSizeLimit full(16 * 1024);
        dialog->savePdf();
    }
    QCOMPARE(p->messenger.texts(), QStringList{u("Não foi possível salvar: o arquivo passou do tamanho máximo permitido")});
    QCOMPARE(contents(old), kOld);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("cheio.pdf")});

    // A Moodle bank too: the old file kept, and why.
    QString why;
    {
        FileSizeLimit full(16 * 1024);
        QCOMPARE(writeMoodleBank(old, 1234, versions, {}, &why), ExportResult::Failed);
    }
    QCOMPARE(why, u("o arquivo passou do tamanho máximo permitido"));
    QCOMPARE(contents(old), kOld);
}

// "Imprimir para arquivo (PDF)" from the preview over an existing file:
// written whole, or on a disk that cannot take it the old file kept and the
// teacher told.
void SheetsTest::printToFileWholeOrNotAtAll_data()
{
    QTest::addColumn<bool>("full");
    QTest::newRow("room") << false;
    QTest::newRow("full") << true;
}

void SheetsTest::printToFileWholeOrNotAtAll()
{
    QFETCH(bool, full);
    QTemporaryDir dir;
    const QString keep = dir.filePath(QStringLiteral("keep.pdf"));
    writeFile(keep, kOld);
    SheetDialog* dialog = openDialogWith(-1, 2);
    bool printed = false;
    Answers answers([&](QWidget* modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
        if (!preview || printed)
            return;
        printed = true;
        later(preview, [preview, keep] {
            // what the print dialog sets for "Imprimir para arquivo (PDF)", then its "Imprimir"
            preview->printer()->setOutputFileName(keep);
            QCOMPARE(preview->printer()->outputFormat(), QPrinter::PdfFormat);
            preview->findChild<QPrintPreviewWidget*>()->print();
            preview->accept();
        });
    });
    std::optional<FileSizeLimit> limit;
    if (full) {
        limit.emplace(16 * 1024);
        if (!limit->set())
            QSKIP("the file-size limit cannot be set here (setrlimit RLIMIT_FSIZE)");
    }
    dialog->preview();
    limit.reset();
    QVERIFY(printed);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.pdf")});
    if (full) {
        QCOMPARE(contents(keep), kOld);
        QCOMPARE(p->messenger.texts(), QStringList{u("Não foi possível imprimir: o arquivo passou do tamanho máximo permitido")});
        return;
    }
    QVERIFY(p->messenger.texts().isEmpty());
    const QByteArray pdf = contents(keep);
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
}

QTEST_MAIN(SheetsTest)
#include "sheets_test.moc"
