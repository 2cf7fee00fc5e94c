#pragma once
// The editor's main window over an Editor, which holds what the user works
// on: a view of the editor and the way into its commands. The window's
// controls show the editor's state; the commands run through its actions
// (each named after its command); the board and the figure list each feed a
// controller of their own. The private part is grouped by the file that
// defines each group.

#include "io/DocumentReadAhead.h"
#include "ui/BoardController.h"
#include "model/SilhouetteSolver.h"
#include "ui/DialogPrompter.h"
#include "ui/Editor.h"
#include "ui/FigureGallery.h"
#include "ui/ListController.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QScrollArea;
class QTimer;
class QToolBar;
class QToolButton;

namespace zol {

class BoardPointer;
class Dialogs;
class FigureListBox;
class GaugeProgress;
class Progress;
class PaintBox;
class ShapeWidget;
struct SortResult;

class TZolForm : public QMainWindow, private BoardView, private ListView {
    Q_OBJECT
public:
    // `dialogs` and `pointer` are lent by the caller and outlive the window.
    // `arguments` are the command line's, without the program: exactly one
    // names a document to open at start-up.
    TZolForm(Dialogs& dialogs, BoardPointer& pointer, const QStringList& arguments = {},
             QWidget* parent = nullptr);
    ~TZolForm() override;

    // True when start-up could not finish (no memory for the undo history);
    // the window must not be shown then.
    bool startupFailed() const { return startupFailed_; }

    // What the window works on, and shows.
    Editor& editor() { return editor_; }
    const Editor& editor() const { return editor_; }
    const BoardInteraction& board() const { return board_.state(); }
    // Long work shows its progress in the tool bar's gauge.
    Progress& progress();
    // Set names of the piece-set menu's items, by their Tag.
    const std::vector<QString>& pieceSetNames() const { return pieceSetNames_; }

    // Runs `handler` inside the window's exception guard, then brings the
    // commands and the controls up to date with the editor.
    void Guarded(const std::function<void()>& handler);
    // After the editor was changed from outside the commands (by a test or a
    // script): the rows and the selected row, the caption, the status bar,
    // both images and the commands show it again.
    void ShowEditor();
    // Puts a palette record into force and redraws guide and board.
    void ApplyPalette(const PaletteParams& p);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // --- ZolForm.cpp: the controls, their places and their events ----------------
    void CreateControls();
    void CreateStatusBar();
    void ConnectEvents();
    // Centres the content once the window is larger than its design size.
    void FormResize();

    // --- Actions.cpp: the command table, the menus and the tool bars ---------------
    struct CommandEntry;
    static const CommandEntry Commands[];
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    // Every command's enabled state from its rule, the controls from the
    // editor's state, and the window title; runs after every handler.
    void UpdateCommandState();

    // --- WindowOperations.cpp: what every command uses ------------------------------
    enum class Boxes { Board, Guide, Both };
    void RepaintBoxes(Boxes boxes);
    void UpdateStatusBar();
    // The controls show the editing state: the check marks, the guide lock,
    // the add command's picture and the list's selected row.
    void ShowViewState();
    // After the drawing changed (antialiasing, magnification, palette, the
    // list's order): the guide figure in the guide, then the board.
    void RedrawGuideAndBoard();
    // The board's new figure on the board, in the guide and in the caption
    // field; the guide keeps it, and the undo history takes `step`.
    void ShowBoardAndGuide(UndoStep step);
    // The board figure changed for good: the board, and the guide unless it is locked.
    void RedrawBoardFollowingGuide() override;
    // The caption field shows the board figure's caption.
    void ShowCaption() override;
    void SetCaptionText(const QString& text);
    // The board's side of the window, for the board controller.
    QPoint BoardOrigin() const override;
    void TableClicked(QPoint at) override { list_.TableClicked(at); }
    void RepaintBoard() override { RepaintBoxes(Boxes::Board); }
    void CarryStarted() override;
    void CarryEnded() override;

