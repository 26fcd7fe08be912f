// Test fixture: a construction document in the window's start state, drawing on a recording canvas.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "tests/support/drawingarea.h"
#include "tests/support/recordingcanvas.h"
#include "tests/support/recordingmessages.h"

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() : canvas({0, 0, 640, 480}), document(PrepareDrawingArea(canvas, messages)) {}

    // Types each line as the command line does.
    void Type(std::initializer_list<const char*> lines) {
        for (const char* line : lines)
            document.AppendTyped(line);
    }
    static std::string Text(std::initializer_list<const char*> lines) {
        std::string text;
        for (const char* line : lines)
            text += std::string(line) + "\r\n";
        return text;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        const TObjList& objects = document.Parser().Objects;
        for (int i = 0; i < objects.Count(); ++i)
            names.push_back(objects.Item(i)->GetName());
        return names;
    }
    int Count() const { return document.Parser().Objects.Count(); }
    TPunkt* Obj(const char* name) const { return document.Parser().Objects.FindByName(name); }

    DrawStateGuard guard;  // restores the module state after the test
    RecordingCanvas canvas;
    RecordingMessages messages;
    ConstructionDocument document;
};
