// Feeds arbitrary bytes to the simulator as a download image: every page block found is
// decoded, run for two ticks with pressed elements and drawn.
#include "simulator/pagedecoder.h"
#include "simulator/pageruntime.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_simulator_reader";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    static brevix::sim::RegisterMemory memory;

    brevix::sim::DownloadImage image;
    if (!brevix::sim::DownloadImage::fromBytes(
            QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), image))
        return 0;
    // Pages are looked up by the byte after each marker; try the first few that appear.
    static const QByteArray marker("\xEE\xEE\x11\x11\xEE\xEE", 6);
    int tried = 0;
    for (qsizetype at = image.bytes().indexOf(marker, 128);
         at >= 0 && at + 6 < image.size() && tried < 4;
         at = image.bytes().indexOf(marker, at + 1), ++tried) {
        brevix::sim::DecodedPage page;
        if (!brevix::sim::DecodePage(image, static_cast<std::uint8_t>(image.bytes().at(at + 6)),
                                     page))
            continue;
        brevix::sim::PageRuntime runtime(page, memory, tried % 2);
        for (int s = 0; s < brevix::sim::kSimSlotCount; s += 7) {
            runtime.press(s);
            runtime.release(s);
        }
        runtime.refresh();
        runtime.refresh();
        (void)runtime.render(QSize(64, 48));
    }
    return 0;
}
