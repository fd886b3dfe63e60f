#include "common/ini_file.h"

#include "common/number_text.h"
#include "common/text.h"

#include <cstdlib>

namespace quillo {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

IniFile IniFile::parse(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) bytes.remove_prefix(kUtf8Bom.size());
    IniFile ini;
    Group* current = nullptr;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trimLeft(line);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            if (close == std::string_view::npos) continue;
            ini.groups_.push_back(Group{std::string(line.substr(1, close - 1)), {}, {}});
            current = &ini.groups_.back();
            continue;
        }
        if (!current) continue;
        current->lines.emplace_back(line);
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        current->entries.emplace_back(std::string(trimRight(line.substr(0, eq))),
                                      std::string(trimLeft(line.substr(eq + 1))));
    }
    return ini;
}

const IniFile::Group* IniFile::findGroup(std::string_view name) const {
    for (const Group& g : groups_)
        if (equalsNoCase(g.name, name)) return &g;
    return nullptr;
}

bool IniFile::hasGroup(std::string_view group) const { return findGroup(group) != nullptr; }

const std::vector<std::string>* IniFile::rawLines(std::string_view group) const {
    const Group* g = findGroup(group);
    return g ? &g->lines : nullptr;
}

std::optional<std::string_view> IniFile::value(std::string_view group, std::string_view key) const {
    const Group* g = findGroup(group);
    if (!g) return std::nullopt;
    for (const auto& [name, value] : g->entries)
        if (equalsNoCase(name, key)) return std::string_view(value);
    return std::nullopt;
}

std::string IniFile::getString(std::string_view group, std::string_view key, std::string_view fallback) const {
    const auto v = value(group, key);
    return std::string(v ? trimRight(*v) : fallback);
}

std::int32_t IniFile::getInt(std::string_view group, std::string_view key, std::int32_t fallback) const {
    const auto v = value(group, key);
    return v ? leadingInt(*v) : fallback;
}

void IniWriter::group(std::string_view name) {
    out_ += '[';
    out_ += name;
    out_ += "]\r\n";
}

void IniWriter::key(std::string_view name, std::string_view value) {
    out_ += name;
    out_ += " = ";
    out_ += value;
    out_ += "\r\n";
}

void IniWriter::key(std::string_view name, std::int32_t value) { key(name, std::to_string(value)); }

void IniWriter::comment(std::string_view text) {
    out_ += "; ";
    out_ += text;
    out_ += "\r\n";
}

}  // namespace quillo
