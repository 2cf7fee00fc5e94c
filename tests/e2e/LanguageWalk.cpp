// The editor started in the desktop's language, on a real X display: every
// menu is opened and every dialog the window reaches is shown, and the texts
// of all their widgets are read. Under an English desktop no menu, button,
// label, hint or title may show Japanese; under a Japanese one the window's
// own texts are there as they always were. Each window is saved as a picture.
//
// usage: e2e_language_walk <ja|en> <build folder> <document> <screenshot folder>
#include "io/AppPaths.h"
#include "io/TextCodec.h"
#include "ui/BoardPointer.h"
#include "ui/FigureListBox.h"
#include "ui/Fonts.h"
#include "ui/MessageDialogs.h"
#include "ui/Translations.h"
#include "ui/ZolForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using zol::TZolForm;

[[noreturn]] void Fail(const QString& what)
{
    std::fprintf(stderr, "FAILED: %s\n", qPrintable(what));
    std::exit(1);
}

bool IsJapanese(const QString& text)
{
    // kana and CJK punctuation, CJK ideographs, full-width forms
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return text.contains(japanese);
}

// Texts that are Japanese in every language: the languages' own names in
// the language menu, and the names of the piece sets (the built-in one's as
// documents carry it, the others' as their files give them).
QSet<QString> Everywhere = {QStringLiteral("言語 / Language"), QStringLiteral("日本語"),
                            QStringLiteral("タングラム")};

// The captions of the document's figures: data, shown as they are.
QStringList Captions;

class Walk {
public:
    explicit Walk(QString shots) : shots_(std::move(shots)) {}

    // Reads every text `widget` and its children show, under `window`'s name.
    void Read(const QString& window, QWidget* widget)
    {
        windows_ << window;
        Picture(window, widget);
        Add(window, QStringLiteral("title"), widget->windowTitle());
        QList<QWidget*> all = widget->findChildren<QWidget*>();
        all.prepend(widget);
        for (QWidget* w : all) {
            const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                            : w->objectName();
            Add(window, name + QStringLiteral(" hint"), w->toolTip());
            Add(window, name + QStringLiteral(" status"), w->statusTip());
            if (auto* label = qobject_cast<QLabel*>(w))
                Add(window, name, label->text());
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                Add(window, name, button->text());
            if (auto* group = qobject_cast<QGroupBox*>(w))
                Add(window, name, group->title());
            for (QAction* action : w->actions())
                ReadAction(window, action);
        }
    }

    // Opens the menu and its submenus one after another, reading their items.
    void ReadMenu(const QString& window, QMenu* menu)
    {
        Add(window, QStringLiteral("menu"), menu->title());
        menu->popup(QPoint(40, 40));
        QApplication::processEvents();
        Picture(window + QLatin1Char('-') + (menu->objectName().isEmpty() ? menu->title() : menu->objectName()), menu);
        for (QAction* action : menu->actions())
            ReadAction(window, action);
        menu->hide();
        for (QAction* action : menu->actions())
            if (action->menu())
                ReadMenu(window, action->menu());
    }

    void ReadAction(const QString& window, QAction* action)
    {
        const QString name = action->objectName().isEmpty() ? action->text() : action->objectName();
        Add(window, name, action->text());
        Add(window, name + QStringLiteral(" hint"), action->toolTip());
        Add(window, name + QStringLiteral(" status"), action->statusTip());
    }

    const QStringList& texts() const { return texts_; }
    const QStringList& japanese() const { return japanese_; }
    const QStringList& windows() const { return windows_; }

private:
    void Add(const QString& window, const QString& where, const QString& text)
    {
        if (text.isEmpty())
            return;
        texts_ << text;
        QString own = text;
        for (const QString& caption : Captions)
            own.remove(caption);
        if (IsJapanese(own) && !Everywhere.contains(text))
            japanese_ << window + QStringLiteral(" / ") + where + QStringLiteral(": ") + text;
    }

    void Picture(const QString& window, QWidget* widget)
    {
        QString file = window;
        file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
        widget->grab().save(QDir(shots_).filePath(file + QStringLiteral(".png")));
    }

    QString shots_;
    QStringList texts_;
    QStringList japanese_;
    QStringList windows_;
};

