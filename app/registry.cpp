#include "app/registry.h"

#include <initializer_list>

#include "app/main_window.h"
#include "kit/frame/designed_window.h"
#include "topics/conversions/windows.h"
#include "topics/force/windows.h"
#include "topics/launches/windows.h"
#include "topics/power/windows.h"
#include "topics/rectilinear/windows.h"

namespace tavek {

namespace {

// A link or menu item of the window that shows another one.
struct Link {
    const char* item;
    FormNumber to;
};

// One row per window, in the order they are created: `Form<number>`, its
// caption exactly as shown, client size and screen position, its class, and
// the links and menu items that show other windows (the main window's topic
// links, the unit conversions, the "Mais exercícios" chain of a topic).
struct WindowRow {
    FormNumber number;
    Placement placement;
    FormWindow* (*create)(FormNumber, const Context&, QWidget* owner);
    std::initializer_list<Link> links;
};

const WindowRow kWindows[] = {
    {1, {"TAVEK 1 - Programa de Física 1", 694, 463, 61, 22, true}, create<MainWindow>,
     {{"Label3", 2}, {"Label5", 4}, {"Label6", 6}, {"Label7", 10}, {"ConversesdeUnidades1", 3}}},
    {2, {"TAVEK 1 - Movimento Retilíneo", 753, 488, 19, 9, false}, createRectilinearWindow,
     {{"ConversesdeUnidades1", 3}}},
    {3, {"TAVEK 1 - Conversôes de Unidades", 750, 412, 26, 40, false}, createConversionsWindow, {}},
    {4, {"TAVEK 1 - Lançamentos", 734, 467, 13, 14, false}, createLaunchesWindow,
     {{"Maisexercciosdelanamentos1", 5}, {"Conversesdeunidades1", 3}}},
    {5, {"TAVEK 1 -Mais Exercícios de Lançamentos", 728, 447, 38, 22, false}, createObliqueLaunchesWindow,
     {{"Conversesdeunidades1", 3}}},
    {6, {"TAVEK 1 - Força e Movimento", 750, 455, 17, 7, false}, createForceWindow,
     {{"Maisexercciosdelanamentos1", 7}, {"Conversesdeunidades1", 3}}},
    {7, {"TAVEK 1 - Mais Exercicios de Força e Movimento - 1", 751, 472, 24, 12, false}, createTensionsWindow,
     {{"MaisexercciosdeForaeMovimento21", 8}, {"Conversesdeunidades1", 3}}},
    {8, {"TAVEK 1 - Mais Exercicios de Força e Movimento - 2", 755, 489, 15, 10, false}, createInclinedPlaneWindow,
     {{"MaisexercciosdeForaeMovimento31", 9}, {"Conversesdeunidades1", 3}}},
    {9, {"TAVEK 1 - Mais Exercicios de Força e Movimento - 3", 780, 493, 7, 3, false}, createInclineFrictionWindow,
     {{"Conversesdeunidades1", 3}}},
    {10, {"TAVEK 1 - Potência", 778, 471, 12, 8, false}, createPowerWindow,
     {{"MaisexercciosdePotncia1", 11}, {"Conversesdeunidades1", 3}}},
    {11, {"TAVEK 1- Mais exercícios de Potência", 705, 454, 61, 17, false}, createPowerTableWindow,
     {{"Conversesdeunidades1", 3}}},
};

} // namespace

Registry::Registry(Messenger& messenger)
{
    context_ = Context{this, &random_, &messenger};
    forms_.reserve(std::size(kWindows));
    for (const WindowRow& row : kWindows) {
        Q_ASSERT(row.number == static_cast<FormNumber>(forms_.size()) + 1);
        FormWindow* w = row.create(row.number, context_, main_.get());
        if (!main_)
            main_.reset(w);
        w->place(row.placement);
        for (const Link& link : row.links)
            w->addLink(link.item, link.to);
        forms_.push_back(w);
    }
}

Registry::~Registry() = default;

void Registry::show(FormNumber number)
{
    FormWindow* w = form(number);
    // A window the student minimised comes back as well: showing alone would
    // leave it an icon, and the link would seem to do nothing.
    if (w->isMinimized())
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace tavek