    // --- StartUp.cpp ----------------------------------------------------------------
    void FormCreate();
    // The message for a first figure that does not parse, as ShowLoadedDocument.
    std::optional<QString> OpenCommandLineDocument();
    void RestoreWindowBounds();
    // Gives the frame the size read from Zol.ini, until the window manager
    // has told the frame's size (on the first show, or the move that follows
    // when the manager puts its frame around the window).
    void ResizeFrame();

    // --- ShutDown.cpp ---------------------------------------------------------------
    // False when the user must be asked again: the document stays unsaved.
    bool FormClose();
    void WriteSettingsFile();

    // --- LanguageMenu.cpp -----------------------------------------------------------
    void CreateLanguageMenu(QMenu* options);
    // Keeps the window's language for the next start (an empty code: the desktop's).
    void KeepLanguageChoice(const QString& code);

    // --- FileCommands.cpp -----------------------------------------------------------
    void FileNewExecute();
    void FileOpenExecute();
    void FileMargeExecute();
    void FileSaveAsExecute();
    void FileSaveExecute();
    void FileExitExecute();
    void FileDirOpenExecute();
    // Opens the document of history item `tag`.
    void HisFileOpenExecute(int tag);
    // Asks about unsaved changes; false when the caller must stop: the user
    // cancelled, or said Yes and the document could not be saved.
    bool QuerySave(bool withCancel);
    // Asks before a file that exists is replaced; false when the user said No.
    bool MayOverwrite(const QString& path);
    Dialogs::FileRequest OpenDocumentRequest() const;
    // Loads a document, reporting failures; the model is left as the loader left it.
    void LoadDocumentReporting(const QString& path);
    // Shows the rows and puts the first figure on the board; returns the
    // message for a first figure that does not parse, to be shown once the
    // window is up to date.
    std::optional<QString> ShowLoadedDocument();
    // Undo history, status bar and commands after a document came in, then
    // the message about a figure that does not parse; `setBefore` is the set
    // installed before the load began. FinishOpen also puts the file in the
    // history menu.
    void FinishLoad(const std::vector<std::string>& setBefore, const std::optional<QString>& figureError);
    void FinishOpen(const std::vector<std::string>& setBefore, const std::optional<QString>& figureError);
    // Puts list figure i on the board; the message when its placement line
    // does not parse (the board keeps its figure then).
    std::optional<QString> TakeListFigure(int i);
    // The folder of a file the user chose in a dialog becomes the current one.
    void FileChosen(const QString& path);
    // Where the save dialog starts: the document, or for a document never
    // saved its name (or the proposed one) in the folder last chosen, else
    // in the documents folder. Files made from such a document are proposed
    // there too.
    QString SaveProposal() const;
    void StartNewDocument();
    // Writes the document to path; false, after telling the user, when that failed.
    bool SaveDocumentReporting(const QString& path);

    // --- HistoryMenu.cpp: the recently used documents -----------------------------
    void CreateHistoryMenu();
    void AddToHistory();
    void UpdateHistoryMenu();

    // --- GtansCommands.cpp ----------------------------------------------------------
    void FileImportGtansExecute();
    void FileExportGtansExecute();

    // --- PieceSetCommands.cpp -------------------------------------------------------
    // The tag of the built-in set's item; the other items count from 0.
    static constexpr int BuiltInSetTag = -1;
    void BuildPieceSetMenu();
    void PltSLoadExecute(int tag);
    void EditChangeExecute();
    void SwitchPieceSet(const QString& name);

    // --- UndoCommands.cpp -----------------------------------------------------------
    void EditUndoExecute();
    void EditRedoExecute();
    void EditBreakExecute();
    // After the board got another figure: board, guide, caption, table view off.
    void ShowReplacedBoardFigure();
    void ShowHistoryEntry(const Figure& entry);

    // --- ListBoxView.cpp: the list box as the list controller sees it ---------------
    // (The list's commands and events go to the list controller itself.)
    FigureListModel& Rows() override;
    void ShowSelectedRow(int row) override;
    int RowAt(QPoint point) const override;
    int TopRow() const override;
    void SetTopRow(int row) override;
    void ToggleDropMark(int row) override;
    void ClearDropMarks() override;
    void RepaintGuide() override { RepaintBoxes(Boxes::Guide); }
    void ShowFigureCount() override { UpdateStatusBar(); }

