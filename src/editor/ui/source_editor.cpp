#include "editor/ui/source_editor.h"

#include "editor/ui/editor_font.h"

#include <QKeyEvent>

#include "app/settings.h"
#include "editor/editor_setup.h"
#include "common/sci_constants.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quillo {

namespace {

// The component's own accessibility object counts characters from the start
// of the document on every screen update; a plain widget entry avoids that.
QAccessibleInterface* plainEditorAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(SourceEditor::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
    return nullptr;
}

void installAccessibleFactory() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    // Factories installed later are asked first, so this one wins over the
    // component's, which its base class installed just before.
    QAccessible::installFactory(plainEditorAccessible);
}

}  // namespace

SourceEditor::SourceEditor(QWidget* parent) : QsciScintillaBase(parent), styler_(*this), handler_(*this) {
    installAccessibleFactory();
    initialiseSourceEditor(*this, styler_);
    connectNotifications();
}

void SourceEditor::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    // AltGr arrives as Ctrl+Alt on some keyboards and types characters: keep it.
    if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !event->text().isEmpty() &&
        event->text().at(0).isPrint()) {
        event->ignore();
        return;
    }
    QsciScintillaBase::keyPressEvent(event);
}

// The component still notifies while its base part is torn down, when this
// part (styler, handler) is gone already: nothing may reach them then.
SourceEditor::~SourceEditor() { blockSignals(true); }

void SourceEditor::connectNotifications() {
    using B = QsciScintillaBase;
    auto simple = [this](int code) { return [this, code] { onNotification(Notification{code}); }; };
    connect(this, &B::SCN_STYLENEEDED, this, [this](int position) {
        Notification n{sci::SCN_STYLENEEDED};
        n.position = position;
        onNotification(n);
    });
    connect(this, &B::SCN_CHARADDED, this, [this](int ch) {
        Notification n{sci::SCN_CHARADDED};
        n.ch = ch;
        onNotification(n);
    });
    connect(this, &B::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int length, int linesAdded, int, int, int, int, int) {
                Notification n{sci::SCN_MODIFIED};
                n.position = position;
                n.modificationType = type;
                n.length = length;
                n.linesAdded = linesAdded;
                onNotification(n);
            });
    connect(this, &B::SCN_MARGINCLICK, this, [this](int position, int, int margin) {
        Notification n{sci::SCN_MARGINCLICK};
        n.position = position;
        n.margin = margin;
        onNotification(n);
    });
    connect(this, &B::SCN_NEEDSHOWN, this, [this](int position, int length) {
        Notification n{sci::SCN_NEEDSHOWN};
        n.position = position;
        n.length = length;
        onNotification(n);
    });
    connect(this, &B::SCN_UPDATEUI, this, [this](int updated) {
        Notification n{sci::SCN_UPDATEUI};
        n.updated = updated;
        onNotification(n);
    });
    connect(this, &B::SCN_DOUBLECLICK, this, [this](int position, int, int) {
        Notification n{sci::SCN_DOUBLECLICK};
        n.position = position;
        onNotification(n);
    });
    connect(this, &B::SCN_SAVEPOINTREACHED, this, simple(sci::SCN_SAVEPOINTREACHED));
    connect(this, &B::SCN_SAVEPOINTLEFT, this, simple(sci::SCN_SAVEPOINTLEFT));
    connect(this, &B::SCN_PAINTED, this, simple(sci::SCN_PAINTED));
    connect(this, &B::SCN_ZOOM, this, simple(sci::SCN_ZOOM));
    connect(this, &B::SCN_FOCUSIN, this, simple(sci::SCN_FOCUSIN));
    connect(this, &B::SCN_AUTOCCANCELLED, this, simple(sci::SCN_AUTOCCANCELLED));
    connect(this, &B::SCN_AUTOCCHARDELETED, this, simple(sci::SCN_AUTOCCHARDELETED));
    connect(this, &B::SCN_AUTOCCOMPLETED, this, [this](const char*, int position, int, int) {
        Notification n{sci::SCN_AUTOCCOMPLETED};
        n.position = position;
        onNotification(n);
    });
}

void SourceEditor::onNotification(const Notification& n) {
    styler_.handleNotification(n);
    // The handler's own requests (completion, brace highlight) can raise
    // notifications; those are the styler's only.
    if (settings_ && !handling_) {
        handling_ = true;
        NotificationHandler::Options options;
        options.autocomplete = settings_->flag(Setting::Autocomplete);
        options.braceHighlight = settings_->flag(Setting::BraceHighlight);
        NotificationHandler::Result result = handler_.handle(n, options, routines_, vocabulary_);
        if (result.braceHighlighted >= 0) settings_->set(Setting::BraceHghltd, result.braceHighlighted);
        handling_ = false;
        if (result.bookmarkMenu) emit bookmarkMenuRequested(handler_.bookmarkLine());
        if (!(result.status == status_)) {
            status_ = std::move(result.status);
            emit statusChanged(status_);
        }
    }
    emit notified();
}

void SourceEditor::configure(Settings& settings) {
    settings_ = &settings;
    configureSourceEditor(*this, styler_, settings);
}

void SourceEditor::applySettings(const Settings& settings) { applyEditorSettings(*this, styler_, settings); }

void SourceEditor::restyleAll() { styler_.restyle(0, -1); }

void SourceEditor::rescanRoutines() {
    routines_ = scanRoutines(textView());
    std::vector<std::string> names;
    names.reserve(routines_.size());
    for (const SubFunctionEntry& r : routines_) names.push_back(r.name);
    vocabulary_.setRoutineNames(names);
}

std::intptr_t SourceEditor::send(unsigned int message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == SCI_STYLESETFONT && lParam) {
        const QByteArray family = displayFontFamily(QString::fromUtf8(reinterpret_cast<const char*>(lParam))).toUtf8();
        return SendScintilla(message, static_cast<unsigned long>(wParam), family.constData());
    }
    return SendScintilla(message, static_cast<unsigned long>(wParam), static_cast<long>(lParam));
}

int SourceEditor::textLength() { return static_cast<int>(send(SCI_GETLENGTH)); }

std::string_view SourceEditor::textView() {
    const auto* text = reinterpret_cast<const char*>(send(SCI_GETCHARACTERPOINTER));
    return {text, static_cast<std::size_t>(textLength())};
}

std::string SourceEditor::textBytes() { return std::string(textView()); }

void SourceEditor::setTextBytes(std::string_view bytes) {
    send(SCI_BEGINUNDOACTION);
    send(SCI_CLEARALL);
    send(SCI_ADDTEXT, bytes.size(), reinterpret_cast<std::intptr_t>(bytes.data()));
    send(SCI_ENDUNDOACTION);
}

bool SourceEditor::isModified() { return send(SCI_GETMODIFY) != 0; }

void SourceEditor::setSavePoint() { send(SCI_SETSAVEPOINT); }

void SourceEditor::insertAtCaret(std::string_view bytes) {
    send(SCI_ADDTEXT, bytes.size(), reinterpret_cast<std::intptr_t>(bytes.data()));
}

int SourceEditor::caretPosition() { return static_cast<int>(send(SCI_GETCURRENTPOS)); }

void SourceEditor::setCaretPosition(int pos) { send(SCI_GOTOPOS, static_cast<std::uintptr_t>(pos)); }

}  // namespace quillo
