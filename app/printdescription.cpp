// Printing the construction description.
#include "app/printdescription.h"

#include <algorithm>
#include <string>

namespace {

// As the command list: this far from the left edge, and lines end this far above the lower edge.
constexpr int kLeft = 30;
constexpr int kRight = 30;
constexpr int kTopGap = 10;
constexpr int kBottomMargin = 101;
constexpr int kPointSize = 10;

// A word of a sentence: pieces in the plain or the Greek font, without the blank after it.
using Word = std::vector<DescriptionRun>;

std::vector<Word> Words(const std::vector<DescriptionRun>& runs) {
    std::vector<Word> words(1);
    for (const DescriptionRun& run : runs) {
        std::string piece;
        for (const char c : run.text) {
            if (c != ' ') {
                piece += c;
                continue;
            }
            if (!piece.empty()) words.back().push_back({piece, run.greek});
            piece.clear();
            if (!words.back().empty()) words.emplace_back();
        }
        if (!piece.empty()) words.back().push_back({piece, run.greek});
    }
    if (words.back().empty()) words.pop_back();
    return words;
}

class Writer {
public:
    Writer(Canvas& page, int width, int height, int top, const std::function<bool()>& nextPage)
        : page_(page), width_(width), height_(height), y_(top), nextPage_(nextPage) {
        SetUp();
        Use(false);
        lineHeight_ = page_.TextHeight("Mg");
        Use(true);
        lineHeight_ = std::max({1, lineHeight_, page_.TextHeight("ab")});
    }

    // One numbered sentence; false when a page was needed and could not be turned.
    bool Paragraph(const std::string& number, const std::vector<DescriptionRun>& runs, int indent) {
        if (!NewLine()) return false;
        Put(kLeft, {number, false});
        int x = kLeft + indent;
        bool first = true;
        for (const Word& word : Words(runs)) {
            const int w = WordWidth(word);
            const int space = first ? 0 : SpaceWidth();
            // A word too long for a line of its own stands alone and is cut by the page.
            if (!first && x + space + w > width_ - kRight) {
                y_ += lineHeight_;
                if (!NewLine()) return false;
                x = kLeft + indent;
            } else {
                x += space;
            }
            for (const DescriptionRun& piece : word)
                x += Put(x, piece);
            first = false;
        }
        y_ += lineHeight_;
        return true;
    }

    int NumberWidth(const std::string& number) {
        Use(false);
        return page_.TextWidth(number);
    }

private:
    void SetUp() { page_.SetClipRect({0, 0, width_, height_}); }
    void Use(bool greek) { page_.font = Font{greek ? "Symbol" : "Arial", kPointSize, kBlack}; }
    int SpaceWidth() {
        Use(false);
        return page_.TextWidth(" ");
    }
    int WordWidth(const Word& word) {
        int w = 0;
        for (const DescriptionRun& piece : word) {
            Use(piece.greek);
            w += page_.TextWidth(piece.text);
        }
        return w;
    }
    // Writes a piece at (x, y_) and returns its width.
    int Put(int x, const DescriptionRun& piece) {
        Use(piece.greek);
        page_.TextOut(x, y_, piece.text);
        return page_.TextWidth(piece.text);
    }
    // Makes room for a line at y_: on this page or, when it is full, at the top of the next one.
    bool NewLine() {
        if (y_ + lineHeight_ <= height_ - kBottomMargin || y_ == kTopGap) return true;
        if (!nextPage_ || !nextPage_()) return false;
        SetUp();
        y_ = kTopGap;
        return true;
    }

    Canvas& page_;
    int width_;
    int height_;
    int y_;
    int lineHeight_ = 1;
    const std::function<bool()>& nextPage_;
};

}  // namespace

bool PrintDescription(Canvas& page, int width, int height, int top,
                      const std::vector<DescriptionSentence>& sentences,
                      const std::function<bool()>& nextPage) {
    if (sentences.empty()) return true;
    // Text on white: the page's brush may be left from a label.
    page.brush = Brush{kWhite, BrushStyle::Clear};
    Writer writer(page, width, height, top, nextPage);
    // Every sentence starts at the same place, after the widest number.
    const int indent = writer.NumberWidth(StepNumber(sentences.size() - 1));
    for (std::size_t i = 0; i < sentences.size(); ++i)
        if (!writer.Paragraph(StepNumber(i), sentences[i].runs, indent)) return false;
    return true;
}
