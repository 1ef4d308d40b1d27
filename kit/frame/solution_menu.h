#pragma once
// The menu "Resolução" of an exercise window and its one solution window: the
// worked solution of the last press of the exercise the student chose. While
// the teacher keeps the window's answers hidden, the menu is disabled and the
// solution window hidden with them.
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

#include "kit/frame/exercise.h"
#include "kit/core/outcome.h"

class QAction;
class QMainWindow;
class QMenu;
class QTextBrowser;
class QWidget;

namespace tavek {

class FigureView;

// How a window's menus name an exercise: "Exercício 6" for the one a
// statement numbers 6), a conversion group by its title; the object name
// `<prefix>Exercicio6` or, for the third conversion group, `<prefix>Conversao3`.
QString menuItemText(const ExerciseRecord& record);
QString menuItemName(const char* prefix, const ExerciseRecord& record, std::size_t index);

class SolutionMenu : public QObject {
    Q_OBJECT
public:
    SolutionMenu(QMainWindow* window, int formNumber, const std::vector<Exercise>& exercises);

    void pressed(std::size_t exercise, Outcome outcome);
    void cleared(std::size_t exercise);
    void setLocked(bool locked);

protected:
    // Follows the exercise window: hidden with it, back with it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildView();
    void open(std::size_t exercise);
    void takeAway();
    void bringBack();
    void showSolution();
    void refreshSoon();
    QString title(std::size_t exercise) const;
    void placeBeside(std::size_t exercise);

    QMainWindow* window_;
    int formNumber_;
    std::vector<QAction*> actions_;
    std::vector<std::optional<Outcome>> last_;
    const std::vector<Exercise>& exercises_; // the window's table, fixed once it is built
    QWidget* view_ = nullptr;     // built the first time it is asked for
    QTextBrowser* text_ = nullptr;
    FigureView* figure_ = nullptr; // under the text: what the answers look like
    std::size_t showing_ = 0;
    bool locked_ = false;
    bool comesBack_ = false; // it was showing when the lock or its window's close took it away
    bool refreshQueued_ = false;
};

} // namespace tavek