    // --- OptionCommands.cpp: the caption field and the option tool bar -------------
    void CaptionInputChange();
    void OptEyeExecute();
    void OptAAExecute();
    void flipsensComboBoxChange();
    void Copy1PercentageComboBoxChange();

    // --- SortCommands.cpp -----------------------------------------------------------
    void OptSSortExecute();
    void OptNSortExecute(int level);
    // The sorted list with its selection on the same figure, guide and board redrawn.
    void ShowSortedList(const SortResult& sorted);

    // --- ClipboardCommands.cpp -------------------------------------------------------
    void ClipCopy1Execute();
    void ClipCopy2Execute();

    // --- PaletteCommands.cpp (ApplyPalette, above, is in ApplyPalette.cpp) ----------
    void PaletteCSetExecute(int tag);
    void PaletteColorCustamizeExecute();
    void ToolButtonCSetClick();

    // --- ViewerCommands.cpp, CatalogueCommands.cpp, PuzzleSheetCommands.cpp,
    //     SvgCommands.cpp ----------------------------------------------------------
    void OptActiveViewerExecute();
    void OptmkHTMLExecute();
    void FilePuzzleSheetsExecute();
    void FileExportSvgExecute();

    // --- SilhouetteCommands.cpp: duplicates and solutions in a window of thumbnails ---
    void EditFindDuplicatesExecute();
    void EditFindSolutionsExecute();
    // Shows `rows` in the window of thumbnails, which replaces one shown
    // before; a click runs `clicked` as a command of this window.
    void ShowGallery(const QString& name, const QString& title, const std::vector<FigureGallery::Row>& rows,
                     std::function<void(int)> clicked);
    // Runs the solver on a thread of its own while the gauge counts what it
    // found; a cancel button stops it.
    SolveResult SolveWithGauge(SolveRequest& request, const std::atomic<int>& found);

    // --- PuzzleCommands.cpp: a list figure played as a puzzle ------------------------
    void OptPuzzleExecute();
    void OptHintExecute();
    void PuzzleLeaveExecute();
    // The board figure from before the puzzle back on the board.
    void LeavePuzzle() override;
    // The time since the clock was last fed goes onto the puzzle's clock.
    void FeedPuzzleClock();
    // After the board changed in the mode: whether it now solves the puzzle;
    // the message follows once the command is done.
    void CheckPuzzle();
    void ShowPuzzleSolved();
    // The status bar, the clock's timer and the caption field follow the mode.
    void ShowPuzzleState();

    // --- AccessoryCommands.cpp: the arc calculator, the about box, the help --------
    void OptRpcalExecute();
    void HelpAboutExecute();
    void HelpQRefferenceExecute();

    // --- the controls (ZolForm.cpp, Actions.cpp) --------------------------------------
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* ScrollContent = nullptr;
    QWidget* Bevel1 = nullptr;
    ShapeWidget* Shape1 = nullptr;
    ShapeWidget* Shape2 = nullptr;
    PaintBox* pb1 = nullptr;
    PaintBox* pb2 = nullptr;
    QCheckBox* GuideLock = nullptr;
    QToolBar* ToolBarList = nullptr;
    FigureListBox* List = nullptr;
    QToolBar* ToolBarEdit = nullptr;
    QLineEdit* CaptionInput = nullptr;
    QLabel* StatusPanels[3] = {};
    QToolBar* ToolBar = nullptr;
    QToolBar* OptToolBar = nullptr;
    QToolButton* ToolButtonOpen = nullptr;
    QToolButton* ToolButtonChange = nullptr;
    QToolButton* ToolButtonCSet = nullptr;
    QToolButton* ToolButtonAdd = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QAction* ProgressBarItem = nullptr; // shows or hides the gauge in its tool bar
    QComboBox* Copy1PercentageComboBox = nullptr;
    QComboBox* flipsensComboBox = nullptr;
    QMenu* PopupMenuHis = nullptr;
    QMenu* PopupMenuPlt = nullptr;
    QMenu* PopupMenuCSet = nullptr;

