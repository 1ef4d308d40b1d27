#pragma once
// A window whose layout is a Designer form, whose exercises are the records
// of its window, wired to the form's controls by the names they give, and
// whose teacher's lock and quick SI conversion are what it declares about
// that form. Each exercise window is one such declaration.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "kit/frame/form_window.h"

namespace tavek {

struct Design {
    std::optional<ResultLockSetup> lock;
    std::optional<QuickSiSetup> quickSi;
};

template <class Ui>
class DesignedWindow final : public FormWindow {
public:
    // Fills the design from the window's typed form once it is built.
    using Declare = std::function<void(Ui& form, Design& design, const Context& context)>;

    DesignedWindow(FormNumber number, const Context& context, QWidget* owner,
                   std::vector<const ExerciseRecord*> records, Declare declare)
        : FormWindow(number, context, owner), records_(std::move(records)), declare_(std::move(declare))
    {
    }

private:
    void build() override
    {
        ui_ = std::make_unique<Ui>();
        ui_->setupUi(this);
        Design design;
        declare_(*ui_, design, context());
        std::vector<Exercise> exercises;
        for (const ExerciseRecord* record : records_)
            exercises.push_back(wired(*record, this));
        setExercises(std::move(exercises));
        if (design.lock)
            setResultLock(std::move(*design.lock));
        if (design.quickSi)
            setQuickSi(*design.quickSi);
    }

    std::vector<const ExerciseRecord*> records_;
    Declare declare_;
    std::unique_ptr<Ui> ui_;
};

// The window table's way to make a window from its form, the records of its
// exercises and its declaration.
template <class Ui>
FormWindow* designed(FormNumber number, const Context& context, QWidget* owner,
                     std::vector<const ExerciseRecord*> records, typename DesignedWindow<Ui>::Declare declare)
{
    return new DesignedWindow<Ui>(number, context, owner, std::move(records), std::move(declare));
}

// The window table's way to create a window of class `Window`.
template <class Window>
FormWindow* create(FormNumber number, const Context& context, QWidget* owner)
{
    return new Window(number, context, owner);
}

} // namespace tavek
