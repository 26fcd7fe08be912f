// What must hold in the window after every action of the monkey. Each check returns an empty text when
// it holds, and otherwise what is wrong.
#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <string>
#include <vector>

class TMainForm;

// The command list shows exactly the document's lines.
std::string CheckListMatchesDocument(const TMainForm& form);
// Every object and the world window are finite, names are found again.
std::string CheckConstructionFinite(const TMainForm& form);
// The construction drawn afresh (Redraw on a new image of the drawing area's size and resolution).
QImage FreshRedraw(TMainForm& form);
// The drawing area shows what a fresh Redraw draws.
std::string CheckPictureIsFresh(TMainForm& form);
// An unmodified construction with a file name is what that file holds.
std::string CheckSavedFileMatches(const TMainForm& form);
// Every file the window wrote still holds the lines it was written with.
std::string CheckWrittenFiles(const std::map<QString, std::vector<std::string>>& written);
