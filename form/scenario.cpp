// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/scenario.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace virenast::form {
namespace {

using platform::TextBox;

constexpr std::array<ScenarioBox, 12> boxes{{
    {TextBox::G1, nullptr},
    {TextBox::x1, nullptr},
    {TextBox::y1, nullptr},
    {TextBox::G2, nullptr},
    {TextBox::x2, nullptr},
    {TextBox::y2, nullptr},
    {TextBox::xs, nullptr},
    {TextBox::ys, nullptr},
    {TextBox::Text4, "masse"},
    {TextBox::vx, nullptr},
    {TextBox::vy, nullptr},
    {TextBox::Text1, "annees"},
}};

// How a display choice is written: a checkable item under its name, "oui" or "non"; the
// projector's colours under "couleurs"; a group of exclusive items under the group's name,
// the item's name as its value.
struct ChoiceSpelling {
    const char* key;
    const char* on;   // nullptr for a group, whose value is its item's name
    const char* off;
};

ChoiceSpelling spellingOf(const MenuRow& row)
{
    if (std::string_view(row.name) == projectorItemName) return {"couleurs", "projecteur", "standard"};
    if (row.kind == MenuRowKind::Exclusive) return {row.group, nullptr, nullptr};
    return {row.name, "oui", "non"};
}

// The rows that stand for a choice in a scenario: each checkable item, and the first item of
// each group.
std::vector<const MenuRow*> choiceRows()
{
    std::vector<const MenuRow*> rows;
    for (const MenuRow& row : menuBarRows()) {
        if (!row.checkable()) continue;
        const bool groupSeen = row.group != nullptr && std::any_of(rows.begin(), rows.end(), [&](const MenuRow* seen) {
                                   return seen->group != nullptr && std::string_view(seen->group) == row.group;
                               });
        if (!groupSeen) rows.push_back(&row);
    }
    return rows;
}

// The time step's control: its name in a scenario, and its caption in the messages.
const char* timeStepName() { return timeStepBar().name; }
std::string timeStepCaption() { return std::string("la barre « ") + timeStepBar().spoken.name + " »"; }

// Past this many messages the others are only counted: a file of 64 KiB of garbage would
// otherwise make a message box taller than any screen.
constexpr std::size_t shownMessagesCap = 12;
// A name quoted in a message is cut to this many characters.
constexpr std::size_t quotedNameCap = 30;

// The code points of UTF-8 text, or nothing when it is not UTF-8 (overlong forms, surrogates
// and values beyond U+10FFFF are not).
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text)
{
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t point = 0;
        if (lead < 0x80) {
            length = 1, point = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, point = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, point = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, point = lead & 0x07u;
        } else {
            return std::nullopt;
        }
        if (i + length > text.size()) return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) return std::nullopt;
            point = (point << 6) | (next & 0x3Fu);
        }
        const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
        if (overlong || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return std::nullopt;
        points.push_back(point);
        i += length;
    }
    return points;
}

bool isControl(char32_t point) { return point < 0x20 || (point >= 0x7F && point <= 0x9F); }

// A name as a message may show it: printable, cut short, in French quotes. Bytes that are not
// UTF-8 and control characters show as "?".
std::string quoted(std::string_view name)
{
    std::string shown = "« ";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size() && characters < quotedNameCap; ++characters) {
        // The longest UTF-8 sequence that starts here, up to four bytes.
        std::optional<std::vector<char32_t>> one;
        std::size_t length = 1;
        for (; length <= 4 && i + length <= name.size(); ++length) {
            one = decodeUtf8(name.substr(i, length));
            if (one) break;
        }
        if (one && !isControl(one->front())) {
            shown += name.substr(i, length);
            i += length;
        } else {
            shown += '?';
            i += 1;
        }
        if (characters + 1 == quotedNameCap && i < name.size()) shown += "…";
    }
    return shown + " »";
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The bytes a percent-encoded text stands for, or nothing for a broken escape.
std::optional<std::string> percentDecoded(std::string_view text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return bytes;
}

