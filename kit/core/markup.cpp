#include "kit/core/markup.h"

#include <algorithm>

namespace tavek {

namespace {

// Walks the program's markup, handing plain runs and the opening and closing
// of subscripts to `emit`; a power is written out in superscript characters.
template <class Emit>
void walkMarkup(std::string_view text, Emit&& emit)
{
    bool sub = false;
    std::string run;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '^' && i + 1 < text.size() && text[i + 1] == '{') {
            const std::size_t close = text.find('}', i + 2);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            run += superscript(text.substr(i + 2, end - i - 2));
            i = end;
        } else if (c == '_' && i + 1 < text.size() && text[i + 1] == '{' && !sub) {
            emit(run, 1);
            run.clear();
            sub = true;
            ++i;
        } else if (c == '}' && sub) {
            emit(run, -1);
            run.clear();
            sub = false;
        } else {
            run += c;
        }
    }
    emit(run, 0);
}

} // namespace

void add_markup(Line& line, std::string_view text)
{
    if (text.empty())
        return;
    if (!line.empty() && line.back().kind == Piece::Kind::Markup)
        line.back().text += text;
    else
        line.push_back({Piece::Kind::Markup, std::string(text)});
}

void add_number(Line& line, std::string text) { line.push_back({Piece::Kind::Number, std::move(text)}); }

void add_unit(Line& line, std::string_view unit)
{
    if (unit.empty())
        return;
    if (unit != "°")
        add_markup(line, " ");
    add_markup(line, unit);
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

std::string superscript(std::string_view text)
{
    static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string r;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            r += kDigits[c - '0'];
        } else if (c == '-') {
            r += "⁻";
        } else if (text.substr(i, 3) == "−") {
            r += "⁻";
            i += 2;
        } else {
            r += c;
        }
    }
    return r;
}

std::string plain_symbol(std::string_view markup)
{
    static constexpr const char* kDigits[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    std::string r;
    bool sub = false;
    walkMarkup(markup, [&](const std::string& run, int change) {
        const bool allDigits =
            !run.empty() && std::all_of(run.begin(), run.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (sub && allDigits)
            for (char c : run)
                r += kDigits[c - '0'];
        else
            r += run;
        sub = change > 0;
    });
    return r;
}

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

// A piece's text as the notation writes it.
std::string noted(const Piece& p, Notation notation)
{
    if (notation == Notation::Screen)
        return p.text;
    return p.kind == Piece::Kind::Number ? paper_number(p.text) : paper_decimals(p.text);
}

} // namespace

std::string paper_decimals(std::string_view text)
{
    std::string r(text);
    for (std::size_t i = 1; i + 1 < r.size(); ++i)
        if (r[i] == '.' && digit(r[i - 1]) && digit(r[i + 1]))
            r[i] = ',';
    return r;
}

std::string paper_number(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && !digit(text[start]))
        ++start;
    std::size_t end = start;
    while (end < text.size() && digit(text[end]))
        ++end;
    std::string r(text.substr(0, start));
    const std::size_t whole = end - start;
    for (std::size_t i = start; i < end; ++i) {
        // No-break spaces before each group of three but the first.
        if (whole >= 5 && i > start && (end - i) % 3 == 0)
            r += "\u00a0";
        r += text[i];
    }
    r += paper_decimals(text.substr(end == 0 ? 0 : end - 1)).substr(end == 0 ? 0 : 1);
    return r;
}

std::string to_html(const Line& line, Notation notation)
{
    std::string r;
    for (const Piece& p : line) {
        if (p.kind == Piece::Kind::Number) {
            r += escaped(noted(p, notation));
            continue;
        }
        walkMarkup(noted(p, notation), [&r](const std::string& run, int tag) {
            r += escaped(run);
            switch (tag) {
            case 1: r += "<sub>"; break;
            case -1: r += "</sub>"; break;
            default: break;
            }
        });
    }
    return r;
}

std::string to_plain(const Line& line, Notation notation)
{
    std::string r;
    for (const Piece& p : line) {
        if (p.kind == Piece::Kind::Number)
            r += noted(p, notation);
        else
            walkMarkup(noted(p, notation), [&r](const std::string& run, int) { r += run; });
    }
    return r;
}

std::string markup_html(std::string_view text, Notation notation)
{
    std::string joined;
    for (char c : text) {
        joined += c;
        if (c == '/')
            joined += "\u2060";
    }
    return to_html(Line{{Piece::Kind::Markup, std::move(joined)}}, notation);
}

} // namespace tavek
