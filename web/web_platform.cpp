// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_platform.h"

#include "description_json.h"
#include "form/form1_description.h"
#include "form/start_geometry.h"

#include <emscripten.h>

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
// What changed in the drawing, or in the graphs' view, since the page last had it: for each
// shape, nine integers (see ShapeHandover), its points as x, y pairs of twips, its text as UTF-8.
EM_JS(void, page_draw, (int graphs, const int* header, int headerCount, const float* points, int pointCount,
                        const char* texts), {
    Module.page[graphs ? "drawGraphs" : "draw"](HEAP32.subarray(header >> 2, (header >> 2) + headerCount),
                                                HEAPF32.subarray(points >> 2, (points >> 2) + pointCount),
                                                (start, length) => UTF8ToString(texts + start, length));
});
// What the drawing or the graphs show beyond their shapes, in words, for a screen reader.
EM_JS(void, page_describe_drawing, (int graphs, const char* text, int length), {
    Module.page[graphs ? "describeGraphs" : "describeDrawing"](UTF8ToString(text, length));
});
// The table "Troisième loi" as JSON (thirdLawAsJson).
EM_JS(void, page_show_third_law, (const char* json, int length), {
    Module.page.showThirdLaw(JSON.parse(UTF8ToString(json, length)));
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

WebPlatform::WebPlatform(std::string decimalSeparator)
    : WindowPlatform(platform::NumberText(std::move(decimalSeparator)))
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
    handOverDrawing();
    page_message_box(text.data(), length(text), title.data(), length(title), static_cast<int>(style));
    if (session_ != nullptr) session_->restartPace();  // the time the box stood open is not made up
}

void WebPlatform::handOverDrawing()
{
    if (session_ == nullptr) return;
    const auto hand = [](ShapeHandover& handover, const std::vector<sim::DrawnShape>& shapes, int graphs) {
        handover.collect(shapes);
        if (handover.empty()) return;
        page_draw(graphs, handover.header().data(), static_cast<int>(handover.header().size()),
                  handover.points().data(), static_cast<int>(handover.points().size()), handover.texts().c_str());
    };
    const auto describe = [](std::string& handed, std::string now, int graphs) {
        if (now == handed) return;
        handed = std::move(now);
        page_describe_drawing(graphs, handed.data(), length(handed));
    };
    hand(drawing_, session_->drawnShapes(), 0);
    describe(summary_, session_->drawingSummary(), 0);
    // A hidden view is not drawn: shown again, it is handed what changed meanwhile.
    if (session_->graphsShown()) {
        hand(graphs_, session_->graphShapes(), 1);
        describe(graphSummary_, session_->graphSummary(), 1);
    }
    if (session_->thirdLawRows().size() != thirdLawRows_) {
        thirdLawRows_ = session_->thirdLawRows().size();
        const std::string table = thirdLawAsJson(*session_);
        page_show_third_law(table.data(), length(table));
    }
}

void WebPlatform::yield()
{
    if (page_needs_turn()) {
        handOverDrawing();
        page_browser_turn();
    }
    runWaitingCommands();
    keepPace();
}

void WebPlatform::keepPace()
{
    if (session_ == nullptr) return;
    while (const auto wait = session_->paceWait()) {
        handOverDrawing();
        page_wait(static_cast<double>(wait->count()));
        runWaitingCommands();  // a click during the wait, even a nested run, as at any turn
    }
}

void WebPlatform::perform(form::Command command)
{
    if (session_ == nullptr) return;
    session_->perform(command);
    handOverDrawing();
}

void WebPlatform::runWaitingCommands()
{
    for (;;) {
        const int command = page_next_command();
        if (command == static_cast<int>(form::Command::None)) return;  // the page's queue is empty
        perform(static_cast<form::Command>(command));
    }
}

void WebPlatform::end()
{
    // Nothing is kept: stop the program where it stands, below any run in progress.
    emscripten_force_exit(EXIT_SUCCESS);
    std::abort();
}

}  // namespace virenast::web
