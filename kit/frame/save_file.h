#pragma once
// Saving a file the teacher asked for: the dialog that asks where (and asks
// before replacing a file), and the file itself, written whole or not at all.
#include <QByteArray>
#include <QIODevice>
#include <QSaveFile>
#include <QString>

class QWidget;

namespace tavek {

// What a save dialog offers to write.
struct SaveKind {
    QString filter; // "Documentos PDF (*.pdf)"
    QString suffix; // "pdf": the ending every name chosen gets
};

// The program's one save dialog: Qt's own (not the desktop's), which gives a
// name typed without the kind's suffix that suffix before it looks for a file
// of that name, and so asks before replacing `lista.pdf` when the teacher
// types `lista`. The path chosen, or empty when cancelled.
QString askSavePath(QWidget* parent, const QString& title, const QString& suggested, const SaveKind& kind);

// A file written whole or not at all: the bytes go to a temporary file beside
// it, which takes the file's name only at commit(); until then, and for
// good if the writing fails or is given up, whatever file had the name stays
// as it was. The first write error ends the writing: every later write
// fails at once, and reason() says why.
class WholeFile : public QIODevice {
    Q_OBJECT
public:
    explicit WholeFile(const QString& path);
    ~WholeFile() override;

    // Opens the temporary file for writing; false (with a reason) if it
    // cannot be made.
    bool open();
    bool commit();

    bool failed() const { return !reason_.isEmpty(); }
    // Why the writing failed, in Portuguese ("disco cheio"), else empty.
    const QString& reason() const { return reason_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool flushBuffer();
    void fail(int error);

    QSaveFile file_;
    QByteArray buffer_;
    QString reason_;
};

// Why a file operation failed, in Portuguese, from the system's error number;
// `fallback` (the system's own words) where the program has none of its own.
QString saveFailureReason(int error, const QString& fallback);

} // namespace tavek
