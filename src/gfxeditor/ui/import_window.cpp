#include "gfxeditor/ui/import_window.h"

#include "common/ui/menu_item.h"
#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "gfxeditor/gfx_session.h"
#include "gfxeditor/ui/picture_view.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

namespace quillo {

namespace {

constexpr const char* kSliderCaptions[kImportSliderCount] = {"Red 1", "Red 2", "Gre 1", "Gre 2",
                                                             "Blu 1", "Blu 2", "Bri 1", "Bri 2"};
constexpr const char* kModeCaptions[4] = {"Monochrome Bi-Tone", "Monochrome Midtone", "Color Bi-Tone",
                                          "Color Midtone"};

// The "Grey:" choices: which channels make the grey copy, and how.
struct GreyOption {
    const char* caption;
    GreyChoice choice;
};
constexpr GreyOption kGreyOptions[] = {
    {"Weighted RGB", {7, true}}, {"Average RGB", {7, false}}, {"Red", {2, false}},
    {"Green", {4, false}},       {"Blue", {1, false}},
};

// Whole cells only: the right and bottom edges are cut to multiples of 8.
PixelBuffer toPixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    PixelBuffer buffer(rgb.width() / 8 * 8, rgb.height() / 8 * 8);
    for (int y = 0; y < buffer.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < buffer.width; ++x) buffer.at(x, y) = line[x] & 0xFFFFFF;
    }
    return buffer;
}

// Shows why a picture was refused; true when it was taken.
bool taken(QWidget* parent, const PcImport::Taken& result) {
    if (result.ok) return true;
    showMessage(parent, result.message == "oh" ? QStringLiteral("Too big") : QStringLiteral("Import"),
                toQ(result.message), QMessageBox::Warning);
    return false;
}

bool runImport(QWidget* parent, GfxSession& session, const QImage& image, const QString& refusedPrefix) {
    PcImport import;
    PcImport::Taken result = import.take(toPixels(image));
    if (!result.ok && result.message != "oh") result.message = fromQ(refusedPrefix) + result.message;
    if (!taken(parent, result)) return false;
    const int oldWidth = session.picture.width(), oldHeight = session.picture.height();
    ImportWindow window(session, import, parent);
    window.exec();
    session.pictureReplaced(oldWidth, oldHeight);
    return true;
}

}  // namespace

ImportWindow::ImportWindow(GfxSession& session, PcImport& import, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), session_(session),
      import_(import) {
    setWindowTitle(QStringLiteral("Import"));
    resize(796, 550);
    auto* layout = new QVBoxLayout(this);
    view_ = new PictureView(session_.picture, renderer_, PictureView::Shows::Picture);
    view_->setObjectName(QStringLiteral("importPreview"));
    view_->setZoom(1);
    view_->setGrid(session_.gridShown);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view_);
    scroll->setAlignment(Qt::AlignCenter);
    layout->addWidget(scroll, 1);
    layout->addWidget(buildControls());
    buildMenus();
    reconvert();
}

QWidget* ImportWindow::buildControls() {
    auto* row = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(row);
    auto* controls = new QGroupBox(QStringLiteral("Controls"), row);
    auto* grid = new QGridLayout(controls);
    for (int i = 0; i < kImportSliderCount; ++i) {
        auto* slider = new QSlider(Qt::Horizontal, controls);
        slider->setObjectName(QStringLiteral("importSlider%1").arg(i));
        slider->setRange(0, 255);
        slider->setValue(kDefaultThresholds[i]);
        auto* value = new QLabel(QString::number(kDefaultThresholds[i]), controls);
        value->setMinimumWidth(30);
        // Two columns of four rows: the colour pairs side by side.
        const int r = i / 2, c = i % 2 * 3;
        grid->addWidget(new QLabel(QString::fromLatin1(kSliderCaptions[i]), controls), r, c);
        grid->addWidget(slider, r, c + 1);
        grid->addWidget(value, r, c + 2);
        sliders_[i] = slider;
        values_[i] = value;
        connect(slider, &QSlider::valueChanged, this, [this, i](int v) { sliderMoved(i, v); });
    }
    lock_ = new QCheckBox(QStringLiteral("Lock Channels"), controls);
    lock_->setObjectName(QStringLiteral("importLock"));
    grid->addWidget(lock_, 4, 0, 1, 3);
    grey_ = new QComboBox(controls);
    grey_->setObjectName(QStringLiteral("importGrey"));
    for (const GreyOption& option : kGreyOptions) grey_->addItem(QString::fromLatin1(option.caption));
    grid->addWidget(new QLabel(QStringLiteral("Grey:"), controls), 4, 3);
    grid->addWidget(grey_, 4, 4, 1, 2);
    connect(grey_, &QComboBox::currentIndexChanged, this, [this] { greyChanged(); });
    rowLayout->addWidget(controls, 1);

    auto* side = new QVBoxLayout;
    auto* modeFrame = new QGroupBox(QStringLiteral("Mode"), row);
    auto* modeLayout = new QVBoxLayout(modeFrame);
    for (int m = 0; m < 4; ++m) {
        modes_[m] = new QRadioButton(QString::fromLatin1(kModeCaptions[m]), modeFrame);
        modes_[m]->setObjectName(QStringLiteral("importMode%1").arg(m));
        modeLayout->addWidget(modes_[m]);
    }
    modes_[static_cast<int>(session_.importMode)]->setChecked(true);
    for (int m = 0; m < 4; ++m)
        connect(modes_[m], &QRadioButton::toggled, this, [this, m](bool on) {
            if (on) setMode(static_cast<ImportMode>(m));
        });
    side->addWidget(modeFrame);
    auto* save = new QPushButton(QStringLiteral("Save Values"), row);
    auto* restore = new QPushButton(QStringLiteral("Restore Values"), row);
    connect(save, &QPushButton::clicked, this, [this] { session_.savedThresholds = thresholds(); });
    connect(restore, &QPushButton::clicked, this, [this] {
        const bool locked = lock_->isChecked();
        lock_->setChecked(false);  // the saved values go back as they were, uncoupled
        for (int i = 0; i < kImportSliderCount; ++i) setThreshold(static_cast<ImportSlider>(i), session_.savedThresholds[i]);
        lock_->setChecked(locked);
    });
    side->addWidget(save);
    side->addWidget(restore);
    side->addStretch();
    rowLayout->addLayout(side);
    return row;
}

