// CommandHistory: the lines typed into the command line during one run of the program, accepted and
// rejected, stepped through with the arrow keys as in a shell.
#pragma once

#include <optional>
#include <string>
#include <vector>

class CommandHistory {
public:
    // A typed line joins the history, unless it equals the newest one; stepping starts anew.
    void Add(const std::string& line);
    // One line further back (staying at the oldest). current is what the command line holds before the
    // first step back; it comes back when Forward passes the newest line. nullopt when there is no line.
    std::optional<std::string> Back(const std::string& current);
    // One line forward; past the newest, the text that was being typed. nullopt when not stepping.
    std::optional<std::string> Forward();
    // Stops stepping (the command line was emptied or a line was executed).
    void Leave();

    int Count() const { return static_cast<int>(lines_.size()); }

private:
    std::vector<std::string> lines_;  // oldest first
    int position_ = -1;               // index of the line shown while stepping; -1 when not stepping
    std::string draft_;
};
