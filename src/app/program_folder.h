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

std::string settingsFilePath(const std::string& programFolder);

}  // namespace quillo
