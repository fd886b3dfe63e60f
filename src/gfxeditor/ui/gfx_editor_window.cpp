#include "gfxeditor/ui/gfx_editor_window.h"

#include "app/settings.h"
#include "common/attribute.h"
#include "common/ui/qt_text.h"
#include "gfxeditor/gfx_session.h"
#include "gfxeditor/pattern_sets.h"
#include "gfxeditor/ui/gfx_dialogs.h"
#include "gfxeditor/ui/gfx_tool_icons.h"
#include "gfxeditor/ui/picture_view.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillo {

namespace {

constexpr int kFlashMs = 320;  // the Spectrum flashes every 16 frames
constexpr int kMarqueeMs = 150;
constexpr int kSidePanelWidth = 210;

QColor pure(int colour) { return QColor::fromRgb(kPureColours[colour & 7]); }

QPixmap attributePixmap(std::uint8_t a) {
    // Ink over paper, as two overlapping squares.
    QPixmap pixmap(44, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const int half = attribute::bright(a) ? 8 : 0;
    p.setPen(Qt::black);
    p.setBrush(QColor::fromRgb(kDisplayPalette[half + attribute::paper(a)]));
    p.drawRect(1, 1, 26, 22);
    p.setBrush(QColor::fromRgb(kDisplayPalette[half + attribute::ink(a)]));
    p.drawRect(16, 9, 26, 22);
    return pixmap;
}

// Sprite check: the picture where the mask is set, a checkerboard elsewhere.
QImage backgroundImage(const Picture& picture, const QImage& rendered) {
    QImage image(rendered.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, picture.maskPixel(x, y) ? rendered.pixel(x, y)
                                                         : ((x / 4 + y / 4) % 2 ? 0xFFB4B4BE : 0xFFE6E6EC));
    return image;
}

}  // namespace

GfxEditorWindow::GfxEditorWindow(GfxEditorContext context, QWidget* parent)
    : QDialog(parent),
      session_(context.session),
      settings_(context.settings),
      helpRoot_(std::move(context.helpRoot)),
      gestures_(session_.picture, session_.draw, [this](int n) {
          return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random_);
      }) {
    setWindowTitle(QStringLiteral("Mosaic GFX Editor"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setAcceptDrops(true);
    setSizeGripEnabled(true);
    session_.draw.transparency = 0;
    if (session_.draw.brush.bits.empty()) session_.draw.brush = builtInBrushes().front();

    view_ = new PictureView(session_.picture, renderer_, PictureView::Shows::Picture, this);
    view_->setObjectName(QStringLiteral("pictureView"));
    maskView_ = new PictureView(session_.picture, renderer_, PictureView::Shows::Mask, this);
    maskView_->setObjectName(QStringLiteral("maskView"));
    for (PictureView* v : {view_, maskView_}) {
        const bool mask = v == maskView_;
        connect(v, &PictureView::pressed, this, [this, mask](QPoint p, Qt::MouseButton b) { onPress(p, b, mask); });
        connect(v, &PictureView::moved, this, &GfxEditorWindow::onMove);
        connect(v, &PictureView::released, this, &GfxEditorWindow::onRelease);
        connect(v, &PictureView::hovered, this, &GfxEditorWindow::onHover);
        connect(v, &PictureView::left, this, [this] { attributeLabel_->clear(), positionLabel_->clear(); });
        v->setGrid(session_.gridShown);
    }

    auto* menuBar = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(buildToolBar());
    auto* row = new QHBoxLayout;
    row->addWidget(buildSidePanel());
    row->addWidget(buildPictureTabs(), 1);
    layout->addLayout(row, 1);
    auto* status = new QStatusBar(this);
    toolLabel_ = new QLabel(this);
    toolLabel_->setMinimumWidth(110);
    attributeLabel_ = new QLabel(this);
    attributeLabel_->setMinimumWidth(140);
    positionLabel_ = new QLabel(this);
    status->addWidget(toolLabel_);
    status->addWidget(attributeLabel_);
    status->addWidget(positionLabel_);
    layout->addWidget(status);
    buildMenus(menuBar);

    auto* flashTimer = new QTimer(this);
    connect(flashTimer, &QTimer::timeout, this, &GfxEditorWindow::tickFlash);
    flashTimer->start(kFlashMs);
    auto* marquee = new QTimer(this);
    connect(marquee, &QTimer::timeout, this, [this] {
        if (gestures_.selection().empty()) return;
        marqueePhase_ = (marqueePhase_ + 1) & 3;
        view_->setMarqueePhase(marqueePhase_);
    });
    marquee->start(kMarqueeMs);

    setTool(GfxTool::Endless);
    setZoom(2);
    refreshPalette();
    refreshSidePictures();
    refreshUndoActions();
    resize(std::max(320, settings_.integer(Setting::WindowWidth)), std::max(240, settings_.integer(Setting::WindowHeight)));
    built_ = true;
}

QWidget* GfxEditorWindow::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setIconSize({22, 22});
    const auto tool = [this, bar](const char* tip, GfxTool t) {
        QAction* a = bar->addAction(gfxToolIcon(QString::fromLatin1(tip)), QString::fromLatin1(tip), this,
                                    [this, t] { setTool(t); });
        a->setObjectName(QStringLiteral("tool") + QString::fromLatin1(tip));
    };
    const auto action = [this, bar](const char* tip, auto slot) {
        QAction* a = bar->addAction(gfxToolIcon(QString::fromLatin1(tip)), QString::fromLatin1(tip), this, slot);
        a->setObjectName(QStringLiteral("tool") + QString(QString::fromLatin1(tip)).remove(QLatin1Char(' ')));
        return a;
    };
    tool("Freehand", GfxTool::Endless);
    tool("Brush", GfxTool::Stamp);
    tool("Line", GfxTool::Line);
    tool("Attribute", GfxTool::Attribute);
    tool("Fill", GfxTool::Fill);
    tool("Spray", GfxTool::Spray);
    tool("Selection", GfxTool::Selection);
    tool("Box", GfxTool::Box);
    action("RoundBox", [] {});  // selects no tool
    tool("Circle", GfxTool::Circle);
    tool("ColPick", GfxTool::ColourPick);
    bar->addSeparator();
    zoomMenu_ = new QMenu(this);
    for (int z : {1, 2, 4, 8, 16})
        zoomMenu_->addAction(QStringLiteral("%1x").arg(z), this, [this, z] { setZoom(z); });
    action("Zoom", [this] { zoomMenu_->popup(QCursor::pos()); });
    action("Text to Brush", [this] { textToBrush(); });
    action("Clear", [this] { clearPicture(); });
    action("Transparency", [this] { transparency_[0]->toggle(); });
    undoButton_ = action("Undo", [this] { undo(); });
    redoButton_ = action("Redo", [this] { redo(); });
    return bar;
}

QWidget* GfxEditorWindow::buildSidePanel() {
    auto* panel = new QWidget(this);
    panel->setFixedWidth(kSidePanelWidth);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* palette = new QGroupBox(QStringLiteral("Palette"), panel);
    auto* grid = new QGridLayout(palette);
    grid->setSpacing(3);
    for (int colour = 0; colour < 8; ++colour) {
        // Left click takes the colour as ink, right click as paper.
        auto* swatch = new QToolButton(palette);
        swatch->setObjectName(QStringLiteral("swatch%1").arg(colour));
        swatch->setFixedSize(22, 22);
        swatch->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 1px solid #444; }")
                                  .arg(pure(colour).name()));
        swatch->setToolTip(QStringLiteral("Left: ink, right: paper"));
        swatch->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(swatch, &QToolButton::clicked, this, [this, colour] {
            setCurrentAttribute(static_cast<std::uint8_t>((currentAttribute() & ~0x07) | colour));
        });
        connect(swatch, &QToolButton::customContextMenuRequested, this, [this, colour] {
            setCurrentAttribute(static_cast<std::uint8_t>((currentAttribute() & ~0x38) | colour << 3));
        });
        grid->addWidget(swatch, colour / 4, colour % 4);
    }
    bright_ = new QCheckBox(QStringLiteral("Bright"), palette);
    flash_ = new QCheckBox(QStringLiteral("Flash"), palette);
    connect(bright_, &QCheckBox::toggled, this, [this](bool on) {
        setCurrentAttribute(static_cast<std::uint8_t>((currentAttribute() & ~0x40) | (on ? 0x40 : 0)));
    });
    connect(flash_, &QCheckBox::toggled, this, [this](bool on) {
        setCurrentAttribute(static_cast<std::uint8_t>((currentAttribute() & ~0x80) | (on ? 0x80 : 0)));
    });
    attributeSwatch_ = new QLabel(palette);
    grid->addWidget(bright_, 2, 0, 1, 2);
    grid->addWidget(flash_, 3, 0, 1, 2);
    grid->addWidget(attributeSwatch_, 2, 2, 2, 2);
    column->addWidget(palette);

    auto* keepBox = new QWidget(panel);
    auto* keep = new QGridLayout(keepBox);
    keep->setContentsMargins(4, 0, 0, 0);
    keep->addWidget(new QLabel(QStringLiteral("Transparency:"), keepBox), 0, 0, 1, 2);
    const std::pair<const char*, std::uint8_t> bits[] = {
        {"Paper", kKeepPaper}, {"Ink", kKeepInk}, {"Bright", kKeepBright}, {"Flash", kKeepFlash}};
    for (int i = 0; i < 4; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(bits[i].first), keepBox);
        box->setObjectName(QStringLiteral("keep") + QString::fromLatin1(bits[i].first));
        const std::uint8_t bit = bits[i].second;
        connect(box, &QCheckBox::toggled, this, [this, bit](bool on) {
            session_.draw.transparency = static_cast<std::uint8_t>(on ? session_.draw.transparency | bit
                                                                      : session_.draw.transparency & ~bit);
        });
        transparency_[static_cast<std::size_t>(i)] = box;
        keep->addWidget(box, 1 + i / 2, i % 2);
    }
    column->addWidget(keepBox);

    auto* previews = new QHBoxLayout;
    const auto previewButton = [panel, previews](const QString& caption, QToolButton*& button) {
        auto* box = new QVBoxLayout;
        box->addWidget(new QLabel(caption, panel), 0, Qt::AlignHCenter);
        button = new QToolButton(panel);
        button->setIconSize({32, 32});
        button->setToolTip(QStringLiteral("Choose the %1").arg(caption.toLower()));
        box->addWidget(button, 0, Qt::AlignHCenter);
        previews->addLayout(box);
    };
    previewButton(QStringLiteral("Texture"), texturePreview_);
    previewButton(QStringLiteral("Brush"), brushPreview_);
    connect(texturePreview_, &QToolButton::clicked, this, &GfxEditorWindow::openTextures);
    connect(brushPreview_, &QToolButton::clicked, this, &GfxEditorWindow::openBrushes);
    column->addLayout(previews);

    auto* tabs = new QTabWidget(panel);
    preview_ = new QLabel(tabs);
    preview_->setAlignment(Qt::AlignCenter);
    documentList_ = new QListWidget(tabs);
    documentList_->setObjectName(QStringLiteral("documentList"));
    testTile_ = new QLabel(tabs);
    testTile_->setAlignment(Qt::AlignCenter);
    testTile_->setToolTip(QStringLiteral("The picture repeated, to check that it tiles"));
    tabs->addTab(preview_, QStringLiteral("Preview"));
    tabs->addTab(documentList_, QStringLiteral("List"));
    tabs->addTab(testTile_, QStringLiteral("Test"));
    column->addWidget(tabs, 1);
    return panel;
}

