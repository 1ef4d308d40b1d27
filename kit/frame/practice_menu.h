#pragma once
// The menu "Treino" of an exercise window and its one practice window: the
// chosen exercise with numbers of its own, the student's answers checked
// (kit/core/practice.h), a hint and the worked solution after trying. While
// the teacher keeps the window's answers hidden, the practice says only
// "Correto" or "Incorreto".
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "kit/core/practice.h"
#include "kit/frame/exercise.h"

class QAction;
class QLabel;
class QMainWindow;
class QWidget;

namespace Ui {
class PracticeWindow;
}

namespace tavek {

class Companion;
class Messenger;

// Where each practice's numbers come from: fresh ones every run, or a
// sequence a test or the screenshots set.
void setPracticeSeeds(std::function<std::uint64_t()> seeds);

class PracticeMenu : public QObject {
    Q_OBJECT
public:
    PracticeMenu(QMainWindow* window, int formNumber, const std::vector<Exercise>& exercises, Messenger* messenger);
    ~PracticeMenu() override;

    void setLocked(bool locked);

protected:
    // Enter in an answer checks them all.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildView();
    void open(std::size_t exercise);
    void showExercise();
    void check();
    void hint();
    void solution();
    void another();
    std::vector<std::string> typed() const;
    void showVerdicts(const Checked& checked);
    void updateButtons();
    void updateScore();

    QMainWindow* window_;
    int formNumber_;
    const std::vector<Exercise>& exercises_;
    Messenger* messenger_;
    std::vector<QAction*> actions_;
    std::vector<std::unique_ptr<Practice>> practices_; // each made when first chosen
    std::size_t showing_ = 0;
    bool locked_ = false;
    QWidget* view_ = nullptr; // built the first time it is asked for
    std::unique_ptr<Ui::PracticeWindow> ui_;
    std::vector<QWidget*> answers_;  // Resposta1, Resposta2, …
    std::vector<QLabel*> verdicts_;  // Veredito1, …
    std::vector<QWidget*> rowParts_; // every widget of the answer rows
    Companion* companion_;
};

} // namespace tavek
