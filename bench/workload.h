// The benchmark workload: a generated construction of free points, segments, circles, perpendiculars
// and intersection points of neighbouring perpendiculars, bounded in the plane.
#pragma once

#include <string>

// `lines` command lines, one per line, CR LF after each as in a construction file. Five lines per point:
// PUNKT, STRECKE to the previous point, KREIS through it, SENKRECHTE on the segment, and BEZ SP of this
// and the previous perpendicular. The same count always gives the same text, and every line is accepted.
std::string GenerateWorkload(int lines);
