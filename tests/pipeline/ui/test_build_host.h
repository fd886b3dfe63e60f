#pragma once
// A build host over a real source editor that records everything the build
// tells the window, for the offscreen pipeline tests.
#include "app/settings.h"
#include "pipeline/build_host.h"
#include "common/file_io.h"
#include "common/log_line.h"
#include "editor/ui/source_editor.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace quillo::test {

class RecordingHost : public BuildHost {
public:
    RecordingHost() : config(QDir::homePath().toStdString() + "/") {
        editorWidget = std::make_unique<SourceEditor>();
        editorWidget->configure(config);
    }

    Document& document() override { return doc; }
    ScintillaMessages* editor() override { return editorWidget.get(); }
    const Settings& settings() override { return config; }
    BinaryList& binaries() override { return binaryList; }
    RegionMap& regionMap() override { return *map; }
    MemoryImage& memoryImage() override { return *image; }

    void clearOutput() override {
        output.clear();
        ++clears;
    }
    void appendOutput(std::string_view lines) override {
        std::size_t begin = 0;
        while (begin <= lines.size()) {
            const std::size_t end = std::min(lines.find('\n', begin), lines.size());
            output.emplace_back(lines.substr(begin, end - begin));
            begin = end + 1;
        }
    }
    void showMessage(const UserMessage& message) override { messages.push_back(message); }
    Status saveSource(const std::string& path) override {
        saved.push_back(path);
        if (failingSaves.count(path)) return Error{ErrorCode::WriteFailed, path, "cannot write: Read-only file system"};
        return writeFileAtomic(path, editorWidget->textBytes());
    }
    void markSaved() override { editorWidget->setSavePoint(); }
    void setStatusText(std::string_view text) override { statuses.emplace_back(text); }
    void setBusy(bool busy) override { busyStates.push_back(busy); }
    void setEmulatorRunning(bool running) override { emulatorStates.push_back(running); }
    void freeMemoryChanged(std::int32_t bytes) override { freeMemory.push_back(bytes); }
    void showMemoryMap() override { ++memoryMaps; }

    // The output lines with the log prefix taken off ("hh:mm:ss -> ").
    std::vector<std::string> plainOutput() const {
        std::vector<std::string> lines;
        for (const std::string& l : output) lines.push_back(isLogLine(l) && l.size() >= 14 ? l.substr(14) : l);
        return lines;
    }
    bool hasLine(const std::string& line) const {
        for (const std::string& l : plainOutput())
            if (l == line) return true;
        return false;
    }
    std::string outputText() const {
        std::string text;
        for (const std::string& l : output) text += l + "\n";
        return text;
    }

    Settings config;
    Document doc;
    std::set<std::string> failingSaves;  // paths whose save fails as on a read-only disk
    std::unique_ptr<SourceEditor> editorWidget;
    BinaryList binaryList;
    std::unique_ptr<RegionMap> map = std::make_unique<RegionMap>();
    std::unique_ptr<MemoryImage> image = std::make_unique<MemoryImage>();

    std::vector<std::string> output;
    std::vector<UserMessage> messages;
    std::vector<std::string> saved;
    std::vector<std::string> statuses;
    std::vector<bool> busyStates;
    std::vector<bool> emulatorStates;
    std::vector<std::int32_t> freeMemory;
    int clears = 0;
    int memoryMaps = 0;
};

}  // namespace quillo::test
