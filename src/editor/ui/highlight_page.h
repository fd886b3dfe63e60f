#pragma once
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace quillo {

class ColourButton;
class Settings;

// The "Highlightning" page: the 17 styled elements, each drawn in its own
// colours, with paper, ink, bold, italic and font of the selected one, and
// the predefined profiles.
class HighlightPage : public QWidget {
    Q_OBJECT
public:
    HighlightPage(Settings& settings, std::function<void()> changed, QWidget* parent = nullptr);

    // Redraws the list and the selected element's controls from the settings.
    void refresh();

private:
    void showSelected();
    void chooseFont();
    void setProfile();
    void report();

    Settings& settings_;
    std::function<void()> changed_;
    QListWidget* list_ = nullptr;
    ColourButton* paper_ = nullptr;
    ColourButton* ink_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QLabel* font_ = nullptr;
    QComboBox* profiles_ = nullptr;
};

}  // namespace quillo
