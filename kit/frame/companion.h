#pragma once
// A tool window that keeps an exercise window company (the worked solution,
// the practice): named after the exercise as the window's menus name it,
// placed beside the window where the screen has room, else over it, clear of
// the chosen exercise, hidden with the window and back with it.
#include <QObject>
#include <QSize>
#include <QString>

#include <cstddef>

#include "kit/frame/exercise.h"

class QMainWindow;
class QWidget;

namespace tavek {

// How a window's menus name an exercise: "Exercício 6" for the one a
// statement numbers 6), a conversion group by its title; the object name
// `<prefix>Exercicio6` or, for the third conversion group, `<prefix>Conversao3`.
QString menuItemText(const ExerciseRecord& record);
QString menuItemName(const char* prefix, const ExerciseRecord& record, std::size_t index);

// "Resolução - Exercício 6 - Força e Movimento 3": two windows may both have
// an "Exercício 6", so a numbered exercise's title names its window too.
QString companionTitle(const QString& what, const ExerciseRecord& record, const QString& windowCaption);

class Companion : public QObject {
public:
    explicit Companion(QMainWindow* window);

    // The tool window, once built.
    void attach(QWidget* view) { view_ = view; }
    // Sized and moved beside the window, clear of `chosen`'s controls.
    void placeBeside(const Exercise& chosen, QSize preferred, QSize smallest);
    // Out of sight, to come back when the window shows again; held, it does not.
    void takeAway();
    void bringBack();
    void setHeld(bool held) { held_ = held; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* window_;
    QWidget* view_ = nullptr;
    bool comesBack_ = false; // it was showing when its window's close took it away
    bool held_ = false;
};

} // namespace tavek