QWidget* GfxEditorWindow::buildPictureTabs() {
    pictureTabs_ = new QTabWidget(this);
    const auto scrolled = [this](QWidget* inside) {
        auto* area = new QScrollArea(pictureTabs_);
        area->setWidget(inside);
        area->setAlignment(Qt::AlignCenter);
        area->setBackgroundRole(QPalette::Dark);
        return area;
    };
    background_ = new QLabel;
    background_->setToolTip(QStringLiteral("The picture inside its mask, over a neutral background"));
    pictureTabs_->addTab(scrolled(view_), QStringLiteral("Picture"));
    pictureTabs_->addTab(scrolled(maskView_), QStringLiteral("Mask"));
    pictureTabs_->addTab(scrolled(background_), QStringLiteral("Background"));
    return pictureTabs_;
}

void GfxEditorWindow::setTool(GfxTool tool) {
    gestures_.setTool(tool);
    view_->setPreview(std::nullopt);
    toolLabel_->setText(QString::fromLatin1(toolName(tool)));
}

void GfxEditorWindow::setZoom(int zoom) {
    view_->setZoom(zoom);
    maskView_->setZoom(zoom);
    refreshSidePictures();
}

QString GfxEditorWindow::toolStatus() const { return toolLabel_->text(); }
QString GfxEditorWindow::attributeStatus() const { return attributeLabel_->text(); }

