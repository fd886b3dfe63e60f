#include "pipeline/emulator_command.h"

#include "app/settings.h"

#include <array>

namespace quillo {

std::string emulatorPath(const Settings& settings, int usedEmulator) {
    static constexpr std::array<Setting, 5> kKeys = {Setting::Emulator, Setting::Emulator1, Setting::Emulator2,
                                                     Setting::Emulator3, Setting::Emulator4};
    if (usedEmulator < 0 || usedEmulator >= static_cast<int>(kKeys.size())) return {};
    return settings.text(kKeys[static_cast<std::size_t>(usedEmulator)]);
}

EmulatorCommand emulatorCommand(const Settings& settings, const Document& doc, const std::string& outputBase,
                                std::string_view tapeExtension) {
    EmulatorCommand c;
    c.program = emulatorPath(settings, doc.usedEmulator);
    c.tapeFile = outputBase + std::string(tapeExtension);
    c.argumentText = "\"" + c.tapeFile + "\"";
    c.panelLine = "\"" + c.program + "\" " + c.argumentText;
    c.workingFolder = doc.folder;
    return c;
}

}  // namespace quillo
