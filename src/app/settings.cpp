#include "app/settings.h"

#include "common/ini_file.h"

#include <algorithm>

namespace quillo {

namespace {
constexpr const char* kRecentGroup = "Recent";
}  // namespace

namespace {

#define QUILLO_INT_EDITOR(name, def) {#name, "Editor", false, def, ""},
#define QUILLO_STR_EDITOR(name, def) {#name, "Editor", true, 0, def},
#define QUILLO_INT_PAINTER(name, def) {#name, "Painter", false, def, ""},
#define QUILLO_STR_PAINTER(name, def) {#name, "Painter", true, 0, def},
constexpr std::array<SettingInfo, kSettingCount> kTable = {{
    QUILLO_EDITOR_SETTINGS(QUILLO_INT_EDITOR, QUILLO_STR_EDITOR)
    QUILLO_PAINTER_SETTINGS(QUILLO_INT_PAINTER, QUILLO_STR_PAINTER)
}};
#undef QUILLO_INT_EDITOR
#undef QUILLO_STR_EDITOR
#undef QUILLO_INT_PAINTER
#undef QUILLO_STR_PAINTER

}  // namespace

const std::array<SettingInfo, kSettingCount>& settingTable() { return kTable; }

const SettingInfo& settingInfo(Setting s) { return kTable[static_cast<std::size_t>(s)]; }

Settings::Settings(std::string homeFolder) {
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        ints_[i] = kTable[i].intDefault;
        strings_[i] = kTable[i].stringDefault;
    }
    if (!homeFolder.empty() && homeFolder.back() != '/') homeFolder += '/';
    set(Setting::LastDir, std::move(homeFolder));
}

bool isValidSuffix(std::string_view suffix) {
    return !suffix.empty() && suffix.size() <= 8 &&
           std::all_of(suffix.begin(), suffix.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
           });
}

std::vector<std::string> Settings::read(std::string_view fileBytes) {
    std::vector<std::string> problems;
    const IniFile ini = IniFile::parse(fileBytes);
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const SettingInfo& info = kTable[i];
        if (info.isString)
            strings_[i] = ini.getString(info.group, info.key, strings_[i]);
        else
            ints_[i] = ini.getInt(info.group, info.key, ints_[i]);
    }
    for (const Setting s : {Setting::SidebarExplorer, Setting::OutputSplitter})
        set(s, std::max(integer(s), kMinSplitter));
    // The prefix is kept with one trailing blank; the reader trimmed it off.
    strings_[index(Setting::REM_String)] += ' ';
    recent_.clear();
    for (std::size_t i = 1; i <= kMaxRecent; ++i) {
        const std::string path = ini.getString(kRecentGroup, "File" + std::to_string(i), "");
        if (!path.empty()) recent_.push_back(path);
    }
    if (const std::string& suffix = text(Setting::Suffix); !isValidSuffix(suffix)) {
        const std::string fallback = settingInfo(Setting::Suffix).stringDefault;
        problems.push_back("the Suffix \"" + suffix + "\" is not 1 to 8 letters or digits; \"" + fallback +
                           "\" is used instead");
        set(Setting::Suffix, fallback);
    }
    return problems;
}

void Settings::addRecentFile(const std::string& path) {
    std::erase(recent_, path);
    recent_.insert(recent_.begin(), path);
    if (recent_.size() > kMaxRecent) recent_.resize(kMaxRecent);
}

std::string Settings::write() const {
    IniWriter out;
    const char* group = nullptr;
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const SettingInfo& info = kTable[i];
        if (!group || std::string_view(group) != info.group) {
            group = info.group;
            out.group(group);
        }
        if (info.isString)
            out.key(info.key, strings_[i]);
        else
            out.key(info.key, ints_[i]);
    }
    if (!recent_.empty()) {
        out.group(kRecentGroup);
        for (std::size_t i = 0; i < recent_.size(); ++i) out.key("File" + std::to_string(i + 1), recent_[i]);
    }
    return out.bytes();
}

}  // namespace quillo