// What the reading of one link or file has taken so far, and what it has left out.
class Reader {
public:
    // `where` starts each message ("Ligne 3 : "), empty for a link.
    void take(std::string_view name, std::string_view text, const std::string& where)
    {
        const std::string shownName = quoted(name);
        const auto nameIndex = indexOfName(name);
        if (!nameIndex) {
            leaveOut(where + "nom inconnu " + shownName + " : ignoré.");
            return;
        }
        if (seen_[*nameIndex]) {
            leaveOut(where + shownName + " est déjà donné plus haut : seule la première valeur est gardée.");
            return;
        }
        seen_[*nameIndex] = true;
        const auto points = decodeUtf8(text);
        if (!points) {
            leaveOut(where + "le texte de " + shownName + " n'est pas du texte UTF-8 : ignoré.");
            return;
        }
        if (std::any_of(points->begin(), points->end(), isControl)) {
            leaveOut(where + "le texte de " + shownName + " contient un caractère de contrôle : ignoré.");
            return;
        }
        if (points->size() > scenarioTextCap) {
            leaveOut(where + "le texte de " + shownName + " dépasse " + std::to_string(scenarioTextCap) +
                     " caractères : ignoré.");
            return;
        }
        if (*nameIndex == boxes.size()) {
            takeTimeStep(text, where);
            return;
        }
        if (*nameIndex > boxes.size()) {
            takeChoice(*choices_[*nameIndex - boxes.size() - 1], text, where);
            return;
        }
        reading_.scenario.texts[*nameIndex] = std::string(text);
        ++taken_;
        ++values_;
    }

    void leaveOut(std::string message)
    {
        ++leftOut_;
        if (reading_.messages.size() < shownMessagesCap) reading_.messages.push_back(std::move(message));
    }

    ScenarioReading finish()
    {
        if (leftOut_ > shownMessagesCap)
            reading_.messages.push_back("… et " + std::to_string(leftOut_ - shownMessagesCap) +
                                        " autres éléments ignorés.");
        if (taken_ == 0) return refuse("Aucune valeur n'a pu être lue dans ce scénario : rien n'a changé.");
        // (A scenario of display choices alone, such as "couleurs=projecteur", has no time step.)
        if (!seen_[boxes.size()] && values_ > 0)
            reading_.messages.push_back("Le pas de temps (" + std::string(timeStepName()) + ") manque : " +
                                        timeStepCaption() + " garde sa valeur.");
        return std::move(reading_);
    }

    ScenarioReading refuse(std::string message)
    {
        ScenarioReading refused;
        refused.messages = std::move(reading_.messages);
        refused.messages.push_back(std::move(message));
        refused.refused = true;
        return refused;
    }

private:
    // Index in `boxes`, boxes.size() for the time step, and past it for the choices.
    std::optional<std::size_t> indexOfName(std::string_view name) const
    {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (name == boxes[i].name() || (boxes[i].alias != nullptr && name == boxes[i].alias)) return i;
        if (name == timeStepName() || name == scenarioTimeStepAlias) return boxes.size();
        for (std::size_t i = 0; i < choices_.size(); ++i)
            if (name == spellingOf(*choices_[i]).key) return boxes.size() + 1 + i;
        return std::nullopt;
    }

    void takeChoice(const MenuRow& row, std::string_view text, const std::string& where)
    {
        const ChoiceSpelling spelling = spellingOf(row);
        const std::string_view value = trimmed(text);
        std::string expected;
        if (spelling.on != nullptr) {
            if (value == spelling.on || value == spelling.off) {
                reading_.scenario.choices.push_back({&row, value == spelling.on});
                ++taken_;
                return;
            }
            expected = quoted(spelling.on) + " ou " + quoted(spelling.off);
        } else {
            for (const MenuRow& item : menuBarRows()) {
                if (item.group == nullptr || std::string_view(item.group) != row.group) continue;
                if (value == item.name) {
                    reading_.scenario.choices.push_back({&item, true});
                    ++taken_;
                    return;
                }
                expected += (expected.empty() ? "" : ", ") + quoted(item.name);
            }
            expected = "l'un de " + expected;
        }
        leaveOut(where + "la valeur " + quoted(text) + " de " + quoted(spelling.key) + " n'est pas " + expected +
                 " : ignorée.");
    }

    void takeTimeStep(std::string_view text, const std::string& where)
    {
        const std::string_view digits = trimmed(text);
        int hours = 0;
        // At most three digits, so the sum cannot overflow.
        bool whole = !digits.empty() && digits.size() <= 3;
        for (const char c : whole ? digits : std::string_view()) {
            whole = whole && c >= '0' && c <= '9';
            hours = hours * 10 + (c - '0');
        }
        if (!whole || hours < timeStepRange.minimum || hours > timeStepRange.maximum) {
            leaveOut(where + "le pas de temps " + quoted(text) + " n'est pas un nombre entier d'heures de " +
                     std::to_string(timeStepRange.minimum) + " à " + std::to_string(timeStepRange.maximum) + " : " +
                     timeStepCaption() + " garde sa valeur.");
            return;
        }
        reading_.scenario.timeStepHours = hours;
        ++taken_;
    }

    ScenarioReading reading_;
    std::vector<const MenuRow*> choices_ = choiceRows();
    std::vector<bool> seen_ = std::vector<bool>(boxes.size() + 1 + choices_.size());
    std::size_t taken_ = 0;
    std::size_t values_ = 0;  // of the boxes
    std::size_t leftOut_ = 0;
};

ScenarioReading tooLarge()
{
    ScenarioReading refused;
    refused.refused = true;
    refused.messages.push_back("Le scénario dépasse " + std::to_string(scenarioInputCap / 1024) +
                               " Kio : il n'est pas lu, rien n'a changé.");
    return refused;
}

bool keptInLinks(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == ',';
}

void appendPercentEncoded(std::string& out, std::string_view text)
{
    constexpr char hex[] = "0123456789ABCDEF";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (keptInLinks(byte)) {
            out += c;
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 0x0F];
        }
    }
}

// Every pair of the scenario, in the order it is written.
template <typename Visit>
void forEachPair(const Scenario& scenario, Visit visit)
{
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (scenario.texts[i]) visit(std::string_view(boxes[i].name()), std::string_view(*scenario.texts[i]));
    if (scenario.timeStepHours) visit(std::string_view(timeStepName()), std::to_string(*scenario.timeStepHours));
    for (const ScenarioChoice& choice : scenario.choices) {
        const ChoiceSpelling spelling = spellingOf(*choice.row);
        if (spelling.on != nullptr) visit(std::string_view(spelling.key), std::string_view(choice.checked ? spelling.on : spelling.off));
        else if (choice.checked) visit(std::string_view(spelling.key), std::string_view(choice.row->name));
    }
}

}  // namespace

std::span<const ScenarioBox> scenarioBoxes() { return boxes; }

bool Scenario::empty() const
{
    return !timeStepHours && choices.empty() &&
           std::none_of(texts.begin(), texts.end(), [](const auto& text) { return text.has_value(); });
}

ScenarioReading readScenarioLink(std::string_view link)
{
    if (link.size() > scenarioInputCap) return tooLarge();
    if (const std::size_t hash = link.find('#'); hash != std::string_view::npos) link.remove_prefix(hash + 1);
    Reader reader;
    while (!link.empty()) {
        const std::size_t end = std::min(link.find('&'), link.size());
        const std::string_view pair = link.substr(0, end);
        link.remove_prefix(std::min(end + 1, link.size()));
        if (pair.empty()) continue;
        const std::size_t equals = pair.find('=');
        const auto name = percentDecoded(pair.substr(0, std::min(equals, pair.size())));
        if (equals == std::string_view::npos) {
            reader.leaveOut("Lien : élément " + quoted(name ? *name : std::string(pair)) + " sans « = », ignoré.");
            continue;
        }
        const auto text = percentDecoded(pair.substr(equals + 1));
        if (!name || !text) {
            reader.leaveOut("Lien : élément " + quoted(pair) + " avec un code « % » invalide, ignoré.");
            continue;
        }
        reader.take(trimmed(*name), *text, "Lien : ");
    }
    return reader.finish();
}

ScenarioReading readScenarioFile(std::string_view bytes)
{
    if (bytes.size() > scenarioInputCap) return tooLarge();
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (bytes.find('\0') != std::string_view::npos || !decodeUtf8(bytes)) {
        ScenarioReading refused;
        refused.refused = true;
        refused.messages.push_back("Ce fichier n'est pas un scénario : ce n'est pas du texte UTF-8. Rien n'a changé.");
        return refused;
    }
    Reader reader;
    for (int lineNumber = 1; !bytes.empty(); ++lineNumber) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#') continue;
        const std::string where = "Ligne " + std::to_string(lineNumber) + " : ";
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            reader.leaveOut(where + quoted(content) + " sans « = » : ignorée.");
            continue;
        }
        reader.take(trimmed(line.substr(0, equals)), line.substr(equals + 1), where);
    }
    return reader.finish();
}

ScenarioReading readScenarioFile(std::istream& in)
{
    std::string bytes(scenarioInputCap + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return readScenarioFile(std::string_view(bytes));
}

std::string scenarioLink(const Scenario& scenario)
{
    std::string link;
    forEachPair(scenario, [&](std::string_view name, std::string_view text) {
        if (!link.empty()) link += '&';
        link += name;
        link += '=';
        appendPercentEncoded(link, text);
    });
    return link;
}

std::string scenarioFile(const Scenario& scenario)
{
    std::string file = "# Scénario Virenast : une valeur par ligne, nom=texte comme tapé\n";
    forEachPair(scenario, [&](std::string_view name, std::string_view text) {
        // A line break would end the line: a text holding one cannot be typed into a box, and
        // is left out rather than let the rest of it read as another line.
        if (text.find_first_of("\r\n") != std::string_view::npos) return;
        file += name;
        file += '=';
        file += text;
        file += '\n';
    });
    return file;
}

Scenario currentScenario(platform::WindowPlatform& window, const DisplayChoices& choices)
{
    Scenario scenario;
    for (std::size_t i = 0; i < boxes.size(); ++i) scenario.texts[i] = window.text(boxes[i].box);
    scenario.timeStepHours = window.scrollValue();
    for (const MenuRow* row : choiceRows()) {
        if (row->kind == MenuRowKind::Checkable) {
            scenario.choices.push_back({row, choices.checks(*row)});
            continue;
        }
        for (const MenuRow& item : menuBarRows())
            if (item.group != nullptr && std::string_view(item.group) == row->group && choices.checks(item))
                scenario.choices.push_back({&item, true});
    }
    return scenario;
}

void applyScenario(const Scenario& scenario, platform::WindowPlatform& window, DisplayChoices& choices)
{
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (scenario.texts[i]) window.setText(boxes[i].box, *scenario.texts[i]);
    if (scenario.timeStepHours) window.setScrollValue(static_cast<std::int16_t>(*scenario.timeStepHours));
    for (const ScenarioChoice& choice : scenario.choices) choices.set(*choice.row, choice.checked);
}

std::string scenarioMessagesText(const ScenarioReading& reading)
{
    std::string text = reading.refused ? "Le scénario n'a pas été ouvert :" : "Une partie du scénario a été ignorée :";
    for (const std::string& message : reading.messages) {
        text += "\n- ";
        text += message;
    }
    return text;
}

}  // namespace virenast::form
