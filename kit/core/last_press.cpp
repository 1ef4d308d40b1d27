#include "kit/core/last_press.h"

#include <vector>

#include "kit/core/markup.h"

namespace tavek {

namespace {

std::string lines(const std::vector<Line>& ls, Notation notation)
{
    std::string r;
    for (const Line& l : ls) {
        if (!r.empty())
            r += "<br>";
        r += to_html(l, notation);
    }
    return r;
}

void section(std::string& html, std::string_view title, const std::vector<Line>& ls, Notation notation)
{
    if (ls.empty())
        return;
    html += "<p><b>";
    html += title;
    html += "</b><br>";
    html += lines(ls, notation);
    html += "</p>";
}

void paragraph(std::string& html, std::string_view text)
{
    html += "<p>";
    html += escaped(text);
    html += "</p>";
}

} // namespace

std::string formulas_html(const Outcome& worked)
{
    std::string html;
    section(html, "Fórmulas:", worked.solution.formulas, Notation::Screen);
    return html;
}

std::string solution_html(const Outcome* last, Notation notation)
{
    std::string html;
    if (!last) {
        paragraph(html, kNothingYet);
        return html;
    }
    const std::vector<std::string> messages = last->messages();
    if (!messages.empty()) {
        html += "<p>";
        for (std::size_t i = 0; i < messages.size(); ++i) {
            if (i)
                html += "<br>";
            html += escaped(notation == Notation::Paper ? paper_decimals(messages[i]) : messages[i]);
        }
        html += "</p>";
    }
    // A press refused at its checks has worked nothing out; one that stops
    // later (F2 < F1, a system that does not move) shows how far it got.
    const bool answered = last->wrote_anything();
    const Solution& s = last->solution;
    if (answered || !s.data.empty() || !s.remarks.empty()) {
        section(html, "Dados:", s.data, notation);
        section(html, "Fórmulas:", s.formulas, notation);
        section(html, "Substituição:", s.substitutions, notation);
        if (!s.remarks.empty())
            html += "<p>" + lines(s.remarks, notation) + "</p>";
    }
    if (last->fault) {
        std::string stop = "O cálculo parou com o erro \"";
        stop += fault_text(*last->fault);
        stop += "\".";
        paragraph(html, stop);
    }
    if (!answered)
        paragraph(html, kNoAnswer);
    else if (last->fault)
        paragraph(html, "As respostas seguintes não foram calculadas.");
    return html;
}

const Figure* figure_of(const Outcome* last)
{
    if (!last || last->fault || !last->wrote_anything() || last->figure.empty())
        return nullptr;
    return &last->figure;
}

} // namespace tavek
