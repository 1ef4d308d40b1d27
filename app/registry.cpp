#include "app/registry.h"

#include "app/main_window.h"
#include "topics/conversions/conversions_window.h"
#include "topics/force/force_window.h"
#include "topics/force/more_force_1_window.h"
#include "topics/force/more_force_2_window.h"
#include "topics/force/more_force_3_window.h"
#include "topics/launches/launches_window.h"
#include "topics/launches/more_launches_window.h"
#include "topics/power/more_power_window.h"
#include "topics/power/power_window.h"
#include "topics/rectilinear/rectilinear_window.h"

namespace tavek {

namespace {

// Captions exactly as the windows show them; client size; screen position.
constexpr Placement kPlacements[11] = {
    {"TAVEK 1 - Programa de Física 1", 694, 463, 61, 22, true},
    {"TAVEK 1 - Movimento Retilíneo", 753, 488, 19, 9, false},
    {"TAVEK 1 - Conversôes de Unidades", 750, 412, 26, 40, false},
    {"TAVEK 1 - Lançamentos", 734, 467, 13, 14, false},
    {"TAVEK 1 -Mais Exercícios de Lançamentos", 728, 447, 38, 22, false},
    {"TAVEK 1 - Força e Movimento", 750, 455, 17, 7, false},
    {"TAVEK 1 - Mais Exercicios de Força e Movimento - 1", 751, 472, 24, 12, false},
    {"TAVEK 1 - Mais Exercicios de Força e Movimento - 2", 755, 489, 15, 10, false},
    {"TAVEK 1 - Mais Exercicios de Força e Movimento - 3", 780, 493, 7, 3, false},
    {"TAVEK 1 - Potência", 778, 471, 12, 8, false},
    {"TAVEK 1- Mais exercícios de Potência", 705, 454, 61, 17, false},
};

// The menu items that chain the further windows of a topic. The topic links
// of the main window and the unit-conversion items are wired by the windows.
struct Link {
    FormId from;
    const char* action;
    FormId to;
};
constexpr Link kLinks[] = {
    {FormId::Form4, "Maisexercciosdelanamentos1", FormId::Form5},
    {FormId::Form6, "Maisexercciosdelanamentos1", FormId::Form7},
    {FormId::Form7, "MaisexercciosdeForaeMovimento21", FormId::Form8},
    {FormId::Form8, "MaisexercciosdeForaeMovimento31", FormId::Form9},
    {FormId::Form10, "MaisexercciosdePotncia1", FormId::Form11},
};

} // namespace

Registry::Registry(Messenger& messenger)
{
    context_ = Context{this, &random_, &messenger};
    main_ = std::make_unique<TForm1>(context_);
    QWidget* owner = main_.get();
    forms_ = {main_.get(),
              new TForm2(context_, owner),
              new TForm3(context_, owner),
              new TForm4(context_, owner),
              new TForm5(context_, owner),
              new TForm6(context_, owner),
              new TForm7(context_, owner),
              new TForm8(context_, owner),
              new TForm9(context_, owner),
              new TForm10(context_, owner),
              new TForm11(context_, owner)};
    for (std::size_t i = 0; i < forms_.size(); ++i)
        forms_[i]->place(kPlacements[i]);
    for (const Link& link : kLinks)
        form(link.from)->addLink(link.action, link.to);
}

Registry::~Registry() = default;

void Registry::show(FormId id)
{
    FormWindow* w = form(id);
    // A window the student minimised comes back as well: showing alone would
    // leave it an icon, and the link would seem to do nothing.
    if (w->isMinimized())
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace tavek
