// Drawing speed of the graphics editor: the picture view's repaint after a
// one-pixel change against a plain scaled draw of the whole picture, a
// freehand stroke, a flood fill of the whole screen and an undo snapshot.
// Run offscreen: QT_QPA_PLATFORM=offscreen ./gfx_drawing_bench
#include "gfxeditor/drawing.h"
#include "gfxeditor/picture.h"
#include "gfxeditor/picture_renderer.h"
#include "gfxeditor/undo_ring.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace quillo;

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 800;

// What the picture view shows at a zoom: the visible part of the window, in
// screen pixels, and the picture pixels behind it.
struct View {
    QRect target;
    QRect source;
    explicit View(int zoom)
        : target(0, 0, std::min(kScreenWidth, 256 * zoom), std::min(kScreenHeight, 192 * zoom)),
          source(0, 0, (target.width() + zoom - 1) / zoom, (target.height() + zoom - 1) / zoom) {}
};

QImage pictureImage(const Picture& picture, const PictureRenderer& renderer) {
    QImage image(picture.pixelWidth(), picture.pixelHeight(), QImage::Format_RGB32);
    renderer.render(picture, reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4,
                    picture.bounds());
    return image;
}

// The window's way: re-render only the changed cell into its 1:1 image, then
// paint the visible part of it.
void BM_RepaintAfterOnePixel(benchmark::State& state) {
    const View view(static_cast<int>(state.range(0)));
    Picture picture;
    PictureRenderer renderer;
    QImage image = pictureImage(picture, renderer);
    QImage screen(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        const int x = (step * 7) % view.source.width();
        const int y = (step * 3) % view.source.height();
        ++step;
        plot(picture, x, y, -1, 0x0A, 0);
        renderer.render(picture, reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4,
                        {x / 8 * 8, y / 8 * 8, 8, 8});
        QPainter painter(&screen);
        painter.drawImage(view.target, image, view.source);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_RepaintAfterOnePixel)->Arg(1)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond);

// Baseline: the whole 1:1 picture scaled into the same visible area.
void BM_PlainScaledDraw(benchmark::State& state) {
    const View view(static_cast<int>(state.range(0)));
    Picture picture;
    PictureRenderer renderer;
    const QImage image = pictureImage(picture, renderer);
    QImage screen(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        painter.drawImage(view.target, image);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_PlainScaledDraw)->Arg(1)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond);

// 200 mouse positions joined by lines, as a held button draws them.
void BM_FreehandStroke200(benchmark::State& state) {
    std::vector<std::pair<int, int>> points;
    for (int i = 0; i < 200; ++i)
        points.emplace_back(8 + i, 96 + static_cast<int>(std::lround(60 * std::sin(i / 10.0))));
    Picture picture;
    DrawState draw;
    for (auto _ : state) {
        for (std::size_t i = 1; i < points.size(); ++i)
            drawLine(picture, Plane::Bitmap, points[i - 1].first, points[i - 1].second, points[i].first,
                     points[i].second, 1, draw);
        benchmark::DoNotOptimize(picture.bitmap());
    }
}
BENCHMARK(BM_FreehandStroke200)->Unit(benchmark::kMicrosecond);

// Ink and paper alternately, so every fill covers the whole empty screen.
void BM_FloodFillWholeScreen(benchmark::State& state) {
    Picture picture;
    DrawState draw;
    int value = 1;
    for (auto _ : state) {
        floodFill(picture, 128, 96, value, draw);
        value ^= 1;
        benchmark::DoNotOptimize(picture.bitmap());
    }
}
BENCHMARK(BM_FloodFillWholeScreen)->Unit(benchmark::kMillisecond);

void BM_UndoSnapshot(benchmark::State& state) {
    Picture picture;
    UndoRing ring;
    ring.reset(picture.data().size());
    for (auto _ : state) {
        ring.push(picture.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