void ImportWindow::buildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto disabled = [](QMenu* menu, const QString& caption) { menu->addAction(caption)->setEnabled(false); };
    disabled(bar->addMenu(QStringLiteral("Project")), QStringLiteral("Open"));
    QMenu* importMenu = bar->addMenu(QStringLiteral("Import"));
    disabled(importMenu, QStringLiteral("PC picture"));
    addMenuItem(importMenu, this, QStringLiteral("From Clipboard (Ctrl+V)"), [this] { pasteFromClipboard(); },
                QKeySequence(Qt::CTRL | Qt::Key_V));
    disabled(importMenu, QStringLiteral("Append"));
    disabled(importMenu, QStringLiteral("Save"));
    QMenu* viewMenu = bar->addMenu(QStringLiteral("View"));
    QMenu* zoom = viewMenu->addMenu(QStringLiteral("Zoom"));
    auto* zooms = new QActionGroup(this);
    for (int factor : {1, 2, 4, 8}) {
        QAction* a = zoom->addAction(QStringLiteral("x%1").arg(factor), this, [this, factor] { view_->setZoom(factor); });
        a->setCheckable(true);
        a->setChecked(factor == 1);
        zooms->addAction(a);
    }
    QAction* hide = viewMenu->addAction(QStringLiteral("Hide Attribute"), this,
                                        [this](bool on) { view_->setHideAttributes(on); });
    hide->setCheckable(true);
    QAction* grid = viewMenu->addAction(QStringLiteral("Grid"), this, [this](bool on) {
        session_.gridShown = on;
        view_->setGrid(on);
    });
    grid->setCheckable(true);
    grid->setChecked(session_.gridShown);
    disabled(bar->addMenu(QStringLiteral("Edit")), QStringLiteral("Replace Color"));
}

ImportThresholds ImportWindow::thresholds() const {
    ImportThresholds t{};
    for (int i = 0; i < kImportSliderCount; ++i) t[i] = sliders_[i]->value();
    return t;
}

void ImportWindow::setThreshold(ImportSlider slider, int value) { sliders_[slider]->setValue(value); }

void ImportWindow::setMode(ImportMode mode) {
    session_.importMode = mode;
    if (!modes_[static_cast<int>(mode)]->isChecked()) modes_[static_cast<int>(mode)]->setChecked(true);
    reconvert();
}

void ImportWindow::sliderMoved(int index, int value) {
    values_[index]->setText(QString::number(value));
    if (lock_->isChecked() && !coupling_ && index < kBright1) {
        // The same-numbered slider of the other two colour channels: indices of equal parity below "Bri".
        coupling_ = true;
        for (int other = index % 2; other < kBright1; other += 2)
            if (other != index) sliders_[other]->setValue(value);
        coupling_ = false;
    }
    if (!coupling_) reconvert();
}

void ImportWindow::greyChanged() {
    const int index = grey_->currentIndex();
    if (index < 0 || !import_.hasPicture()) return;
    // The grey copy belongs to the taken picture, so the picture is taken again with the new choice.
    PixelBuffer source = import_.source();
    if (taken(this, import_.take(std::move(source), kGreyOptions[index].choice))) reconvert();
}

void ImportWindow::pasteFromClipboard() {
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) return;
    const int index = std::max(grey_->currentIndex(), 0);
    if (taken(this, import_.take(toPixels(image), kGreyOptions[index].choice))) reconvert();
}

void ImportWindow::reconvert() {
    import_.convert(session_.importMode, thresholds(), session_.picture);
    view_->refreshAll();
}

bool importPictureFromClipboard(QWidget* parent, GfxSession& session) {
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) return false;
    return runImport(parent, session, image, QString());
}

bool importPictureFile(QWidget* parent, GfxSession& session, const QString& path) {
    QImage image;
    if (!image.load(path)) {
        showMessage(parent, QStringLiteral("Import"), QStringLiteral("The picture %1 could not be read.").arg(path),
                    QMessageBox::Warning);
        return false;
    }
    return runImport(parent, session, image, path + QStringLiteral(": "));
}

}  // namespace quillo
