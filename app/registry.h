#pragma once
#include <memory>
#include <vector>

#include "kit/frame/form_window.h"
#include "kit/core/random.h"

namespace tavek {

class Messenger;

// The windows of the program, created once, in the order of the window table,
// and kept until the end; the main window owns the others, so closing it
// ends them all.
class Registry : public Navigator {
public:
    explicit Registry(Messenger& messenger);
    ~Registry() override;

    FormWindow* form(FormNumber number) const { return forms_.at(static_cast<std::size_t>(number) - 1); }
    FormWindow* mainWindow() const { return form(1); }
    std::size_t count() const { return forms_.size(); }
    RandomDraw& random() { return random_; }

    void show(FormNumber number) override;

private:
    RandomDraw random_;
    Context context_;
    std::unique_ptr<FormWindow> main_;
    std::vector<FormWindow*> forms_; // in window-table order, the main window first
};

} // namespace tavek
