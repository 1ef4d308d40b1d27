#pragma once
// The result-cell lock of one exercise window (menu "Opções para
// Professores"): the window's menu items, lock controls and reveal label
// driven by a LockState, and the paint of the window's answers.
#include <QHash>
#include <QLineEdit>
#include <QObject>
#include <QString>

#include <vector>

#include "kit/core/lock_state.h"

class QAbstractItemView;
class QWidget;

namespace tavek {

class Messenger;
class HiddenLines;

// The teacher's result-cell lock of a window (menu "Opções para Professores").
// The answers it hides are the results of the window's exercises; the frame
// adds them to `cells`, `labels` and `list`, and names the first input cell.
struct ResultLockSetup {
    std::vector<QLineEdit*> cells = {};   // result cells hidden while locked
    std::vector<QWidget*> labels = {};    // result labels painted red while locked
    QAbstractItemView* list = nullptr;    // a result list painted white while locked
    const char* revealLabel = nullptr;    // its right press shows the password label
    const char* passwordLabel = nullptr;
    const char* disableAction = "DesabilitarcdulasdeResultados1";
    QWidget* firstCell = nullptr;         // focused after a successful "Redigite Senha"
};

// What assistive technology hears for an answer while the teacher keeps it hidden.
inline constexpr const char* kHiddenAnswer = "Resposta oculta pelo professor";

class ResultLock : public QObject {
    Q_OBJECT
public:
    // Connects the window's lock controls; the window owns the lock.
    ResultLock(QWidget* window, ResultLockSetup setup, Messenger* messenger);

    const LockState& state() const { return state_; }

    // The window wrote answers: while they are readable, a screen reader
    // hears each result label's new text.
    void answersWritten();

    // The style sheet of a control with its background set to `color`
    // (a "#rrggbb" name), keeping everything else of it.
    static QString withBackground(const QString& sheet, const QString& objectName, const QString& color);

signals:
    // The answers were hidden (true) or made readable again (false).
    void answersLocked(bool locked);

protected:
    // While locked the result list takes no click, key or wheel.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void askToLock();
    void askToUnlock();
    void createPassword();
    void confirmPassword();
    void revealPressed(Qt::MouseButton button);
    void hidePassword();

    void apply(const LockEffects& fx);
    void paint(AnswerPaint answers);
    QWidget* lockControl(LockControl c) const;
    void repaint(QWidget* w, const char* color);
    void nameAnswers(bool hidden);
    void holdSize(QWidget* label, bool locked);
    void lockList(QAbstractItemView* list, bool locked);

    QWidget* window_;
    ResultLockSetup setup_;
    Messenger* messenger_;
    LockState state_;
    QHash<QWidget*, QString> designSheets_; // each painted control's own style sheet
    QHash<QWidget*, QString> designNames_;  // each answer's own accessible name
    QHash<QWidget*, QLineEdit::EchoMode> designEcho_;
    QHash<QWidget*, QString> textsAtLock_;  // each result label's text when it was locked
    QString passwordDesign_;                // the password label's own caption and size
    QSize passwordSize_;
    HiddenLines* lines_ = nullptr;          // the result list's lines as the list offers them
    int listSelection_ = 0;                 // the list's own selection mode, focus and scroll bars
    Qt::FocusPolicy listFocus_ = Qt::NoFocus;
    Qt::ScrollBarPolicy listBars_[2] = {Qt::ScrollBarAsNeeded, Qt::ScrollBarAsNeeded};
    bool listLocked_ = false;
};

} // namespace tavek
