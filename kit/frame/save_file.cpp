#include "kit/frame/save_file.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include <cerrno>
#include <cstring>

namespace tavek {

namespace {

// What goes to the temporary file at a time: the PDF writer hands over a
// great many small pieces.
constexpr qsizetype kWriteChunk = 64 * 1024;

class SaveDialog : public QFileDialog {
public:
    SaveDialog(QWidget* parent, const QString& title, const SaveKind& kind)
        : QFileDialog(parent, title), ending_(QLatin1Char('.') + kind.suffix)
    {
        // The desktop's own dialog may add the suffix only once it has
        // closed, after it would have asked about the file of that name.
        setOption(QFileDialog::DontUseNativeDialog);
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setNameFilter(kind.filter);
        setDefaultSuffix(kind.suffix); // "lista" is "lista.pdf"
    }

    void accept() override
    {
        // "Lista 4821 v.2" has an ending of its own, which the default suffix
        // leaves alone: it gets the kind's too, before Qt's dialog looks for
        // the file (and asks before replacing it).
        const QStringList files = selectedFiles();
        if (files.size() == 1) {
            const QFileInfo chosen(files.first());
            if (!chosen.isDir() && !chosen.fileName().isEmpty() &&
                !chosen.fileName().endsWith(ending_, Qt::CaseInsensitive))
                name(chosen.absoluteFilePath() + ending_);
        }
        QFileDialog::accept();
    }

private:
    // The name as if typed: selectFile() leaves alone the name the teacher
    // is typing (the name field has the focus).
    void name(const QString& path)
    {
        if (auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            edit->setText(path);
        else
            selectFile(path);
    }

    QString ending_;
};

} // namespace

QString askSavePath(QWidget* parent, const QString& title, const QString& suggested, const SaveKind& kind)
{
    SaveDialog dialog(parent, title, kind);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

QString saveFailureReason(int error, const QString& fallback)
{
    switch (error) {
    case ENOSPC: return QStringLiteral("disco cheio");
#ifdef EDQUOT
    case EDQUOT: return QStringLiteral("cota de disco esgotada");
#endif
    case EFBIG: return QStringLiteral("o arquivo passou do tamanho máximo permitido");
    case EACCES:
    case EPERM: return QStringLiteral("sem permissão para gravar nesta pasta");
    case EROFS: return QStringLiteral("o disco só permite leitura");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("a pasta não existe");
    case ENAMETOOLONG: return QStringLiteral("nome de arquivo longo demais");
    case EIO: return QStringLiteral("erro de gravação no disco");
    default: break;
    }
    if (!fallback.isEmpty())
        return fallback;
    if (error != 0)
        return QString::fromLocal8Bit(std::strerror(error));
    return QStringLiteral("erro desconhecido");
}

WholeFile::WholeFile(const QString& path) : file_(path) {}

// Never committed, the temporary file goes and the old one stays (QSaveFile).
WholeFile::~WholeFile() = default;

bool WholeFile::open()
{
    errno = 0;
    // Unbuffered: each write of ours is one write of the system's, so that
    // its error is the one errno holds right after.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(errno);
        return false;
    }
    return QIODevice::open(QIODevice::WriteOnly);
}

qint64 WholeFile::readData(char*, qint64) { return -1; }

qint64 WholeFile::writeData(const char* data, qint64 size)
{
    if (failed())
        return -1;
    buffer_.append(data, static_cast<qsizetype>(size));
    if (buffer_.size() >= kWriteChunk && !flushBuffer())
        return -1;
    return size;
}

bool WholeFile::flushBuffer()
{
    if (buffer_.isEmpty())
        return true;
    errno = 0;
    const qint64 written = file_.write(buffer_);
    if (written != buffer_.size()) {
        fail(errno);
        return false;
    }
    buffer_.clear();
    return true;
}

bool WholeFile::commit()
{
    if (failed() || !flushBuffer())
        return false;
    QIODevice::close();
    errno = 0;
    if (!file_.commit()) {
        fail(errno);
        return false;
    }
    return true;
}

void WholeFile::fail(int error)
{
    if (failed())
        return;
    // A full disk, whatever errno was left holding by then.
    if (error == 0 && file_.error() == QFileDevice::ResourceError)
        error = ENOSPC;
    reason_ = saveFailureReason(error, file_.errorString());
    setErrorString(reason_);
}

} // namespace tavek
