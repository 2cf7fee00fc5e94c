// The one table of zoltool's sub-commands: a new command is one more row here
// (and its Run function declared in Commands.h).

#include "cli/Command.h"
#include "cli/Commands.h"
#include "cli/DocumentCommands.h"

namespace zol::cli {

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"polygons", {"FIGURE"}, {}, "print the seven board polygons, one line of x0,y0,x1,y1,... per piece",
         RunPolygons},
        {"palette", {"TAG"}, {{"--seed", "N"}},
         "print the background and the 32 piece colours of fixed palette TAG (0-6) as R,G,B", RunPalette},
        {"render",
         {"FIGURE", "OUT.png"},
         {{"--scale", "S"},
          {"--zoom", "P"},
          {"--palette", "TAG"},
          {"--seed", "N"},
          {"--guide", ""},
          {"--no-aa", ""},
          {"--gamma", "G"}},
         "draw the figure into a PNG of side 512 x S, or its 128 x 128 guide image",
         RunRender},
        {"animate",
         {"DOC.zol", "OUT"},
         {{"--start", "K"},
          {"--figures", "M"},
          {"--palette", "TAG"},
          {"--seed", "N"},
          {"--no-aa", ""},
          {"--background", "FILE"},
          {"--scale", "S"}},
         "write the active viewer's slide show from figure K for M figure changes, 20 pictures a second: "
         "an animated lossless WebP when OUT ends in .webp, else a folder of PNGs named by tick",
         RunAnimate},
        {"info", {"DOC.zol"}, {}, "print the set name, figure count, encoding and the placement lines that do not parse",
         nullptr, InfoCommand},
        {"save-as", {"IN.zol", "OUT.zol"}, {}, "load IN as the editor opens it and write it to OUT as Save As does",
         nullptr, SaveAsCommand},
        {"arc", {"N", "START", "END", "CX", "CY", "VX", "VY"}, {},
         "print N points of the arc from START to END degrees of vector (VX,VY) around (CX,CY) as the arc calculator "
         "shows them",
         RunArc},
        {"keys", {"DOC.zol", "LEVEL"}, {{"--zoom", "P"}},
         "print the nuance key of each figure at LEVEL 0, 2 or 4, one decimal integer a line, in document order",
         RunKeys},
        {"sort", {"DOC.zol", "caption|nuance0|nuance2|nuance4", "OUT.zol"}, {{"--zoom", "P"}},
         "sort the figures as the editor does and write the document to OUT as Save As does", RunSort},
        {"catalogue", {"DOC.zol"}, {{"--palette", "TAG"}, {"--seed", "N"}, {"--no-aa", ""}, {"--zoom", "P"}},
         "write the HTML catalogue DOC.htm and DOC_files/ beside the document and print the written paths",
         RunCatalogue},
        {"sheets",
         {"DOC.zol", "OUT.pdf"},
         {{"--per-page", "1|2|4|6"}, {"--solutions", ""}, {"--palette", "TAG"}, {"--seed", "N"}},
         "write printable A4 puzzle sheets of the figures as a PDF, 4 a page unless told; with --solutions each page "
         "is followed by its solutions, the pieces coloured by palette TAG",
         RunSheets},
        {"import-gtans", {"IN.figures", "OUT.zol"}, {},
         "turn the figures of a gTans collection into a document of the built-in set, captioned with the file's "
         "name and the figure's number, and print the worst vertex error in board pixels",
         RunImportGtans},
        {"export-gtans", {"IN.zol", "OUT.figures"}, {},
         "write the figures of a document of the built-in set as a gTans collection", RunExportGtans},
        {"same", {"FIGURE", "FIGURE"}, {},
         "print same or different and the largest distance in pixels between the two silhouettes' outlines at "
         "their best fit (moved, turned on the angle grid, mirrored); exit 0 for same, 1 for different",
         nullptr, nullptr, RunSame},
        {"duplicates", {"DOC.zol"}, {},
         "print the groups of figures of the document that have the same silhouette, each figure's number "
         "(counted from 0) and caption; nothing when there are none",
         nullptr, nullptr, RunDuplicates},
        {"solve",
         {"[FIGURE]"},
         {{"--outline", "FILE"}, {"--with", "SET"}, {"--all", ""}, {"--limit", "N"}, {"--seconds", "S"}},
         "place the pieces of the figure's set (or of SET, a .plt or tan) into the figure's silhouette, or into "
         "the polygons of FILE (one a line, x0,y0,x1,y1,..., the outer outline first), where it stands; print "
         "the first solution as a placement line, or with --all every distinct one (up to N), searching for "
         "up to S seconds (60); exit 0 solved, 1 proven unsolvable, 2 out of time",
         nullptr, nullptr, RunSolve},
        {"svg",
         {"DOC.zol|FIGURE", "OUT"},
         {{"--silhouette", ""}, {"--palette", "TAG"}, {"--seed", "N"}, {"--scale", "S"}},
         "write each figure of the document as an SVG file in the folder OUT (named by list number and caption), "
         "or one FIGURE as the file OUT: each piece a polygon in its palette colour, or with --silhouette the "
         "outline alone; S CSS pixels a board pixel; print the written paths",
         nullptr, nullptr, nullptr, RunSvg},
        {"tikz",
         {"DOC.zol|FIGURE", "OUT.tex"},
         {{"--silhouette", ""}, {"--standalone", ""}, {"--palette", "TAG"}, {"--seed", "N"}, {"--scale", "S"}},
         "write the figures of the document, or one FIGURE, as TikZ pictures for LaTeX into OUT.tex, each piece a "
         "\\filldraw path in centimetres with its colour defined, the caption a comment; with --standalone a "
         "whole document for pdflatex",
         nullptr, nullptr, nullptr, RunTikz},
    };
    return commands;
}

std::string UsageOf(const Command& command)
{
    std::string usage = command.name;
    for (const std::string& operand : command.operands)
        usage += " " + operand;
    for (const Option& option : command.options)
        usage += " [" + option.name + (option.valueName.empty() ? "" : " " + option.valueName) + "]";
    return usage;
}

} // namespace zol::cli
