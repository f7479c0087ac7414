// Throughput of the transforms per megapixel, including the two BMP copies every call makes.
#include "imaging/picoratransforms.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace {

QImage samplePicture(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    return image;
}

void runTransform(benchmark::State &state, const std::function<bool(QImage &)> &transform)
{
    const QImage source = samplePicture(int(state.range(0)));
    for (auto _ : state) {
        QImage image = source;
        if (!transform(image))
            state.SkipWithError("transform refused");
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["Mpx/s"] = benchmark::Counter(double(source.width()) * source.height() / 1e6,
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

void BM_HorizontalExchange(benchmark::State &state)
{
    runTransform(state, brevix::horizontalExchange);
}
void BM_VerticalExchange(benchmark::State &state)
{
    runTransform(state, brevix::verticalExchange);
}
void BM_Circumgyrate90(benchmark::State &state)
{
    runTransform(state, brevix::circumgyrate90);
}
void BM_ReverseColor(benchmark::State &state)
{
    runTransform(state, brevix::reverseColor);
}
void BM_ThinColor(benchmark::State &state)
{
    runTransform(state, [](QImage &image) { return brevix::thinColor(image, 0, 0xFFFFFF); });
}
void BM_GradientFill(benchmark::State &state)
{
    const int style = int(state.range(1));
    runTransform(state, [style](QImage &image) {
        return brevix::gradientFill(image, style, 0x0000FF, 0xFF0000, 0, 0, image.width(),
                                    image.height());
    });
}

BENCHMARK(BM_HorizontalExchange)->Arg(64)->Arg(1024);
BENCHMARK(BM_VerticalExchange)->Arg(1024);
BENCHMARK(BM_Circumgyrate90)->Arg(64)->Arg(1024);
BENCHMARK(BM_ReverseColor)->Arg(1024);
BENCHMARK(BM_ThinColor)->Arg(1024);
BENCHMARK(BM_GradientFill)->ArgsProduct({{512}, {1, 3, 7, 11, 12}});

} // namespace

BENCHMARK_MAIN();