std::uint8_t GfxEditorWindow::currentAttribute() const { return session_.draw.attribute; }

void GfxEditorWindow::setCurrentAttribute(std::uint8_t a) {
    session_.draw.attribute = a;
    refreshPalette();
}

void GfxEditorWindow::refreshPalette() {
    const std::uint8_t a = session_.draw.attribute;
    const QSignalBlocker b1(bright_), b2(flash_);
    bright_->setChecked(attribute::bright(a));
    flash_->setChecked(attribute::flash(a));
    attributeSwatch_->setPixmap(attributePixmap(a));
    attributeSwatch_->setToolTip(QStringLiteral("Ink %1, paper %2").arg(attribute::ink(a)).arg(attribute::paper(a)));
    texturePreview_->setIcon(QIcon(QPixmap::fromImage(texturePicture(session_.draw.texture).scaled(32, 32))));
    brushPreview_->setIcon(QIcon(QPixmap::fromImage(brushPicture(session_.draw.brush).scaled(32, 32))));
}

void GfxEditorWindow::onPress(QPoint p, Qt::MouseButton button, bool mask) {
    applyStep(gestures_.press(p.x(), p.y(), button == Qt::LeftButton, mask ? Plane::Mask : Plane::Bitmap));
    if (const auto picked = gestures_.takePicked()) setCurrentAttribute(*picked);
    updatePreview();
}

