#include "kit/frame/practice_menu.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QtMath>

#include "kit/core/last_press.h"
#include "kit/core/markup.h"
#include "kit/frame/companion.h"
#include "kit/frame/messenger.h"
#include "ui_practice_window.h"

namespace tavek {

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 700;
constexpr int kNarrowest = 460; // narrower, an answer's name would wrap word by word beside its cell
constexpr int kLowest = 480;

constexpr int kVerdictWidth = 140;
constexpr int kNameWidth = 130; // "Tensão na corda (T):" on one line, a long name on two or three

const QString kChoose = QStringLiteral("(escolha)");

std::function<std::uint64_t()>& seeds()
{
    static std::function<std::uint64_t()> s = [] { return QRandomGenerator::global()->generate64(); };
    return s;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

// Text in the program's markup ("v_{0} = 20 m/s") as rich text, and as a
// screen reader reads it.
QString markupHtml(const std::string& s) { return q(to_html(Line{{Piece::Kind::Markup, s}})); }
QString markupPlain(const std::string& s) { return q(to_plain(Line{{Piece::Kind::Markup, s}})); }

// "Tensão da corda (T)" with the symbol's sub- and superscripts.
QString labelHtml(const Asked& a)
{
    QString html = markupHtml(a.label);
    if (a.expected.answer->symbol)
        html += QStringLiteral(" (") + markupHtml(a.expected.answer->symbol) + QLatin1Char(')');
    return html + QLatin1Char(':');
}

QString plainLabel(const Asked& a)
{
    QString text = markupPlain(a.label);
    if (a.expected.answer->symbol)
        text += QStringLiteral(" (") + markupPlain(a.expected.answer->symbol) + QLatin1Char(')');
    return text;
}

// What a screen reader says of an answer cell: its name and its unit.
QString cellName(const Asked& a)
{
    return a.unit.empty() ? plainLabel(a) : plainLabel(a) + QStringLiteral(", em ") + q(a.unit);
}

} // namespace

void setPracticeSeeds(std::function<std::uint64_t()> s) { seeds() = std::move(s); }

PracticeMenu::PracticeMenu(QMainWindow* window, int formNumber, const std::vector<Exercise>& exercises,
                           Messenger* messenger)
    : QObject(window), window_(window), formNumber_(formNumber), exercises_(exercises), messenger_(messenger),
      practices_(exercises.size()), companion_(new Companion(window))
{
    // After "Resolução": nothing designed moves.
    QMenu* menu = window_->menuBar()->addMenu(QStringLiteral("Treino"));
    menu->setObjectName(QStringLiteral("Treino"));
    for (std::size_t i = 0; i < exercises.size(); ++i) {
        QAction* action = menu->addAction(menuItemText(*exercises[i].record));
        action->setObjectName(menuItemName("Treino", *exercises[i].record, i));
        connect(action, &QAction::triggered, this, [this, i] { open(i); });
        actions_.push_back(action);
    }
}

PracticeMenu::~PracticeMenu() = default;

void PracticeMenu::buildView()
{
    view_ = new QWidget(window_, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui_ = std::make_unique<Ui::PracticeWindow>();
    ui_->setupUi(view_);
    view_->setObjectName(QStringLiteral("TreinoForm%1").arg(formNumber_));
    // White, as every window of the program.
    QPalette white = view_->palette();
    white.setColor(QPalette::Window, Qt::white);
    view_->setPalette(white);
    view_->setAutoFillBackground(true);
    ui_->Conteudo->viewport()->setPalette(white);
    ui_->Conteudo->viewport()->setAutoFillBackground(true);
    ui_->colunas->addStretch(1);
    // The statement wraps at the window's width, whatever its length.
    ui_->Enunciado->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The hint and the solution as tall as their text: the page scrolls, not they.
    connect(ui_->Ajuda->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this](const QSizeF& size) {
                ui_->Ajuda->setFixedHeight(qCeil(size.height()) + 2 * ui_->Ajuda->frameWidth());
            });
    ui_->Ajuda->setCursorWidth(0);
    ui_->Ajuda->document()->setDefaultStyleSheet(QStringLiteral("b { color: #0000ff; }"));
    connect(ui_->Verificar, &QPushButton::clicked, this, [this] { check(); });
    connect(ui_->Dica, &QPushButton::clicked, this, [this] { hint(); });
    connect(ui_->VerResolucao, &QPushButton::clicked, this, [this] { solution(); });
    connect(ui_->OutroExercicio, &QPushButton::clicked, this, [this] { another(); });
    companion_->attach(view_);
}

void PracticeMenu::open(std::size_t exercise)
{
    if (!view_)
        buildView();
    if (!practices_[exercise])
        practices_[exercise] =
            std::make_unique<Practice>(*exercises_[exercise].record, seeds()());
    if (!view_->isVisible())
        companion_->placeBeside(exercises_[exercise], QSize(kWidth, kHeight), QSize(kNarrowest, kLowest));
    showing_ = exercise;
    showExercise();
    view_->show();
    view_->raise();
    view_->activateWindow();
    if (!answers_.empty())
        answers_.front()->setFocus(Qt::OtherFocusReason);
}

void PracticeMenu::showExercise()
{
    const Practice& p = *practices_[showing_];
    view_->setWindowTitle(companionTitle(QStringLiteral("Treino"), p.exercise(), window_->windowTitle()));
    ui_->Enunciado->setText(markupHtml(p.statement()));
    // Read out under its name, as the statement it is.
    ui_->Enunciado->setAccessibleDescription(markupPlain(p.statement()));
    ui_->FiguraEnunciado->setExercise(&p.drawn());
    ui_->Ajuda->clear();
    ui_->Ajuda->hide();
    ui_->FiguraResolucao->setFigure(nullptr);

    for (QWidget* w : rowParts_)
        delete w;
    rowParts_.clear();
    for (int row = 0; row < ui_->gradeRespostas->rowCount(); ++row)
        ui_->gradeRespostas->setRowStretch(row, 0);
    answers_.clear();
    verdicts_.clear();
    QWidget* previous = ui_->Enunciado;
    for (std::size_t i = 0; i < p.asked().size(); ++i) {
        const Asked& a = p.asked()[i];
        const int row = static_cast<int>(i);
        auto* name = new QLabel(labelHtml(a), ui_->Respostas);
        name->setTextFormat(Qt::RichText);
        name->setWordWrap(true);
        name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        name->setMinimumWidth(kNameWidth);
        QWidget* cell;
        if (!a.choices.empty()) {
            auto* choice = new QComboBox(ui_->Respostas);
            // As wide as the window lets it be; the list shows the sentences whole.
            choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            choice->setMinimumContentsLength(24);
            choice->addItem(kChoose);
            for (const std::string& c : a.choices)
                choice->addItem(q(c));
            choice->installEventFilter(this);
            cell = choice;
        } else {
            auto* edit = new QLineEdit(ui_->Respostas);
            edit->setMinimumWidth(100);
            connect(edit, &QLineEdit::returnPressed, this, [this] { check(); });
            cell = edit;
        }
        cell->setObjectName(QStringLiteral("Resposta%1").arg(i + 1));
        cell->setAccessibleName(cellName(a));
        name->setBuddy(cell);
        auto* unit = new QLabel(q(a.unit), ui_->Respostas);
        unit->setTextFormat(Qt::PlainText);
        auto* verdict = new QLabel(ui_->Respostas);
        verdict->setObjectName(QStringLiteral("Veredito%1").arg(i + 1));
        verdict->setTextFormat(Qt::PlainText);
        // "Confira a unidade: parece estar em km/h" in two lines, not a wider window.
        verdict->setWordWrap(true);
        verdict->setFixedWidth(kVerdictWidth);
        verdict->setAccessibleName(QStringLiteral("Veredito: ") + plainLabel(a));
        auto* grid = ui_->gradeRespostas;
        if (!a.choices.empty()) {
            // A sentence takes the whole width: the name above it.
            grid->addWidget(name, 2 * row, 0, 1, 4);
            grid->addWidget(cell, 2 * row + 1, 0, 1, 3);
            grid->addWidget(verdict, 2 * row + 1, 3);
        } else {
            grid->addWidget(name, 2 * row, 0, 2, 1);
            grid->addWidget(cell, 2 * row, 1, 2, 1);
            grid->addWidget(unit, 2 * row, 2, 2, 1);
            grid->addWidget(verdict, 2 * row, 3, 2, 1);
        }
        rowParts_.insert(rowParts_.end(), {name, cell, unit, verdict});
        answers_.push_back(cell);
        verdicts_.push_back(verdict);
        // The keyboard reads the answers in their order, then the buttons.
        QWidget::setTabOrder(previous, cell);
        previous = cell;
    }
    // The rows at the top, the room left below them.
    ui_->gradeRespostas->setRowStretch(2 * static_cast<int>(p.asked().size()), 1);
    ui_->gradeRespostas->setColumnStretch(0, 1);
    QWidget::setTabOrder(previous, ui_->Verificar);
    QWidget::setTabOrder(ui_->Verificar, ui_->Dica);
    QWidget::setTabOrder(ui_->Dica, ui_->VerResolucao);
    QWidget::setTabOrder(ui_->VerResolucao, ui_->OutroExercicio);
    QWidget::setTabOrder(ui_->OutroExercicio, ui_->Ajuda);
    updateButtons();
    updateScore();
}

std::vector<std::string> PracticeMenu::typed() const
{
    std::vector<std::string> r;
    for (QWidget* cell : answers_) {
        if (auto* choice = qobject_cast<QComboBox*>(cell))
            r.push_back(choice->currentIndex() > 0 ? choice->currentText().toStdString() : std::string());
        else
            r.push_back(static_cast<QLineEdit*>(cell)->text().toStdString());
    }
    return r;
}

void PracticeMenu::check()
{
    Practice& p = *practices_[showing_];
    const Checked c = p.check(typed(), locked_);
    if (c.refused) {
        // Not a try: the answer is put right first, and nothing is judged.
        messenger_->inform(view_, q(c.message));
        answers_[*c.refused]->setFocus(Qt::OtherFocusReason);
        return;
    }
    showVerdicts(c);
    updateButtons();
    updateScore();
    for (std::size_t i = 0; i < c.verdicts.size(); ++i)
        if (!c.verdicts[i].right()) {
            answers_[i]->setFocus(Qt::OtherFocusReason);
            return;
        }
    ui_->OutroExercicio->setFocus(Qt::OtherFocusReason);
}

void PracticeMenu::showVerdicts(const Checked& checked)
{
    const Practice& p = *practices_[showing_];
    for (std::size_t i = 0; i < verdicts_.size(); ++i) {
        const Verdict& v = checked.verdicts[i];
        const QString text = q(verdict_text(v));
        verdicts_[i]->setText(text);
        // Words and a sign for everyone; the colour only for who sees it.
        verdicts_[i]->setStyleSheet(v.right() ? QStringLiteral("color: #006400;") : QStringLiteral("color: #b00000;"));
        verdicts_[i]->setAccessibleDescription(text);
        answers_[i]->setAccessibleDescription(q(v.text));
        answers_[i]->setAccessibleName(cellName(p.asked()[i]) + QStringLiteral(": ") + q(v.text));
    }
}

void PracticeMenu::hint()
{
    const Practice& p = *practices_[showing_];
    if (!p.hintAvailable(locked_))
        return;
    ui_->Ajuda->setHtml(q(formulas_html(p.worked())));
    ui_->Ajuda->show();
    ui_->FiguraResolucao->setFigure(nullptr);
    ui_->Conteudo->ensureWidgetVisible(ui_->Ajuda);
}

void PracticeMenu::solution()
{
    Practice& p = *practices_[showing_];
    if (!p.solutionAvailable(locked_))
        return;
    p.solutionSeen();
    ui_->Ajuda->setHtml(q(solution_html(&p.worked())));
    ui_->Ajuda->show();
    ui_->FiguraResolucao->setFigure(figure_of(&p.worked()));
    updateScore();
    ui_->Conteudo->ensureWidgetVisible(ui_->Ajuda);
}

void PracticeMenu::another()
{
    practices_[showing_]->another();
    showExercise();
    if (!answers_.empty())
        answers_.front()->setFocus(Qt::OtherFocusReason);
}

void PracticeMenu::updateButtons()
{
    const Practice& p = *practices_[showing_];
    ui_->Dica->setEnabled(p.hintAvailable(locked_));
    ui_->VerResolucao->setEnabled(p.solutionAvailable(locked_));
}

void PracticeMenu::updateScore()
{
    int right = 0;
    int tried = 0;
    for (const auto& p : practices_) {
        if (p) {
            right += p->right();
            tried += p->tried();
        }
    }
    const QString score = q(score_text(right, tried));
    ui_->Placar->setText(score);
    ui_->Placar->setAccessibleDescription(score);
}

void PracticeMenu::setLocked(bool locked)
{
    if (locked == locked_)
        return;
    locked_ = locked;
    if (!view_)
        return;
    if (locked) {
        // What was said before the lock says more than the lock allows.
        ui_->Ajuda->clear();
        ui_->Ajuda->hide();
        ui_->FiguraResolucao->setFigure(nullptr);
        for (std::size_t i = 0; i < verdicts_.size(); ++i) {
            verdicts_[i]->clear();
            verdicts_[i]->setAccessibleDescription(QString());
            answers_[i]->setAccessibleDescription(QString());
            answers_[i]->setAccessibleName(cellName(practices_[showing_]->asked()[i]));
        }
    }
    if (practices_[showing_])
        updateButtons();
}

bool PracticeMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && qobject_cast<QComboBox*>(watched)) {
            check();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavek
