// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/case_names.h"

#include <cstdio>
#include <vector>

namespace virenast::testing {
namespace {

bool isLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

std::string hex(const char* format, unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The length of the UTF-8 sequence that starts `text`, and its code point; 0 when it is broken.
std::size_t decodeUtf8(std::string_view text, unsigned& codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    const std::size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 0;
    if (length == 0 || text.size() < length) return 0;
    codePoint = lead & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80) return 0;
        codePoint = codePoint << 6 | (byte(i) & 0x3f);
    }
    return length;
}

std::string spelled(char c)
{
    switch (c) {
    case ' ': return "space";
    case '\t': return "tab";
    case '\n': return "newline";
    case ',': return "comma";
    case '.': return "dot";
    case '-': return "minus";
    case '+': return "plus";
    default: return hex("x%02X", static_cast<unsigned char>(c));
    }
}

}  // namespace

std::string caseName(std::string_view text)
{
    if (text.empty()) return "empty";
    std::vector<std::string> words;
    while (!text.empty()) {
        std::size_t length = 1;
        if (isLetterOrDigit(text[0])) {
            while (length < text.size() && isLetterOrDigit(text[length])) ++length;
            words.emplace_back(text.substr(0, length));
        } else if (static_cast<unsigned char>(text[0]) < 0x80) {
            words.push_back(spelled(text[0]));
        } else if (unsigned codePoint = 0; (length = decodeUtf8(text, codePoint)) != 0) {
            words.push_back(hex("U%04X", codePoint));
        } else {
            length = 1;
            words.push_back(spelled(text[0]));
        }
        text.remove_prefix(length);
    }
    std::string name = words.front();
    for (std::size_t i = 1; i < words.size(); ++i) name += "_" + words[i];
    return name;
}

}  // namespace virenast::testing