// Calls `handle` with the next modal window once it is up; the caller then
// starts what opens it.
void OnNextModal(std::function<void(QWidget*)> handle)
{
    QWidget* before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, [timer, before, handle] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        handle(modal);
    });
    timer->start();
}

void Close(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

void Trigger(TZolForm& form, const char* action)
{
    QAction* command = form.findChild<QAction*>(QLatin1String(action));
    if (!command)
        Fail(QStringLiteral("no command ") + action);
    command->trigger();
    QApplication::processEvents();
}

// Runs `action` of the window, reading the modal window it opens and closing it.
void ReadModal(Walk& walk, TZolForm& form, const char* action, const QString& window,
               const std::function<void(QWidget*)>& more = {})
{
    bool seen = false;
    OnNextModal([&](QWidget* modal) {
        seen = true;
        walk.Read(window, modal);
        if (more)
            more(modal);
        Close(modal);
    });
    Trigger(form, action);
    if (!seen)
        Fail(QString::fromLatin1(action) + QStringLiteral(" opened no window"));
}

// A window of the main window's that is not modal, read and closed.
void ReadShown(Walk& walk, TZolForm& form, const char* name, const QString& window)
{
    QWidget* shown = form.findChild<QWidget*>(QLatin1String(name));
    if (!shown || !shown->isVisible())
        Fail(QStringLiteral("no window ") + name);
    walk.Read(window, shown);
    shown->close();
}

// Hints until the puzzle is solved, reading the message box that says so.
void SolveByHints(Walk& walk, TZolForm& form)
{
    bool seen = false;
    OnNextModal([&](QWidget* modal) {
        seen = true;
        walk.Read(QStringLiteral("puzzle-solved"), modal);
        Close(modal);
    });
    for (int hint = 0; hint < 7 && !seen; ++hint)
        Trigger(form, "OptHint");
    if (!seen)
        Fail(QStringLiteral("seven hints did not solve the puzzle"));
}

void ExpectFound(const Walk& walk, const QStringList& expected)
{
    for (const QString& text : expected)
        if (!walk.texts().contains(text))
            Fail(QStringLiteral("the walk found no \"") + text + QStringLiteral("\""));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5)
        Fail(QStringLiteral("usage: e2e_language_walk <ja|en> <build folder> <document> <screenshot folder>"));
    const QString language = QString::fromLatin1(argv[1]);
    const QString build = QString::fromLocal8Bit(argv[2]);
    const QString document = QString::fromLocal8Bit(argv[3]);
    const QString shots = QString::fromLocal8Bit(argv[4]);
    QDir().mkpath(shots);

    QApplication app(argc, argv);
    // A program folder of the walk's own, with the built program's data
    // beside it, so that nothing of the walk lands in the build.
    QTemporaryDir folder;
    for (const char* data : {"help", "pictures", "pltes", "rgbdata.txt", "photoA.jpg", "photoB.jpg"})
        QFile::link(QDir(build).filePath(QLatin1String(data)), QDir(folder.path()).filePath(QLatin1String(data)));
    zol::SetProgramFolder(folder.path());

    // The language as the program chooses it at start-up, from the desktop.
    const QString chosen = zol::StartUpLanguage();
    if (chosen != language)
        Fail(QStringLiteral("the desktop's language is ") + chosen + QStringLiteral(", not ") + language);
    zol::InstallTranslations(chosen);
    zol::RegisterFontSubstitutions();
    QApplication::setFont(zol::PixelFont(zol::GothicP, 12));

    zol::MessageDialogs dialogs;
    zol::ScreenPointer pointer;
    TZolForm form(dialogs, pointer, {document});
    dialogs.setParentWidget(&form);
    form.show();
    QApplication::processEvents();

    // The piece-set menu lists nothing but set names.
    for (const QAction* set : form.findChild<QMenu*>(QStringLiteral("PopupMenuPlt"))->actions())
        Everywhere.insert(set->text());
    Walk walk(shots);
    walk.Read(QStringLiteral("main"), &form);
    for (QAction* top : form.menuBar()->actions())
        walk.ReadMenu(QStringLiteral("main"), top->menu());
    for (const char* popup : {"PopupMenuHis", "PopupMenuPlt", "PopupMenuCSet"})
        walk.ReadMenu(QStringLiteral("main"), form.findChild<QMenu*>(QLatin1String(popup)));

    ReadModal(walk, form, "HelpAbout", QStringLiteral("about"));
    ReadModal(walk, form, "OptRpcal", QStringLiteral("arc"));
    ReadModal(walk, form, "PaletteColorCustamize", QStringLiteral("palette"), [&](QWidget* palette) {
        // "Pick a colour" opens the colour picker over the palette sheet.
        OnNextModal([&](QWidget* picker) {
            walk.Read(QStringLiteral("picker"), picker);
            Close(picker);
        });
        const QList<QAbstractButton*> buttons = palette->findChildren<QAbstractButton*>();
        for (QAbstractButton* b : buttons)
            if (b->text() == QCoreApplication::translate("zol::TColorCustamizeDialog", "色を選ぶ"))
                b->click();
    });
    ReadModal(walk, form, "OptActiveViewer", QStringLiteral("viewer"));
    ReadModal(walk, form, "FilePuzzleSheets", QStringLiteral("sheets"), [&](QWidget* sheets) {
        OnNextModal([&](QWidget* save) {
            walk.Read(QStringLiteral("sheets-save"), save);
            Close(save);
        });
        for (QAbstractButton* b : sheets->findChildren<QAbstractButton*>())
            if (b->text().contains(QStringLiteral("…")))
                b->click();
    });
    ReadModal(walk, form, "FileOpen", QStringLiteral("open"));
    // The sample holds no two figures of one silhouette; its second figure
    // has solutions, and is played as a puzzle.
    for (int i = 0; i < form.editor().model.figureCount(); ++i)
        Captions << zol::DecodeText(form.editor().model.ParseFigure(i).caption, form.editor().model.documentEncoding());
    ReadModal(walk, form, "EditFindDuplicates", QStringLiteral("duplicates-none"));
    form.findChild<zol::FigureListBox*>(QStringLiteral("List"))->selectRow(1);
    QApplication::processEvents();
    Trigger(form, "EditFindSolutions");
    ReadShown(walk, form, "SolutionsWindow", QStringLiteral("solutions"));
    ReadModal(walk, form, "FileExportSvg", QStringLiteral("svg-question"));
    Trigger(form, "OptPuzzle");
    walk.Read(QStringLiteral("puzzle"), &form);
    SolveByHints(walk, form);
    Trigger(form, "PuzzleLeave");
    // A changed document asks before it is dropped: Yes, No and Cancel.
    form.editor().model.setModified(true);
    ReadModal(walk, form, "FileNew", QStringLiteral("save-question"));
    // Picking the other language tells when it takes effect: OK.
    ReadModal(walk, form, language == QLatin1String("en") ? "Language_ja" : "Language_en",
              QStringLiteral("language-message"));

    Trigger(form, "HelpQRefference");
    ReadShown(walk, form, "HelpWindow", QStringLiteral("help"));

    std::printf("-- walked %lld windows, %lld texts\n", static_cast<long long>(walk.windows().size()),
                static_cast<long long>(walk.texts().size()));
    if (language == QLatin1String("en")) {
        if (!walk.japanese().isEmpty())
            Fail(QStringLiteral("Japanese under an English desktop:\n") + walk.japanese().join(QLatin1Char('\n')));
        ExpectFound(walk, {"&File", "&New", "&Yes", "&No", "Cancel", "Automatic", "Version Information",
                           "Colour Customizing", "Choose a Colour", "Points", "Puzzle Sheets as a PDF for Printing",
                           "Back", "Zol editor Help ‐ Contents", "Acitve Viewer", "Guide Lock", "None found.",
                           "Solution 1", "Hints 0", "Play as a Pu&zzle"});
    } else {
        ExpectFound(walk, {"ファイル(&F)", "新規作成(&N)", "はい(&Y)", "いいえ(&N)", "キャンセル", "自動", "バージョン情報",
                           "カラーカスタマイズ", "色の選択", "計算点数", "パズルシートを印刷用PDFに", "戻る", "Zol editor ヘルプ ‐ 目次",
                           "Acitve Viewer", "Guide Lock", "言語 / Language", "見つかりませんでした。", "解 1", "ヒント 0",
                           "パズルに挑戦(&Z)"});
    }
    std::printf("ok: the walk under %s found the window's own texts%s\n", qPrintable(language),
                language == QLatin1String("en") ? " and no Japanese" : "");
    return 0;
}
