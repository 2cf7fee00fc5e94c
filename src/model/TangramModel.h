#pragma once
// The one document model of the editor: the piece set, the figure on the board,
// the figure list of the open document, geometry, selection, drawing and palette.
// It knows nothing of windows; bitmaps are lent to it by its callers.

#include "model/CommaList.h"
#include "model/DrawOptions.h"
#include "model/Figure.h"
#include "model/FileLines.h"
#include "model/PieceSet.h"
#include "model/TextEncoding.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QImage;

namespace zol {

// Colour value 0x00BBGGRR; WorkspaceColor stands for the window background.
using ColorRef = uint32_t;
inline constexpr ColorRef WorkspaceColor = 0x8000000C;

class TangramModel {
public:
    TangramModel();

    // --- piece set and figure list --------------------------------------
    void LoadBuiltInSet();
    // Installs set lines (without the version line) with the set parser. The
    // lines are checked completely first: on ConversionError nothing changes.
    void InstallSetLines(const std::vector<std::string>& lines, TextEncoding encoding);
    void ResetFigure();
    void LoadFigure(int i);
    void SetCurrentFigure(const Figure& figure);
    Figure GetCurrentFigure() const { return current_; }
    void SetFigureCaption(int i, const std::string& text);
    std::string GetFigureCaption(int i) const;
    // The caption's bytes as the list holds them, valid until the list changes.
    std::string_view FigureCaption(int i) const;
    void StoreFigure(int i);
    void RemoveFigure(int i);
    void SwapFigures(int i, int j);
    // Figure `from` comes to stand at `to`; those between move one place
    // towards `from`. Its lines move as they are, read or not.
    void MoveFigure(int from, int to);
    void ClearFigureList();
    // Placements of figure i (or the board figure for -1) as a checked parse.
    Figure ParseFigure(int i) const;

    const PieceSet& pieceSet() const { return set_; }
    const std::vector<std::string>& setLines() const { return setLines_; }
    TextEncoding setEncoding() const { return setEncoding_; }
    const Figure& startFigure() const { return start_; }
    const Figure& currentFigure() const { return current_; }
    int pieceCount() const { return set_.pieceCount; }

    // The document: line 0 the set name, then caption and placement line per
    // figure, and perhaps a last caption without a placement line.
    const FileLines& figureLines() const { return lines_; }
    // Replaces the lines wholesale (document loading); the count follows them.
    void SetFigureLines(FileLines lines, TextEncoding encoding);
    void SetFigureLines(const std::vector<std::string>& lines, TextEncoding encoding);
    int figureCount() const { return figureCount_; }
    TextEncoding documentEncoding() const { return documentEncoding_; }
    void setDocumentEncoding(TextEncoding e) { documentEncoding_ = e; }
    // A UTF-8 document file that began with a byte order mark gets it back.
    bool documentBom() const { return documentBom_; }
    void setDocumentBom(bool bom) { documentBom_ = bom; }
    // The file's name as the system holds it: UTF-8, unless the name is not.
    const std::string& documentPath() const { return documentPath_; }
    void setDocumentPath(const std::string& path) { documentPath_ = path; }
    bool hasDocumentFile() const;
    bool modified() const { return modified_; }
    void setModified(bool m) { modified_ = m; }
    bool setChanged() const { return setChanged_; }
    void setSetChanged(bool b) { setChanged_ = b; }
    bool loadFailed() const { return loadFailed_; }
    void setLoadFailed(bool b) { loadFailed_ = b; }

    // The placement line StoreFigure writes for the board figure, or for `figure`.
    std::string FormatPlacementLine() const { return FormatPlacementLine(current_); }
    std::string FormatPlacementLine(const Figure& figure) const;
    // Figure i's placement line as StoreFigure would write it: what a figure
    // taken out and put back becomes. A line that does not parse stays as it
    // is. Returns whether the line changed; the modified flag is the caller's.
    bool RewritePlacementLine(int i);

