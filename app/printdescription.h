// Printing the construction description: its numbered sentences as paragraphs, wrapped to the page.
#pragma once

#include <functional>
#include <vector>

#include "describe/sentence.h"
#include "drawing/canvas.h"

// Prints the sentences on page (0.1-mm units, width x height) from top downwards, each after its number
// with the lines of a sentence under its first word; a page that is full goes on on the page that
// nextPage turns to, from the top. False when no page could be turned: the rest is left out.
bool PrintDescription(Canvas& page, int width, int height, int top,
                      const std::vector<DescriptionSentence>& sentences,
                      const std::function<bool()>& nextPage);
