#pragma once
// The sub-commands of zoltool; CommandTable.cpp lists them.

#include <iosfwd>

namespace zol::cli {

class Arguments;

void RunPolygons(const Arguments& arguments, std::ostream& out);
void RunPalette(const Arguments& arguments, std::ostream& out);
void RunRender(const Arguments& arguments, std::ostream& out);
void RunArc(const Arguments& arguments, std::ostream& out);
void RunAnimate(const Arguments& arguments, std::ostream& out);
// keys, sort, catalogue and sheets: the editor's own sorting and export code.
void RunKeys(const Arguments& arguments, std::ostream& out);
void RunSort(const Arguments& arguments, std::ostream& out);
void RunCatalogue(const Arguments& arguments, std::ostream& out);
void RunSheets(const Arguments& arguments, std::ostream& out);
// gTans collections into a document of the built-in set and back.
void RunImportGtans(const Arguments& arguments, std::ostream& out);
void RunExportGtans(const Arguments& arguments, std::ostream& out);
// Silhouettes: compared, grouped by sameness, and solved; the exit status
// tells the answer.
int RunSame(const Arguments& arguments, std::ostream& out, std::ostream& err);
int RunDuplicates(const Arguments& arguments, std::ostream& out, std::ostream& err);
int RunSolve(const Arguments& arguments, std::ostream& out, std::ostream& err);
// Figures as vector drawings: SVG files and TikZ code.
void RunSvg(const Arguments& arguments, std::ostream& out, std::ostream& err);
void RunTikz(const Arguments& arguments, std::ostream& out, std::ostream& err);

} // namespace zol::cli