    // --- geometry ---------------------------------------------------------
    static int NormalizeAngle(int a);
    Point RotateVector(int x, int y, int a) const;
    void UpdatePolygon(int i);
    void UpdatePolygons();
    int polygonSize(int i) const { return set_.shapes[i].vertexCount; }
    const Point* boardPolygon(int i) const { return polygons_[i].data(); }
    // Piece i of any figure of the set, as boardPolygon gives it for the board.
    void FigurePolygon(const Figure& figure, int i, Point* out) const;
    // A board point as drawn at scale s, zoomed about the drawn area's centre.
    Point DrawnPoint(const Point& p, double s) const;
    Rect FigureBounds(double s);
    static bool PointInRect(int x1, int y1, int x2, int y2, int px, int py);

    // --- drawing ------------------------------------------------------------
    // Figure index (-1 the board figure) through a FigureRenderer. Drawing a
    // list figure ends the board's selection, as parking the board figure did.
    void DrawFigure(int index, double scale, QImage& bitmap, Background background);
    void RenderBoard(int index, QImage& board, QImage& guide, bool antialias);
    void SetGamma(double g);
    double gamma() const { return gamma_; }
    const std::array<int, 256>& gammaTable() const { return gammaTable_; }
    int zoomPercent() const { return zoomPercent_; }
    void setZoomPercent(int percent) { zoomPercent_ = percent; }
    // The colour the workspace colour stands for when drawn (set by the window).
    void setWorkspaceRgb(ColorRef rgb) { workspaceRgb_ = rgb; }
    ColorRef Resolve(ColorRef c) const { return c == WorkspaceColor ? workspaceRgb_ : c; }
    // The background as drawn: the workspace colour resolved.
    ColorRef drawnBackground() const { return Resolve(background_); }

    // --- selection and manipulation --------------------------------------------
    void ClearSelection();
    void PickPiece(int x, int y, QImage& bitmap, bool select);
    void SelectInRect(int x1, int y1, int x2, int y2);
    void MoveSelection(int dx, int dy);
    void RotateSelection(int d);
    void SnapSelectionAngle();
    void FlipSelection();
    void EndRotation() { rotating_ = false; }
    Point SelectionCentre() const;
    int selection() const { return selection_; }
    bool groupFlag(int i) const { return groupFlags_[i]; }
    bool isSelected(int piece) const;
    const std::array<int, MaxPieces>& drawOrder() const { return drawOrder_; }

    // --- palette ----------------------------------------------------------------
    void SetPalette(ColorRef bgcolor, int ho, int so, int vo, int hr, int sr, int vr);
    ColorRef LabelColor() const;
    ColorRef backgroundColor() const { return background_; }
    ColorRef pieceColor(int i) const { return pieceColors_[i]; }

private:
    void InstallSet(const PieceSet& set, const Figure& start);
    void beginGroupTurn();
    void placeGroupFromSnapshot();
    void moveToTop(int piece);
    void moveToBottom(int piece);
    void checkIndex(int i) const;
    void checkInsertIndex(int i) const;

    std::array<int, 256> gammaTable_{};
    Figure start_;
    Figure snapshot_;
    std::string documentPath_;
    FileLines lines_;
    std::vector<std::string> setLines_;
    TextEncoding setEncoding_ = TextEncoding::Cp932;
    TextEncoding documentEncoding_ = TextEncoding::Cp932;
    bool documentBom_ = false;
    PieceSet set_;
    Figure current_;
    int figureCount_ = 0;
    double gamma_ = 1.0;
    ColorRef background_ = 0;
    std::array<ColorRef, MaxPieces> pieceColors_{};
    ColorRef workspaceRgb_ = 0xABABAB;
    std::array<int, MaxPieces> drawOrder_{};
    std::array<bool, MaxPieces> groupFlags_{};
    int selection_ = -1;
    int accumulatedAngle_ = 0;
    int centreX_ = 0;
    int centreY_ = 0;
    bool rotating_ = false;
    std::array<std::array<Point, PolygonCapacity>, MaxPieces> polygons_{};
    int zoomPercent_ = 100;
    bool modified_ = false;
    bool setChanged_ = false;
    bool loadFailed_ = false;
};

} // namespace zol
