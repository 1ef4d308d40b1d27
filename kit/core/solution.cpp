#include "kit/core/solution.h"

#include <algorithm>
#include <cassert>
#include <charconv>

#include "kit/core/number.h"
#include "kit/core/outcome.h"

namespace tavek {

namespace {

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string trimmed(std::string s)
{
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

void markup(Line& line, std::string_view text)
{
    if (text.empty())
        return;
    if (!line.empty() && line.back().kind == Piece::Kind::Markup)
        line.back().text += text;
    else
        line.push_back({Piece::Kind::Markup, std::string(text)});
}

void number(Line& line, std::string text) { line.push_back({Piece::Kind::Number, std::move(text)}); }

// " m/s²" after a number, "30°" without the blank; nothing for a pure number.
void unitAfter(Line& line, std::string_view unit)
{
    if (unit.empty())
        return;
    if (unit != "°")
        markup(line, " ");
    markup(line, unit);
}

std::string escaped(std::string_view text)
{
    std::string r;
    r.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': r += "&amp;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        case '"': r += "&quot;"; break;
        default: r += c;
        }
    }
    return r;
}

// Walks the program's markup, handing plain runs and the opening and closing
// of sub- and superscripts to `emit`.
template <class Emit>
void walkMarkup(std::string_view text, Emit&& emit)
{
    std::vector<bool> open; // true: a subscript
    std::string run;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '_' || c == '^') && i + 1 < text.size() && text[i + 1] == '{') {
            emit(run, 0);
            run.clear();
            open.push_back(c == '_');
            emit(run, c == '_' ? 1 : 2);
            ++i;
        } else if (c == '}' && !open.empty()) {
            emit(run, 0);
            run.clear();
            emit(run, open.back() ? -1 : -2);
            open.pop_back();
        } else {
            run += c;
        }
    }
    emit(run, 0);
}

std::string lines(const std::vector<Line>& ls)
{
    std::string r;
    for (const Line& l : ls) {
        if (!r.empty())
            r += "<br>";
        r += to_html(l);
    }
    return r;
}

void section(std::string& html, std::string_view title, const std::vector<Line>& ls)
{
    if (ls.empty())
        return;
    html += "<p><b>";
    html += title;
    html += "</b><br>";
    html += lines(ls);
    html += "</p>";
}

void paragraph(std::string& html, std::string_view text)
{
    html += "<p>";
    html += escaped(text);
    html += "</p>";
}

} // namespace

std::string given_text(double x)
{
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, r.ptr);
}

const Working::Quantity* Working::find(std::string_view name) const
{
    for (auto it = quantities_.rbegin(); it != quantities_.rend(); ++it)
        if (it->name == name)
            return &*it;
    return nullptr;
}

void Working::remember(std::string_view name, std::string_view symbol, std::string text, bool negative)
{
    quantities_.push_back({std::string(name), std::string(symbol), std::move(text), negative});
}

Line Working::expand(std::string_view formula, bool numbers) const
{
    Line line;
    for (std::size_t i = 0; i < formula.size();) {
        if (formula[i] != '@') {
            const std::size_t next = formula.find('@', i);
            markup(line, formula.substr(i, next == std::string_view::npos ? next : next - i));
            i = next == std::string_view::npos ? formula.size() : next;
            continue;
        }
        std::size_t end = i + 1;
        while (end < formula.size() && isNameChar(formula[end]))
            ++end;
        const Quantity* q = find(formula.substr(i + 1, end - i - 1));
        assert(q && "a formula names a quantity that was neither given nor worked out");
        if (!q) {
            markup(line, "?");
        } else if (!numbers) {
            markup(line, q->symbol);
        } else if (q->negative) {
            markup(line, "(");
            number(line, q->text);
            markup(line, ")");
        } else {
            number(line, q->text);
        }
        i = end;
    }
    return line;
}

Real Working::given(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
                    std::string_view note)
{
    std::string text = given_text(value.value());
    Line line;
    markup(line, symbol);
    markup(line, " = ");
    number(line, text);
    unitAfter(line, unit);
    if (!note.empty()) {
        markup(line, " (");
        markup(line, note);
        markup(line, ")");
    }
    s_.data.push_back(std::move(line));
    const bool negative = text.front() == '-';
    remember(name, symbol, std::move(text), negative);
    return value;
}

Real Working::known(std::string_view name, std::string_view symbol, Real value, std::string_view unit)
{
    return given(name, symbol, value, unit);
}

Real Working::step(std::string_view name, std::string_view symbol, std::string_view formula, Real value,
                   std::string_view unit, int decimals)
{
    std::string text = trimmed(write_number(value.value(), width_, decimals < 0 ? decimals_ : decimals));

    Line written;
    markup(written, symbol);
    markup(written, " = ");
    if (!formula.empty()) {
        Line symbols = expand(formula, false);
        written.insert(written.end(), symbols.begin(), symbols.end());
        s_.formulas.push_back(written);

        markup(written, " = ");
        // A quantity equal to another (T_{C} = P) shows its number once.
        const bool alias = formula.size() > 1 && formula[0] == '@' &&
                           std::all_of(formula.begin() + 1, formula.end(), isNameChar);
        if (!alias) {
            Line numbers = expand(formula, true);
            written.insert(written.end(), numbers.begin(), numbers.end());
            markup(written, " = ");
        }
    }
    number(written, text);
    unitAfter(written, unit);
    s_.substitutions.push_back(std::move(written));

    // Bracketed by its text, so that -0.0000 is too.
    const bool negative = !text.empty() && text.front() == '-';
    remember(name, symbol, std::move(text), negative);
    return value;
}

void Working::shows(std::string_view name, std::string target)
{
    const Quantity* q = find(name);
    assert(q && "an answer shows a quantity that was neither given nor worked out");
    if (q)
        s_.shown.emplace_back(std::move(target), q->text);
}

void Working::remark(std::string_view text)
{
    Line line;
    markup(line, text);
    s_.remarks.push_back(std::move(line));
}

std::string to_html(const Line& line)
{
    std::string r;
    for (const Piece& p : line) {
        if (p.kind == Piece::Kind::Number) {
            r += escaped(p.text);
            continue;
        }
        walkMarkup(p.text, [&r](const std::string& run, int tag) {
            r += escaped(run);
            switch (tag) {
            case 1: r += "<sub>"; break;
            case -1: r += "</sub>"; break;
            case 2: r += "<sup>"; break;
            case -2: r += "</sup>"; break;
            default: break;
            }
        });
    }
    return r;
}

std::string to_plain(const Line& line)
{
    std::string r;
    for (const Piece& p : line) {
        if (p.kind == Piece::Kind::Number)
            r += p.text;
        else
            walkMarkup(p.text, [&r](const std::string& run, int) { r += run; });
    }
    return r;
}

std::string solution_html(const Outcome* last)
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
            html += escaped(messages[i]);
        }
        html += "</p>";
    }
    // A refused press has read its data but worked nothing out of them.
    const bool answered = last->wrote_anything();
    const Solution& s = last->solution;
    if (answered) {
        section(html, "Dados:", s.data);
        section(html, "Fórmulas:", s.formulas);
        section(html, "Substituição:", s.substitutions);
        if (!s.remarks.empty())
            html += "<p>" + lines(s.remarks) + "</p>";
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

} // namespace tavek
