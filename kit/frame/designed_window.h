#pragma once
// A window whose layout is a Designer form and whose behaviour is what it
// declares about that form: its exercises, the teacher's lock and the quick
// SI conversion. Each exercise window is one such declaration.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "kit/frame/form_window.h"

namespace tavek {

struct Design {
    std::vector<Exercise> exercises;
    std::optional<ResultLockSetup> lock;
    std::optional<QuickSiSetup> quickSi;
    SolutionItems solutions = {}; // the menu "Resolução"
};

template <class Ui>
class DesignedWindow final : public FormWindow {
public:
    // Fills the design from the window's typed form once it is built.
    using Declare = std::function<void(Ui& form, Design& design, const Context& context)>;

    DesignedWindow(FormNumber number, const Context& context, QWidget* owner, Declare declare)
        : FormWindow(number, context, owner), declare_(std::move(declare))
    {
    }

private:
    void build() override
    {
        ui_ = std::make_unique<Ui>();
        ui_->setupUi(this);
        Design design;
        declare_(*ui_, design, context());
        setExercises(std::move(design.exercises));
        if (design.lock)
            setResultLock(std::move(*design.lock));
        if (design.quickSi)
            setQuickSi(*design.quickSi);
        setSolutionItems(std::move(design.solutions));
    }

    Declare declare_;
    std::unique_ptr<Ui> ui_;
};

// The window table's way to make a window from its form and declaration.
template <class Ui>
FormWindow* designed(FormNumber number, const Context& context, QWidget* owner,
                     typename DesignedWindow<Ui>::Declare declare)
{
    return new DesignedWindow<Ui>(number, context, owner, std::move(declare));
}

// The window table's way to create a window of class `Window`.
template <class Window>
FormWindow* create(FormNumber number, const Context& context, QWidget* owner)
{
    return new Window(number, context, owner);
}

} // namespace tavek