void GfxEditorWindow::onMove(QPoint p) {
    applyStep(gestures_.move(p.x(), p.y()));
    updatePreview();
}

void GfxEditorWindow::onRelease(QPoint p) {
    applyStep(gestures_.release(p.x(), p.y()));
    updatePreview();
}

void GfxEditorWindow::updatePreview() {
    view_->setSelection(gestures_.selection());
    const auto drag = gestures_.shapeDrag();
    if (!drag || gestures_.tool() == GfxTool::Selection) return view_->setPreview(std::nullopt);
    using Kind = PictureView::Preview::Kind;
    const Kind kind = gestures_.tool() == GfxTool::Box ? Kind::Box
                      : gestures_.tool() == GfxTool::Circle ? Kind::Circle : Kind::Line;
    PictureView* target = pictureTabs_->currentIndex() == 1 ? maskView_ : view_;
    target->setPreview(PictureView::Preview{kind, drag->x0, drag->y0, drag->x1, drag->y1, ToolGestures::circleRadius(*drag)});
}

void GfxEditorWindow::applyStep(const GestureStep& step) {
    if (!step.changed.empty()) {
        view_->refreshArea(step.changed);
        maskView_->refreshArea(step.changed);
    }
    if (!step.completed) return;
    maskView_->setPreview(std::nullopt);
    session_.undo.push(session_.picture.data());
    refreshSidePictures();
    refreshUndoActions();
}

