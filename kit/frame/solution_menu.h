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

class Companion;
class FigureView;

class SolutionMenu : public QObject {
    Q_OBJECT
public:
    SolutionMenu(QMainWindow* window, int formNumber, const std::vector<Exercise>& exercises);

    void pressed(std::size_t exercise, Outcome outcome);
    void cleared(std::size_t exercise);
    void setLocked(bool locked);

private:
    void buildView();
    void open(std::size_t exercise);
    void showSolution();
    void refreshSoon();
    QString title(std::size_t exercise) const;

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
    bool refreshQueued_ = false;
    Companion* companion_;
};

} // namespace tavek
