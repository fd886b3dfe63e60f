#pragma once
#include "editor/settings_pages.h"

#include <QDialog>

#include <functional>
#include <span>
#include <vector>

class QGridLayout;

namespace quillo {

class HighlightPage;

// "Quillo Editor settings": five pages of controls, each bound to its
// settings key. Every change is stored at once and reported through
// changed (which applies the settings to every open editor); there is no
// cancel, and the dialog writes no file.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(Settings& settings, std::function<void()> changed, QWidget* parent = nullptr);

private:
    QWidget* controlsPage(std::span<const SettingControl> controls, int columns);
    QWidget* compilerPage();
    void addControl(QGridLayout* grid, int row, int column, const SettingControl& control);
    QWidget* pathField(const SettingControl& control);
    void store(Setting key, int value);
    void store(Setting key, std::string value);
    // After a change: the editors, and the component list's colours.
    void report();

    Settings& settings_;
    std::function<void()> changed_;
    HighlightPage* highlight_ = nullptr;
    // Swatches showing keys that "Set Profile" may change.
    std::vector<std::function<void()>> refreshers_;
};

}  // namespace quillo
