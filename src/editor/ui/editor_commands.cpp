#include "editor/ui/editor_commands.h"

#include "common/ui/colour.h"
#include "common/ui/qt_text.h"
#include "common/ui/message_box.h"

#include "app/settings.h"
#include "editor/keyword_help.h"
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

using Sci = QsciScintillaBase;

constexpr Command kEditorCommands[] = {
    Command::Help, Command::SystemVariables, Command::FindSub, Command::FoldAll, Command::UnfoldAll,
    Command::AutoRem, Command::AutoUnrem, Command::ForceRefresh, Command::BookmarkAdd, Command::BookmarkRemove,
    Command::BookmarkRemoveAll, Command::BookmarkNext, Command::BookmarkPrevious, Command::Undo, Command::Redo,
    Command::Cut, Command::Copy, Command::Paste, Command::ZoomIn, Command::ZoomOut, Command::ZoomReset,
};

QString lowerWordAtCaret(SourceEditor& editor) { return toQ(wordAtCaret(editor)).toLower(); }

// The words around the caret, so that F1 on either word of "end sub" finds the phrase.
QString helpWordAtCaret(SourceEditor& editor) {
    const CaretWords words = caretWords(editor, static_cast<long>(editor.send(QsciScintillaBase::SCI_GETCURRENTPOS)));
    return toQ(keywordHelpWord(words.word, words.previous, words.next));
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
    case Command::Undo:
        if (editor.send(Sci::SCI_CANUNDO)) editor.send(Sci::SCI_UNDO);
        break;
    case Command::Redo:
        if (editor.send(Sci::SCI_CANREDO)) editor.send(Sci::SCI_REDO);
        break;
    case Command::Cut: editor.send(Sci::SCI_CUT); break;
    case Command::Copy: editor.send(Sci::SCI_COPY); break;
    case Command::Paste:
        if (editor.send(Sci::SCI_CANPASTE)) editor.send(Sci::SCI_PASTE);
        break;
    case Command::ZoomIn: editor.send(Sci::SCI_ZOOMIN); break;
    case Command::ZoomOut: editor.send(Sci::SCI_ZOOMOUT); break;
    case Command::ZoomReset: editor.send(Sci::SCI_SETZOOM); break;
    default: return false;
    }
    return true;
}

void registerEditorCommands(CommandRegistry& registry, std::function<SourceEditor*()> currentEditor,
                            EditorContext context, std::function<void(Command)> afterCommand) {
    for (const Command command : kEditorCommands) {
        registry.add(command, [=]() mutable {
            SourceEditor* editor = currentEditor();
            if (!editor || !runEditorCommand(command, *editor, context)) return;
            if (afterCommand) afterCommand(command);
        });
    }
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
        auto* item = new QTreeWidgetItem(list, QStringList{toQ(routine.name)});
        const KindColours colours = coloursOf(routine.kind);
        item->setForeground(0, colourFromBgr(settings.integer(colours.fg)));
        item->setBackground(0, colourFromBgr(settings.integer(colours.bg)));
    }
}

void findRoutine(SourceEditor& editor, const QString& name) {
    const int line = findRoutineLine(editor.textView(), fromQ(name));
    if (line >= 0) gotoLineStart(editor, line);
}

void restoreBookmarks(SourceEditor& editor, const std::vector<int>& lines) { applyBookmarkLines(editor, lines); }

void restoreClosedFolds(SourceEditor& editor, const std::vector<int>& lines) {
    if (!lines.empty()) applyClosedFoldLines(editor, lines);
}

}  // namespace quillo
