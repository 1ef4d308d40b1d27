#pragma once
#include <array>
#include <memory>

#include "kit/form_window.h"
#include "kit/random.h"

namespace tavek {

class Messenger;

// The eleven windows of the program, created once, in order, and kept until
// the end; the main window owns the others, so closing it ends them all.
class Registry : public Navigator {
public:
    explicit Registry(Messenger& messenger);
    ~Registry() override;

    FormWindow* form(FormId id) const { return forms_[static_cast<std::size_t>(id) - 1]; }
    FormWindow* mainWindow() const { return form(FormId::Form1); }
    RandomDraw& random() { return random_; }

    void show(FormId id) override;

private:
    RandomDraw random_;
    Context context_;
    std::unique_ptr<FormWindow> main_;
    std::array<FormWindow*, 11> forms_{};
};

} // namespace tavek
