// The construction description ("Konstruktionsbeschreibung"): the construction in school wording, one
// numbered sentence per line that makes or changes something.
#pragma once

#include <vector>

#include "describe/sentence.h"

class ConstructionDocument;

// The sentences of the document's executed, accepted lines, in order. Rejected lines, lines not
// executed, empty lines, FARBE and WERT say nothing. Names are written as the objects got them, angle
// names in Greek, numbers as typed with a decimal comma.
std::vector<DescriptionSentence> DescribeConstruction(const ConstructionDocument& document);
