#pragma once
#include "app/document.h"

#include <string>
#include <string_view>

namespace quillo {

class Settings;

// Emulator, Emulator1 .. Emulator4 by UsedEmulator; empty for any other value.
std::string emulatorPath(const Settings& settings, int usedEmulator);

struct EmulatorCommand {
    std::string program;        // the configured emulator path
    std::string tapeFile;       // the output base + the tape extension: the only argument
    std::string argumentText;   // the tape file in double quotes
    std::string panelLine;      // the program in double quotes, a blank, argumentText
    std::string workingFolder;  // the source folder
};

// outputBase is the build's output path without extension; tapeExtension is
// the one of the last TAP or TZX build (empty before any).
EmulatorCommand emulatorCommand(const Settings& settings, const Document& doc, const std::string& outputBase,
                                std::string_view tapeExtension);

inline constexpr std::string_view kEmulatorErrorTitle = "Error occured";
inline constexpr std::string_view kEmulatorErrorText = "emulator Not started, do you have defined\nthe emulator file?";

}  // namespace quillo
