#pragma once
// The 16x16 character table and the 16x edit grid of the font editor. Both
// draw the working font directly and report what the mouse changed.
#include "fonteditor/working_font.h"

#include <QWidget>

#include <functional>

namespace quillo {

class FontTableWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCell = 8;
    static constexpr int kRowHeight = kCell + 2;  // the character and its flag marker line

    FontTableWidget(WorkingFont& font, std::function<int()> current, QWidget* parent = nullptr);
    // The top-left corner of a character's cell.
    static QPoint cellOrigin(int code) { return {(code % 16) * kCell, (code / 16) * kRowHeight}; }

signals:
    void currentChosen(int code);
    void flagsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int codeAt(QPoint pos) const;

    WorkingFont& font_;
    std::function<int()> current_;
    int protectOnRelease_ = -1;  // Shift+right press waiting for its release
};

class FontGridWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kZoom = 16;

    FontGridWidget(WorkingFont& font, std::function<int()> current, QWidget* parent = nullptr);

signals:
    // A stroke is about to change the character (for the undo copy).
    void strokeStarted();
    void pixelsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void paintAt(QPoint pos, Qt::MouseButtons buttons, bool pressed);

    WorkingFont& font_;
    std::function<int()> current_;
};

}  // namespace quillo
