// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_platform.h"

#include "form/form1_description.h"
#include "form/start_geometry.h"

#include <emscripten.h>

#include <chrono>
#include <cstdlib>

// What touches the document is done by the page's script, `Module.page` (page/page_platform.js).
// Texts cross as UTF-8 with their length; a text read from a box is copied into a buffer of the
// caller's, and its whole length returned, so that a longer text is read again into more room.

// A text that the program writes: numbers are plain ASCII, read here without a decoder, which
// costs more than the short text itself at every step of a run.
EM_JS(void, page_define_text_reader, (), {
    Module.textAt = (pointer, length) => {
        let text = "";
        for (let i = pointer; i < pointer + length; ++i) {
            const byte = HEAPU8[i];
            if (byte >= 0x80) return UTF8ToString(pointer, length);
            text += String.fromCharCode(byte);
        }
        return text;
    };
});

EM_JS(int, page_read_text, (int box, char* buffer, int capacity), {
    const text = Module.page.readText(box);
    const length = lengthBytesUTF8(text);
    if (length < capacity) stringToUTF8(text, buffer, capacity);
    return length;
});
EM_JS(void, page_set_text, (int box, const char* text, int length), {
    Module.page.setText(box, Module.textAt(text, length));
});
EM_JS(void, page_set_caption, (int label, const char* text, int length), {
    Module.page.setCaption(label, Module.textAt(text, length));
});
EM_JS(void, page_set_shape, (int shape, int which, float twips), { Module.page.setShape(shape, which, twips); });
EM_JS(void, page_set_line, (int line, int which, float twips), { Module.page.setLine(line, which, twips); });
EM_JS(float, page_frame_size, (int which), { return Module.page.frameSize(which); });
EM_JS(int, page_scroll_value, (), { return Module.page.scrollValue(); });
EM_JS(void, page_set_scroll_value, (int value), { Module.page.setScrollValue(value); });
EM_JS(int, page_needs_turn, (), { return Module.page.needsTurn() ? 1 : 0; });
EM_JS(int, page_next_command, (), { return Module.page.nextCommand(); });
// The two paths as x, y pairs of twips: the run's own and the one before it.
EM_JS(void, page_set_paths, (const float* current, int currentCount, const float* previous, int previousCount), {
    Module.page.setPaths(HEAPF32.subarray(current >> 2, (current >> 2) + currentCount),
                         HEAPF32.subarray(previous >> 2, (previous >> 2) + previousCount));
});
// Suspends the run for about that many milliseconds, the browser painting and taking input.
EM_ASYNC_JS(void, page_wait, (double milliseconds), { await Module.page.wait(milliseconds); });
// These two suspend the program until the browser has had its turn, or the box is closed.
EM_ASYNC_JS(void, page_browser_turn, (), { await Module.page.browserTurn(); });
EM_ASYNC_JS(void, page_message_box, (const char* text, int textLength, const char* title, int titleLength, int style), {
    await Module.page.messageBox(UTF8ToString(text, textLength), UTF8ToString(title, titleLength), style);
});

