#include "app/program_folder.h"

#include "common/file_io.h"

#include <sys/stat.h>

#include <filesystem>

namespace quillo {

namespace {

std::string withSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

}  // namespace

FolderCheck ensureProgramFolders(const std::string& programFolder) {
    return ensureProgramFolders(programFolder, programFolder);
}

FolderCheck ensureProgramFolders(const std::string& dataFolder, const std::string& helpFolderRoot) {
    FolderCheck check;
    std::error_code ignored;  // a folder that cannot be made shows up below
    std::filesystem::create_directories(dataFolder, ignored);
    for (const char* name : {kSnippetsFolder, kFilesFolder, kHelpFolder, kFontsFolder}) {
        const bool help = std::string_view(name) == kHelpFolder;
        const std::string path = (help ? helpFolderRoot : dataFolder) + name;
        if (isDirectory(path)) continue;
        if (std::string_view(name) == kHelpFolder) {
            check.helpMissing = true;
            continue;
        }
        if (::mkdir(path.c_str(), 0777) == 0) check.created.push_back(name);
    }
    return check;
}

ProgramFolders chooseProgramFolders(const std::string& quilloHome, const std::string& executableFolder,
                                    bool executableFolderWritable, const std::string& xdgConfigHome,
                                    const std::string& homeFolder) {
    if (!quilloHome.empty()) return {withSlash(quilloHome), withSlash(quilloHome)};
    const std::string program = withSlash(executableFolder);
    if (executableFolderWritable) return {program, program};
    // The XDG rule: a relative XDG_CONFIG_HOME is to be ignored.
    const std::string config =
        !xdgConfigHome.empty() && xdgConfigHome.front() == '/' ? withSlash(xdgConfigHome) : withSlash(homeFolder) + ".config/";
    return {program, config + "quillo/"};
}

std::string settingsFilePath(const std::string& programFolder) {
    return programFolder + kFilesFolder + "/quillo.ini";
}

}  // namespace quillo
