#include "app/program_folder.h"

#include "common/file_io.h"

#include <sys/stat.h>

namespace quillo {

FolderCheck ensureProgramFolders(const std::string& programFolder) {
    FolderCheck check;
    for (const char* name : {kSnippetsFolder, kFilesFolder, kHelpFolder, kFontsFolder}) {
        const std::string path = programFolder + name;
        if (isDirectory(path)) continue;
        if (std::string_view(name) == kHelpFolder) {
            check.helpMissing = true;
            continue;
        }
        if (::mkdir(path.c_str(), 0777) == 0) check.created.push_back(name);
    }
    return check;
}

std::string settingsFilePath(const std::string& programFolder) {
    return programFolder + kFilesFolder + "/quillo.ini";
}

}  // namespace quillo
