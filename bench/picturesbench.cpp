// Picture conversion throughput: decoding stored bitmaps and writing panel RGB565 records.
#include "pictures/pictureconversion.h"
#include "pictures/rgb565.h"

#include <QBuffer>
#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace brevix;

namespace {

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x + y) & 0xFF));
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

// A 480 x 320 picture: the panel's full screen, 307,204 bytes of record.
void BM_Rgb565Record(benchmark::State &state)
{
    const QImage image = gradient(480, 320);
    for (auto _ : state) {
        QByteArray out;
        appendPictureRecord(out, image);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 480 * 320);
    state.SetBytesProcessed(state.iterations() * pictureRecordSize(480, 320));
}
BENCHMARK(BM_Rgb565Record);

void BM_DecodeStored(benchmark::State &state, const char *format, const char *ext)
{
    const QByteArray data = encoded(gradient(480, 320), format);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodePicture(data, QString::fromLatin1(ext)));
    state.SetItemsProcessed(state.iterations() * 480 * 320);
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK_CAPTURE(BM_DecodeStored, bmp24, "BMP", ".bmp");
BENCHMARK_CAPTURE(BM_DecodeStored, jpeg, "JPEG", ".jpg");

// The download pass over a full library: 49 pictures of 64 x 48 plus 50 SPI pictures left out.
void BM_DownloadPass(benchmark::State &state)
{
    PictureRows rows;
    const QByteArray bmp = encoded(gradient(64, 48), "BMP");
    for (int id = 0; id <= 100; ++id)
        rows.push_back(PictureRow{
            id, 1, QStringLiteral("p.bmp"), QStringLiteral(".bmp"), bmp, 0, false, {}, {}});
    for (auto _ : state)
        benchmark::DoNotOptimize(BmpToArray(rows, PicturePass::Download).bytes.size());
    state.SetItemsProcessed(state.iterations() * 50 * 64 * 48);
}
BENCHMARK(BM_DownloadPass);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // image format plugins
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
