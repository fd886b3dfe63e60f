#pragma once
#include <string>
#include <vector>

namespace quillo {

inline constexpr const char* kSnippetsFolder = "Quillo_Snippets";
inline constexpr const char* kFilesFolder = "Quillo_Files";
inline constexpr const char* kHelpFolder = "Quillo_Help";
inline constexpr const char* kFontsFolder = "Quillo_Fonts";

inline constexpr const char* kMissingHelpTitle = "Missing Directory";
inline constexpr const char* kMissingHelpText = "Quillo_Help folder not found. Any idea where it is?";

struct FolderCheck {
    std::vector<std::string> created;  // folders made now, in the order checked
    bool helpMissing = false;
};

// Makes sure of the folders beside the program, in their fixed order: the
// snippets, files and fonts folders are created when missing (a plain file of
// that name counts as missing; creating then fails quietly); the help folder
// is only reported. programFolder ends with '/'.
FolderCheck ensureProgramFolders(const std::string& programFolder);
// The same with the help folder looked for in helpFolderRoot, when the help
// pages are installed apart from the user's folders.
FolderCheck ensureProgramFolders(const std::string& dataFolder, const std::string& helpFolderRoot);

// Where the program keeps its things: the help pages travel with the
// program; settings, fonts and snippets need a folder the user may write.
struct ProgramFolders {
    std::string program;  // holds Quillo_Help; ends with '/'
    std::string data;     // holds Quillo_Files, Quillo_Fonts, Quillo_Snippets; ends with '/'
};

// QUILLO_HOME (when not empty) is both; otherwise the executable's folder,
// and for the data $XDG_CONFIG_HOME/quillo (default ~/.config/quillo) when
// the executable's folder is not writable, as in an installed program.
ProgramFolders chooseProgramFolders(const std::string& quilloHome, const std::string& executableFolder,
                                    bool executableFolderWritable, const std::string& xdgConfigHome,
                                    const std::string& homeFolder);

std::string settingsFilePath(const std::string& programFolder);

}  // namespace quillo
