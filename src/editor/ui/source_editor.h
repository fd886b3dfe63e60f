#pragma once
#include "editor/completion.h"
#include "editor/notification_handler.h"
#include "editor/routine_scan.h"
#include "common/scintilla_messages.h"
#include "editor/source_styler.h"
#include "editor/status_fields.h"

#include <Qsci/qsciscintillabase.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillo {

class Settings;

// One source document's editor: Scintilla driven through its raw messages,
// with the program's own styler attached. Create it, then call configure()
// once with the application settings; applySettings() re-runs the settings
// pass after the settings change.
class SourceEditor : public QsciScintillaBase, public ScintillaMessages {
    Q_OBJECT
public:
    explicit SourceEditor(QWidget* parent = nullptr);
    ~SourceEditor() override;

    std::intptr_t send(unsigned int message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) override;

    // The whole text as bytes (it may hold zero bytes).
    std::string textBytes();
    // Replaces the whole text as one undoable step.
    void setTextBytes(std::string_view bytes);
    // A pointer to the text, valid until the next change (no copy).
    std::string_view textView();
    int textLength();

    bool isModified();
    void setSavePoint();
    void insertAtCaret(std::string_view bytes);
    int caretPosition();
    void setCaretPosition(int pos);

    // Word tables, fonts, wrap, completion options and the settings pass.
    // The settings are kept: the notification handler reads Autocomplete and
    // BraceHighlight and keeps BraceHghltd up to date.
    void configure(Settings& settings);
    // The settings pass alone (after the settings dialog or a profile change).
    void applySettings(const Settings& settings);
    // Restyles the whole text and recomputes every fold level.
    void restyleAll();

    // Rebuilds the SUB/FUNCTION list and offers the names while typing.
    void rescanRoutines();
    const std::vector<SubFunctionEntry>& routines() const { return routines_; }
    const CompletionVocabulary& vocabulary() const { return vocabulary_; }

    // The line of the last click in the symbol margin; bookmark commands act on it.
    int bookmarkLine() const { return handler_.bookmarkLine(); }
    void setBookmarkLine(int line) { handler_.setBookmarkLine(line); }

    const EditorStatus& status() const { return status_; }
    const std::string& lastCompletionList() const { return handler_.lastCompletionList(); }
    SourceStyler& styler() { return styler_; }

signals:
    // After every notification of the component, after the editor's own
    // handling, so the window can refresh what depends on the editor (the
    // tab's "*" from isModified()).
    void notified();
    // Status fields 0, 2-6 and the help line, whenever one of them changed.
    void statusChanged(const quillo::EditorStatus& status);
    // A click in the symbol margin: the window shows the bookmark menu at the
    // mouse and runs the chosen Bookmark* command.
    void bookmarkMenuRequested(int line);

protected:
    // Alt with a letter belongs to the menus, never to the text.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectNotifications();
    void onNotification(const Notification& n);

    SourceStyler styler_;
    NotificationHandler handler_;
    CompletionVocabulary vocabulary_;
    std::vector<SubFunctionEntry> routines_;
    EditorStatus status_;
    Settings* settings_ = nullptr;
    bool handling_ = false;
};

}  // namespace quillo