void GfxEditorWindow::onHover(QPoint p) {
    const Picture& picture = session_.picture;
    if (!picture.contains(p.x(), p.y())) {
        attributeLabel_->clear();
        positionLabel_->clear();
        return;
    }
    const std::uint8_t a = picture.attributeOfPixel(p.x(), p.y());
    attributeLabel_->setText(QStringLiteral("I: %1,P: %2 B: %3").arg(attribute::ink(a)).arg(attribute::paper(a)).arg(attribute::bright(a) ? 1 : 0));
    positionLabel_->setText(QStringLiteral("%1,%2 (%3,%4)").arg(p.x()).arg(p.y()).arg(p.x() / 8).arg(p.y() / 8));
}

void GfxEditorWindow::refreshViews() {
    view_->refreshAll();
    maskView_->refreshAll();
    refreshSidePictures();
    refreshUndoActions();
}

void GfxEditorWindow::refreshSidePictures() {
    const Picture& picture = session_.picture;
    const QImage& image = view_->image();
    preview_->setPixmap(QPixmap::fromImage(
        image.scaled(kSidePanelWidth - 16, 200, Qt::KeepAspectRatio, Qt::FastTransformation)));
    QImage tiled(image.width() * 2, image.height() * 2, QImage::Format_RGB32);
    {
        QPainter p(&tiled);
        for (int i = 0; i < 4; ++i) p.drawImage(image.width() * (i % 2), image.height() * (i / 2), image);
    }
    testTile_->setPixmap(QPixmap::fromImage(
        tiled.scaled(kSidePanelWidth - 16, 200, Qt::KeepAspectRatio, Qt::FastTransformation)));
    const QImage back = backgroundImage(picture, image);
    // At the view's zoom, but never a pixmap of hundreds of megabytes for a long strip of cells.
    const int scale = std::clamp(4096 / std::max(back.width(), back.height()), 1, view_->zoom());
    background_->setPixmap(QPixmap::fromImage(back.scaled(back.size() * scale)));
    background_->adjustSize();
    documentList_->clear();
    documentList_->addItem(toQ(picture.name));
    documentList_->addItem(QStringLiteral("Res: %1*%2").arg(picture.width()).arg(picture.height()));
    documentList_->addItem(QStringLiteral("File: ") + toQ(picture.fileName));
}

void GfxEditorWindow::refreshUndoActions() {
    for (QAction* a : {undoAction_, undoButton_})
        if (a) a->setEnabled(session_.undo.canUndo());
    for (QAction* a : {redoAction_, redoButton_})
        if (a) a->setEnabled(session_.undo.canRedo());
}

void GfxEditorWindow::tickFlash() {
    renderer_.setFlashInverted(!renderer_.flashInverted());
    const auto attrs = session_.picture.attributes();
    const bool anyFlash = std::any_of(attrs, attrs + session_.picture.layout().attributeSize,
                                      [](std::uint8_t a) { return attribute::flash(a); });
    if (anyFlash && !view_->hideAttributes()) view_->refreshAll();
}

void GfxEditorWindow::undo() {
    if (session_.undo.undo(session_.picture.data())) refreshViews();
}

void GfxEditorWindow::redo() {
    if (session_.undo.redo(session_.picture.data())) refreshViews();
}

void GfxEditorWindow::clearPicture() {
    session_.picture.clear(session_.draw.attribute);
    session_.undo.push(session_.picture.data());
    refreshViews();
}

void GfxEditorWindow::pictureReplaced(int oldWidth, int oldHeight) {
    session_.pictureReplaced(oldWidth, oldHeight);
    showNewPicture();
}

void GfxEditorWindow::showNewPicture() {
    // The picture may be smaller now: the selection stays inside it.
    gestures_.setSelection(clipToPicture(gestures_.selection(), session_.picture));
    view_->setSelection(gestures_.selection());
    refreshViews();
}

void GfxEditorWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The next opening and the settings written at exit keep the size.
    if (!built_) return;
    settings_.set(Setting::WindowWidth, width());
    settings_.set(Setting::WindowHeight, height());
}

}  // namespace quillo