    // --- the commands' actions (Actions.cpp), each named after its member --------------
    QAction* FileNew = nullptr;
    QAction* FileOpen = nullptr;
    QAction* FileMarge = nullptr;
    QAction* FileSaveAs = nullptr;
    QAction* FileSave = nullptr;
    QAction* FileExit = nullptr;
    QAction* FilePuzzleSheets = nullptr;
    QAction* FileExportSvg = nullptr;
    QAction* FileDirOpen = nullptr;
    QAction* FileImportGtans = nullptr;
    QAction* FileExportGtans = nullptr;
    QAction* EditAdd = nullptr;
    QAction* EditBreak = nullptr;
    QAction* EditUndo = nullptr;
    QAction* EditRedo = nullptr;
    QAction* EditDelete = nullptr;
    QAction* EditGoEdit = nullptr;
    QAction* EditDown = nullptr;
    QAction* EditUp = nullptr;
    QAction* OptSSort = nullptr;
    QAction* OptNSortLevel3 = nullptr;
    QAction* OptNSortLevel2 = nullptr;
    QAction* OptNSortLevel1 = nullptr;
    QAction* EditChange = nullptr;
    QAction* PaletteCSetWB = nullptr;
    QAction* PaletteCSetBW = nullptr;
    QAction* PaletteCSetBrl2 = nullptr;
    QAction* PaletteCSetBrl = nullptr;
    QAction* PaletteCSetBrg = nullptr;
    QAction* PaletteCSetBrR = nullptr;
    QAction* PaletteCSetTB = nullptr;
    QAction* PaletteColorCustamize = nullptr;
    QAction* OptAA = nullptr; // checkable: the down state of ToolButtonOptAA
    QAction* ClipCopy2 = nullptr;
    QAction* ClipCopy1 = nullptr;
    QAction* OptEye = nullptr;
    QAction* OptActiveViewer = nullptr;
    QAction* OptmkHTML = nullptr;
    QAction* OptRpcal = nullptr;
    QAction* HelpAbout = nullptr;
    QAction* HelpQRefference = nullptr;
    QAction* AA = nullptr;                  // the menu item of OptAA, with its check mark
    QAction* ToolButtonShowTable = nullptr; // checkable: the table view is on
    QAction* defaultPlt = nullptr;          // the built-in set in the piece-set menu
    QAction* EditFindDuplicates = nullptr;
    QAction* EditFindSolutions = nullptr;
    QAction* OptPuzzle = nullptr;           // checkable: a figure is played as a puzzle
    QAction* OptHint = nullptr;
    QAction* PuzzleLeave = nullptr;         // Escape while a puzzle is played
    std::array<QAction*, HistorySize> historyItems_{};

    // --- state ----------------------------------------------------------------------
    Editor editor_;
    Dialogs& dialogs_;
    DialogPrompter prompter_;
    BoardPointer& pointer_;
    std::vector<QString> pieceSetNames_;
    bool closed_ = false;
    BoardController board_{editor_, pointer_, *this};
    ListController list_{editor_, *this};
    std::unique_ptr<GaugeProgress> progress_;
    // The puzzle-sheet dialog offers what was chosen last.
    int sheetsPerPage_ = 4;
    bool sheetSolutions_ = false;
    bool assigningCaption_ = false;
    bool startupFailed_ = false;
    // The document named on the command line, read while the window is built.
    std::optional<DocumentReadAhead> commandLineDocument_;
    int handlerDepth_ = 0;
    // The puzzle's clock: the timer shows it going, the elapsed timer measures
    // what is fed to it.
    QTimer* puzzleTimer_ = nullptr;
    QElapsedTimer puzzleClockFed_;
    bool puzzleJustSolved_ = false;
    QPointer<FigureGallery> gallery_;
    QSize pendingFrameSize_;
    // The frame's bounds as start-up asked for them: what the user did not
    // move or resize goes back to Zol.ini as it was read.
    QRect restoredBounds_;
};

} // namespace zol
