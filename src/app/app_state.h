#pragma once
// What lives for the whole run and is shared by every window: the settings,
// the open sources, the current source's binaries with the memory image and
// region map they are placed in, and the working character set. The
// application owns one and hands it to each window by reference; the tool
// windows of the later subsystems keep their state here as well.
#include "app/workspace.h"
#include "common/charset.h"
#include "fonteditor/working_font.h"
#include "pipeline/binary_list.h"

#include <memory>
#include <string>

namespace quillo {

struct GfxSession;
class MemoryImage;
class RegionMap;
class Settings;

class AppState {
public:
    // Both folders end with '/': programFolder holds the user's files
    // (Quillo_Files, Quillo_Fonts, Quillo_Snippets), helpRoot the help pages
    // (Quillo_Help); they differ for an installed program.
    AppState(Settings& settings, std::string programFolder, std::string helpRoot = {});
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    const std::string& programFolder() const { return programFolder_; }
    const std::string& helpRoot() const { return helpRoot_; }
    Workspace& workspace() { return workspace_; }
    BinaryList& binaries() { return binaries_; }
    RegionMap& regionMap() { return *regions_; }
    MemoryImage& memoryImage() { return *image_; }
    Charset& charset() { return font_.bitmaps; }
    WorkingFont& workingFont() { return font_; }
    // The font editor's "Operation on" choice, kept between openings.
    FontScope& fontScope() { return fontScope_; }
    GfxSession& gfx() { return *gfx_; }

private:
    Settings& settings_;
    std::string programFolder_;
    std::string helpRoot_;
    Workspace workspace_;
    BinaryList binaries_;
    std::unique_ptr<RegionMap> regions_;
    std::unique_ptr<MemoryImage> image_;
    WorkingFont font_;
    FontScope fontScope_ = FontScope::Range;
    std::unique_ptr<GfxSession> gfx_;
};

}  // namespace quillo