namespace virenast::web {
namespace {

using platform::indexOf;

int length(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

WebPlatform::WebPlatform(std::string decimalSeparator, CommandHandler handleCommand)
    : WindowPlatform(platform::NumberText(std::move(decimalSeparator))), handleCommand_(std::move(handleCommand))
{
    // The circles and lines stand where the description puts them until the logic moves them.
    shapes_ = form::startGeometry().shapes;
    lines_ = form::startGeometry().lines;
    readBuffer_.resize(64);
    page_define_text_reader();
}

std::string WebPlatform::text(platform::TextBox box)
{
    const int index = static_cast<int>(indexOf(box));
    int size = page_read_text(index, readBuffer_.data(), length(readBuffer_));
    if (size >= length(readBuffer_)) {
        readBuffer_.resize(static_cast<std::size_t>(size) + 1);
        size = page_read_text(index, readBuffer_.data(), length(readBuffer_));
    }
    return readBuffer_.substr(0, static_cast<std::size_t>(size));
}

void WebPlatform::setText(platform::TextBox box, std::string_view text)
{
    page_set_text(static_cast<int>(indexOf(box)), text.data(), length(text));
}

void WebPlatform::setCaption(platform::Label label, std::string_view caption)
{
    page_set_caption(static_cast<int>(indexOf(label)), caption.data(), length(caption));
}

float WebPlatform::shapeGeometry(platform::Shape shape, platform::ShapeGeometry which)
{
    return shapes_[indexOf(shape)][indexOf(which)];
}

void WebPlatform::setShapeGeometry(platform::Shape shape, platform::ShapeGeometry which, float twips)
{
    shapes_[indexOf(shape)][indexOf(which)] = twips;
    page_set_shape(static_cast<int>(indexOf(shape)), static_cast<int>(indexOf(which)), twips);
}

float WebPlatform::linePoint(platform::Line line, platform::LineEnd which) { return lines_[indexOf(line)][indexOf(which)]; }

void WebPlatform::setLinePoint(platform::Line line, platform::LineEnd which, float twips)
{
    lines_[indexOf(line)][indexOf(which)] = twips;
    page_set_line(static_cast<int>(indexOf(line)), static_cast<int>(indexOf(which)), twips);
}

float WebPlatform::frameWidth() { return page_frame_size(0); }

float WebPlatform::frameHeight() { return page_frame_size(1); }

std::int16_t WebPlatform::scrollValue() { return static_cast<std::int16_t>(page_scroll_value()); }

void WebPlatform::setScrollValue(std::int16_t value) { page_set_scroll_value(value); }

void WebPlatform::messageBox(std::string_view text, std::string_view title, platform::MessageStyle style)
{
    handOverPath();
    page_message_box(text.data(), length(text), title.data(), length(title), static_cast<int>(style));
    pacer_.restartFromNow();  // the time the box stood open is not made up
}

void WebPlatform::choose(form::DisplayCommand command)
{
    choices_.apply(command);
    pacer_.setPace(choices_.pace);
}

void WebPlatform::setChoices(const form::DisplayChoices& choices)
{
    choices_ = choices;
    pacer_.setPace(choices_.pace);
}

void WebPlatform::handOverPath()
{
    if (path_.revision() == pathHandedOver_) return;
    pathHandedOver_ = path_.revision();
    const auto current = path_.current();
    const auto previous = path_.previous();
    pathTwips_.clear();
    for (const auto part : {current, previous})
        for (const sim::TwipPoint point : part) {
            pathTwips_.push_back(point.x);
            pathTwips_.push_back(point.y);
        }
    const int currentCount = static_cast<int>(current.size() * 2);
    page_set_paths(pathTwips_.data(), currentCount, pathTwips_.data() + currentCount,
                   static_cast<int>(previous.size() * 2));
}

void WebPlatform::yield()
{
    if (page_needs_turn()) {
        handOverPath();
        page_browser_turn();
    }
    runWaitingCommands();
    keepPace();
}

// A wait shorter than this is left to the next step: the run is timed from its click, so the
// next wait makes up for it, and the browser's timers are not that fine anyway.
constexpr std::chrono::milliseconds shortestWait{2};

void WebPlatform::keepPace()
{
    for (;;) {
        const auto due = pacer_.waitUntil();
        if (!due) return;
        const auto left = std::chrono::duration<double, std::milli>(*due - clock_.now());
        if (left < shortestWait) return;
        handOverPath();
        page_wait(left.count());
        runWaitingCommands();  // a click during the wait, even a nested run, as at any turn
    }
}

void WebPlatform::runWaitingCommands()
{
    for (;;) {
        const int command = page_next_command();
        if (command == static_cast<int>(form::Command::None)) return;  // the page's queue is empty
        handleCommand_(command);
    }
}

void WebPlatform::end()
{
    // Nothing is kept: stop the program where it stands, below any run in progress.
    emscripten_force_exit(EXIT_SUCCESS);
    std::abort();
}

}  // namespace virenast::web
