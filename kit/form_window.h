#pragma once
// The frame every window of the program shares: placement and frame from the
// window table, a layout from a Designer form built on first show, the common
// menu items, and the application of a calculator's outcome to the controls.
#include <QMainWindow>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "kit/outcome.h"

namespace tavek {

class RandomDraw;
class Messenger;

enum class FormId { Form1 = 1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10, Form11 };

class Navigator {
public:
    virtual ~Navigator() = default;
    // Makes the window visible and brings it to the front, as it was left.
    virtual void show(FormId id) = 0;
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

// The teacher's result-cell lock of a window (menu "Opções para Professores"):
// which answers it hides and which controls it uses.
struct ResultLockSetup {
    std::vector<const char*> cells;     // result cells hidden while locked
    std::vector<const char*> labels;    // result labels painted red while locked
    const char* list = nullptr;         // a result list painted white while locked
    const char* revealLabel = nullptr;  // its right press shows the password label
    const char* passwordLabel = nullptr;
    const char* disableAction = "DesabilitarcdulasdeResultados1";
    const char* firstCell = "Edit1";    // focused after a successful "Redigite Senha"
};

// The quick conversion of a typed speed to m/s (menu "Conversão de velocidade
// para o SI"), acting on one speed cell while its check box is ticked.
struct QuickSiSetup {
    const char* speedCell = nullptr;
    const char* note = nullptr;         // label that records what was converted
    const char* checkBox = "CheckBox1";
    const char* kmhAction = "kmhms1";   // "Kmhms1" in the power windows
};

class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    FormWindow(FormId id, const Context& context, QWidget* parent);

    FormId id() const { return id_; }
    // Sets caption, frame and geometry. The layout itself is built on first
    // show: ten of the eleven windows may never be opened in a run.
    void place(const Placement& placement);
    // A menu item (by object name) that shows another window.
    void addLink(const char* action, FormId target);
    void ensureBuilt();
    bool isBuilt() const { return built_; }
    void setVisible(bool visible) override;

    // Any control or menu item by object name; nullptr if there is none.
    // The main window owns the other windows, whose controls bear the same
    // names: the search never enters another window.
    template <class T = QWidget>
    T* control(const char* name) const
    {
        const QString n = QString::fromLatin1(name);
        if (T* c = findChild<T*>(n, Qt::FindDirectChildrenOnly))
            return c;
        for (QObject* o : children()) {
            if (o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
                continue;
            if (T* c = o->findChild<T*>(n))
                return c;
        }
        return nullptr;
    }

protected:
    // Loads the window's Designer form and connects its handlers.
    virtual void build() = 0;

    const Context& context() const { return context_; }

    // The texts of the named input cells, for a calculator.
    Cells cells(std::initializer_list<const char*> names) const;
    // Applies a calculator's outcome in order: messages with their focus moves,
    // writes (a written label becomes visible and fits its text), shows, hides,
    // list lines; a fault last, in the error box.
    void apply(const Outcome& outcome);

    void connectButton(const char* button, std::function<void()> handler);
    void connectAction(const char* action, std::function<void()> handler);

    // Pieces of a clear handler.
    void emptyCells(std::initializer_list<const char*> names);
    void setTexts(std::initializer_list<const char*> names, const QString& text);
    void hideControls(std::initializer_list<const char*> names);
    void untick(const char* checkBox);
    void focusControl(const char* name);

    void inform(const QString& text);

    // Declared by a window in build(); the kit wires the mechanisms after it.
    void setResultLock(ResultLockSetup setup) { resultLock_ = std::move(setup); }
    void setQuickSi(QuickSiSetup setup) { quickSi_ = std::move(setup); }

private:
    void applyFrame();
    void standAlone();

    FormId id_;
    Context context_;
    Placement placement_{};
    bool placed_ = false;
    bool built_ = false;
    std::vector<std::pair<const char*, FormId>> links_;
    std::optional<ResultLockSetup> resultLock_;
    std::optional<QuickSiSetup> quickSi_;
};

} // namespace tavek
