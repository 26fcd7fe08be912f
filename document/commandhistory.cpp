// Stepping through the typed lines.
#include "document/commandhistory.h"

void CommandHistory::Add(const std::string& line) {
    if (lines_.empty() || lines_.back() != line) lines_.push_back(line);
    Leave();
}

std::optional<std::string> CommandHistory::Back(const std::string& current) {
    if (lines_.empty()) return std::nullopt;
    if (position_ < 0) {
        draft_ = current;
        position_ = Count() - 1;
    } else if (position_ > 0) {
        --position_;
    }
    return lines_[static_cast<std::size_t>(position_)];
}

std::optional<std::string> CommandHistory::Forward() {
    if (position_ < 0) return std::nullopt;
    if (position_ < Count() - 1) return lines_[static_cast<std::size_t>(++position_)];
    std::string draft = std::move(draft_);
    Leave();
    return draft;
}

void CommandHistory::Leave() {
    position_ = -1;
    draft_.clear();
}
