// Test fixture: an interpreter in the window's start state (the document's), drawing on a recording canvas.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "parser/tparser.h"
#include "tests/support/drawingarea.h"
#include "tests/support/recordingcanvas.h"
#include "tests/support/recordingmessages.h"

// A line that must be rejected after the setup lines were accepted.
struct RejectedLine {
    std::vector<const char*> setup;
    const char* line;
    const char* message;  // Windows-1252
};

class ParserTest : public ::testing::Test {
protected:
    ParserTest() : document(PrepareDrawingArea(canvas, messages)), parser(document.Parser()) {}

    // Executes the lines in order; true when every line was accepted.
    bool Run(std::initializer_list<const char*> lines) {
        bool all = true;
        for (const char* line : lines)
            all = parser.Execute(line) && all;
        return all;
    }

    // The single error shown since the last Clear, or "" when none; fails when there were several.
    std::string OnlyError() const {
        EXPECT_LE(messages.errors.size(), 1u);
        return messages.errors.empty() ? std::string() : messages.errors.front();
    }

    // Each line must be rejected with exactly its message and leave the construction as it was.
    void ExpectRejected(const std::vector<RejectedLine>& cases) {
        for (const RejectedLine& c : cases) {
            SCOPED_TRACE(c.line);
            parser.Objects.FreeAll();
            for (const char* line : c.setup)
                ASSERT_TRUE(parser.Execute(line)) << line;
            messages.Clear();
            const int before = Count();
            EXPECT_FALSE(parser.Execute(c.line));
            EXPECT_EQ(OnlyError(), c.message);
            EXPECT_EQ(Count(), before);
        }
    }

    TPunkt* Obj(const char* name) const { return parser.Objects.FindByName(name); }
    int Count() const { return parser.Objects.Count(); }

    DrawStateGuard guard;  // restores the module state after the test
    RecordingCanvas canvas{{0, 0, 640, 480}};
    RecordingMessages messages;
    ConstructionDocument document;  // only for the window's start state; lines go to parser directly
    TParser& parser;
};
