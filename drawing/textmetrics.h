// TextMetrics: the size of text in a font, in device units, for canvases that do not measure themselves.
#pragma once

#include <string>

#include "drawing/canvas.h"

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // Text in Windows-1252; "Symbol" text is measured as the Greek letters it shows.
    virtual int Width(const Font& font, const std::string& text) = 0;
    virtual int Height(const Font& font) = 0;
    // From the top of the text box down to the base line.
    virtual int Ascent(const Font& font) = 0;
};

// Every character 6 units wide, every text 12 high with its base line at 10: plausible sizes for label
// placement where no fonts are at hand (tests, headless rebuilds).
class FixedTextMetrics : public TextMetrics {
public:
    int Width(const Font&, const std::string& text) override { return 6 * static_cast<int>(text.size()); }
    int Height(const Font&) override { return 12; }
    int Ascent(const Font&) override { return 10; }
};
