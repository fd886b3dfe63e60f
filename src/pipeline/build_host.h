#pragma once
#include "app/document.h"
#include "common/error.h"
#include "pipeline/binary_list.h"
#include "pipeline/memory_image.h"
#include "pipeline/region_map.h"
#include "common/user_message.h"
#include "common/scintilla_messages.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillo {

class Settings;

// What a build needs from the program around it. The main window implements
// it over its current document, editor, output panel and status bar; the
// command-line build implements it over a file and the standard streams.
// Every call comes on the thread that runs the build's event loop.
class BuildHost {
public:
    virtual ~BuildHost() = default;

    // The document to build, with the project panel already stored into it.
    // The build copies it when it starts; it sets caretPos then and
    // freeMemory at the end.
    virtual Document& document() = 0;
    // Its editor, for the line count, the caret, the wait cursor, markers and
    // annotations; nullptr when there is none (command line). Asked again
    // when the compiler has ended: return the editor of the document being
    // built, or nullptr if it was closed meanwhile (the window may simply
    // keep tabs from changing while isBuilding()).
    virtual ScintillaMessages* editor() = 0;
    virtual const Settings& settings() = 0;
    virtual BinaryList& binaries() = 0;
    virtual RegionMap& regionMap() = 0;
    virtual MemoryImage& memoryImage() = 0;

    // Output panel: empties it / appends one or more lines joined by '\n'.
    // Lines starting with the log marker byte are the build's own.
    virtual void clearOutput() = 0;
    virtual void appendOutput(std::string_view lines) = 0;
    // A message box (title, text, icon); the command line prints it instead.
    virtual void showMessage(const UserMessage& message) = 0;

    // Writes the editor text to path with its project file and binary list
    // beside it, without asking and without a message of its own: the build
    // reports a failure. The text's error when it did not reach the disk.
    virtual Status saveSource(const std::string& path) = 0;
    // The document's options as its project file gave them, or why they are
    // not known (the file could not be read): a build never guesses them.
    virtual Status projectOptions() { return {}; }
    // After the source itself was saved: set the editor's save point and
    // refresh the tab's "*".
    virtual void markSaved() {}

    // Status-bar field 6: "Compiling..." while the compiler runs, empty after.
    virtual void setStatusText(std::string_view text) { (void)text; }
    // True from the start of a build to the end of the compiler: wait cursor.
    virtual void setBusy(bool busy) { (void)busy; }
    // True while the emulator runs: the window disables itself.
    virtual void setEmulatorRunning(bool running) { (void)running; }
    // The new free-byte count for "FreeMem: ", already stored in document().
    virtual void freeMemoryChanged(std::int32_t freeBytes) { (void)freeBytes; }
    // At the end of a build whose DisplayMap option is set.
    virtual void showMemoryMap() {}
};

}  // namespace quillo
