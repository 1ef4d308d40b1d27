#pragma once
// The frame every window of the program shares: placement and frame from the
// window table, a layout from a Designer form built on first show, the menu
// items that show other windows, and the window's exercises wired from its
// table (presses, clears, the teacher's lock, the quick SI conversion).
#include <QHash>
#include <QMainWindow>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "kit/frame/controls.h"
#include "kit/frame/exercise.h"
#include "kit/core/outcome.h"
#include "kit/frame/outcome_applier.h"
#include "kit/frame/quick_si_menu.h"
#include "kit/frame/result_lock.h"
#include "kit/frame/solution_menu.h"

class QAbstractButton;
class QAbstractItemView;
class QLineEdit;

namespace tavek {

class PracticeMenu;
class ProgramDraws;
class RandomDraw;
class Messenger;

// A window is known by its number: `Form<number>` is its object name and
// `:/art/form<number>/` holds its pictures.
using FormNumber = int;

class Navigator {
public:
    virtual ~Navigator() = default;
    // Makes the window visible and brings it to the front, as it was left.
    virtual void show(FormNumber form) = 0;
};

// What a window needs from the program around it.
struct Context {
    Navigator* navigator = nullptr;
    RandomDraw* random = nullptr;  // the program-wide draw
    Messenger* messenger = nullptr;
};

struct Placement {
    const char* caption;
    int width;  // client area, without the menu bar
    int height;
    int left;
    int top;
    bool main; // borderless main window; the others are fixed-size tool windows
};

// Enter (or keypad Enter) in `cell` presses `button`, as a click would.
void pressOnEnter(QLineEdit* cell, QAbstractButton* button);

class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    FormWindow(FormNumber number, const Context& context, QWidget* parent);
    ~FormWindow() override;

    FormNumber number() const { return number_; }
    // Sets caption, frame and geometry. The layout itself is built on first
    // show: ten of the eleven windows may never be opened in a run.
    void place(const Placement& placement);
    // A menu item or link label (by object name) that shows another window.
    void addLink(const char* item, FormNumber target);
    void ensureBuilt();
    bool isBuilt() const { return built_; }
    void setVisible(bool visible) override;

    // Any control or menu item by object name; nullptr if there is none.
    template <class T = QWidget>
    T* control(const char* name) const
    {
        return findControl<T>(this, name);
    }

    const std::vector<Exercise>& exercises() const { return exercises_; }
    // The control names this window declared as strings (its links and its
    // lock's controls), each of which must stand in its layout.
    QStringList declaredNames() const;

protected:
    // Loads the window's Designer form and declares its exercises.
    virtual void build() = 0;

    const Context& context() const { return context_; }

    // Declared by a window in build(); the frame wires them after it.
    void setExercises(std::vector<Exercise> exercises) { exercises_ = std::move(exercises); }
    void setResultLock(ResultLockSetup setup) { resultLock_ = std::move(setup); }
    void setQuickSi(const QuickSiSetup& setup) { quickSi_ = setup; }

    // Plays an outcome on the window (an exercise's press, or another).
    void apply(const Outcome& outcome);
    void inform(const QString& text);
    void notice(const QString& text);

    // Enter on a focused push button presses it; F10 reaches the menu bar.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintClientWhite();
    void plainTextAndGrownCaptions();
    void loadPictures();
    void wireMenus();
    void wireExercises();
    void wireResultLock();
    void wireSolutions();
    void wireKeyboard();
    void toggleMenuBar();
    void fitMenuBar();
    void placeOnScreen();
    void standAlone();

    void calculate(const Exercise& exercise, const Press& press);
    void clear(const Exercise& exercise);

    FormNumber number_;
    Context context_;
    OutcomeApplier applier_;
    Placement placement_{};
    bool placed_ = false;
    bool built_ = false;
    std::vector<std::pair<const char*, FormNumber>> links_;
    std::vector<Exercise> exercises_;
    // Per exercise, the values the window drew for it (Form5 keeps its angle
    // between the press that draws it and the one that works it out).
    std::vector<std::unique_ptr<ProgramDraws>> draws_;
    // Per exercise, the button its last press came through: Enter in a cell
    // of an exercise with several buttons (a conversion group) repeats it.
    std::vector<QAbstractButton*> lastPressed_;
    QHash<QWidget*, QString> designTexts_; // what each result cell shows until calculated
    std::optional<ResultLockSetup> resultLock_;
    std::optional<QuickSiSetup> quickSi_;
    QuickSiMenu* quickSiMenu_ = nullptr;
    SolutionMenu* solutions_ = nullptr;
    PracticeMenu* practice_ = nullptr;
    ResultLock* lock_ = nullptr;
};

} // namespace tavek
