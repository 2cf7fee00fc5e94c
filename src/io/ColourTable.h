#pragma once
// rgbdata.txt, the colour picker's named colours: lines in pairs, a name and
// then "red,green,blue" in decimal (further fields are ignored).

#include "io/Prompter.h"
#include "model/colour/NamedColours.h"

#include <QString>

namespace zol {

inline const QString ColourTableFileName = QStringLiteral("rgbdata.txt");

// Each value keeps its low eight bits. A missing, unreadable or empty file
// tells the user and gives an empty table. A colour whose value is not three
// decimal integers is left out; the user learns the file and line of each such
// colour in one message, and the others load.
TColors ReadColourTable(const QString& path, Prompter& prompter);

} // namespace zol
