#include "editor/ui/editor_commands.h"
#include "app/ui/dialogs.h"

#include "app/settings.h"
#include "editor/keyword_help.h"
#include "editor/line_list_text.h"
#include "editor/notification_handler.h"
#include "editor/routine_scan.h"
#include "editor/structure_commands.h"
#include "editor/ui/help_viewer.h"
#include "editor/ui/source_editor.h"

#include <QColor>
#include <QMessageBox>
#include <QTreeWidget>

namespace quillo {

namespace {

QString lowerWordAtCaret(SourceEditor& editor) { return QString::fromStdString(wordAtCaret(editor)).toLower(); }

// The words around the caret, so that F1 on either word of "end sub" finds the phrase.
QString helpWordAtCaret(SourceEditor& editor) {
    const CaretWords words = caretWords(editor, static_cast<long>(editor.send(QsciScintillaBase::SCI_GETCURRENTPOS)));
    return QString::fromStdString(keywordHelpWord(words.word, words.previous, words.next));
}

void gotoBookmark(SourceEditor& editor, QWidget* window, int line) {
    if (line < 0) {
        showMessage(window, QStringLiteral("404"), QStringLiteral("No further bookmarks found"));
        return;
    }
    editor.send(QsciScintillaBase::SCI_GOTOLINE, static_cast<std::uintptr_t>(line));
}

void confirmRemoveAllBookmarks(SourceEditor& editor, QWidget* window) {
    if (askYesNo(window, QStringLiteral("Are you sure?"), QStringLiteral("Remove all bookmarks")))
        removeAllBookmarks(editor);
}

struct KindColours {
    Setting fg, bg;
};

KindColours coloursOf(RoutineKind kind) {
    switch (kind) {
    case RoutineKind::Sub: return {Setting::BookmSubFG, Setting::BookmSubBG};
    case RoutineKind::FunctionTyped: return {Setting::BookmFnRFG, Setting::BookmFnRBG};
    case RoutineKind::FunctionUntyped: break;
    }
    return {Setting::BookmFnnFG, Setting::BookmFnnBG};
}

}  // namespace

QColor colourFromBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

bool runEditorCommand(Command command, SourceEditor& editor, EditorContext& context) {
    switch (command) {
    case Command::Help: showKeywordHelp(helpWordAtCaret(editor), context.window, context.programFolder); break;
    case Command::SystemVariables:
        openHelpPage(QString::fromLatin1(kSystemVariablesPage), context.window, context.programFolder);
        break;
    case Command::FindSub: findRoutine(editor, lowerWordAtCaret(editor)); break;
    case Command::FoldAll: foldAll(editor); break;
    case Command::UnfoldAll: unfoldAll(editor); break;
    case Command::AutoRem: autoRemSelection(editor, editor.styler(), context.settings.text(Setting::REM_String)); break;
    case Command::AutoUnrem: autoUnremSelection(editor, editor.styler()); break;
    case Command::ForceRefresh: editor.restyleAll(); break;
    case Command::BookmarkAdd: addBookmark(editor, editor.bookmarkLine()); break;
    case Command::BookmarkRemove: removeBookmark(editor, editor.bookmarkLine()); break;
    case Command::BookmarkRemoveAll: confirmRemoveAllBookmarks(editor, context.window); break;
    case Command::BookmarkNext: gotoBookmark(editor, context.window, nextBookmark(editor, editor.bookmarkLine())); break;
    case Command::BookmarkPrevious:
        gotoBookmark(editor, context.window, previousBookmark(editor, editor.bookmarkLine()));
        break;
    default: return false;
    }
    return true;
}

void refreshExplorerList(QTreeWidget* list, SourceEditor& editor, const Settings& settings) {
    editor.rescanRoutines();
    if (!list) return;
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, colourFromBgr(settings.integer(Setting::BookmDefBG)));
    palette.setColor(QPalette::Text, colourFromBgr(settings.integer(Setting::BookmDefFG)));
    list->setPalette(palette);
    list->clear();
    for (const SubFunctionEntry& routine : editor.routines()) {
        auto* item = new QTreeWidgetItem(list, QStringList{QString::fromStdString(routine.name)});
        const KindColours colours = coloursOf(routine.kind);
        item->setForeground(0, colourFromBgr(settings.integer(colours.fg)));
        item->setBackground(0, colourFromBgr(settings.integer(colours.bg)));
    }
}

void findRoutine(SourceEditor& editor, const QString& name) {
    const int line = findRoutineLine(editor.textView(), name.toStdString());
    if (line >= 0) gotoLineStart(editor, line);
}

QString bookmarksAsText(SourceEditor& editor) { return QString::fromStdString(lineListText(bookmarkLines(editor))); }

QString closedFoldsAsText(SourceEditor& editor) {
    return QString::fromStdString(lineListText(closedFoldLines(editor)));
}

void applyBookmarksText(SourceEditor& editor, const QString& text) {
    applyBookmarkLines(editor, parseLineListText(text.toStdString()));
}

void applyClosedFoldsText(SourceEditor& editor, const QString& text) {
    const std::vector<int> lines = parseLineListText(text.toStdString());
    if (lines.empty()) return;
    editor.restyleAll();
    applyClosedFoldLines(editor, lines);
}

}  // namespace quillo
