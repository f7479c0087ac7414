// Download and firmware upgrade through the emulated panel paced at the real wire rate of
// 115200 8E1 (11 bits a character): elapsed time, payload throughput as a fraction of the
// line's character rate, and for the download the share of the time the protocol itself
// requires (its frames on the wire plus its fixed pauses). stm32flash writes the same image
// through the same emulator for comparison.
#include "devicelink/downloadrun.h"
#include "devicelink/firmwareimages.h"
#include "devicelink/firmwareupgrade.h"
#include "devicelink/serialdriver.h"
#include "panelemulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace brevix;

namespace {

constexpr double kLineCharsPerSecond = 115200.0 / 11.0;

QByteArray pattern(int size, std::uint32_t seed)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        out[i] = static_cast<char>(seed >> 24);
    }
    return out;
}

bool save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

panelemu::EmulatorConfig pacedPanel(panelemu::Mode mode)
{
    panelemu::EmulatorConfig config;
    config.mode = mode;
    config.own = {115200, 8, 'E', 1};
    config.pace = true;
    return config;
}

// Seconds the protocol needs at the least for one file: every frame and answer on the wire,
// and the fixed pauses around each block's acknowledgement.
double mandatorySeconds(qint64 size)
{
    const qint64 blocks = (size + 2047) / 2048;
    const qint64 charsPerBlock = 10 * (209 + 8) + (57 + 8) + (29 + 8) + (8 + 11);
    const double pauses = (100 + 10 + 5) / 1000.0;
    return blocks * (charsPerBlock / kLineCharsPerSecond + pauses);
}

void setRates(benchmark::State &state, double seconds, qint64 payload)
{
    state.counters["elapsed_s"] = seconds;
    state.counters["payload_B_per_s"] = payload / seconds;
    state.counters["line_fraction"] = payload / seconds / kLineCharsPerSecond;
}

void BM_Download(benchmark::State &state)
{
    const QByteArray image = pattern(150000, 1);
    const QByteArray pictures = pattern(3000, 2);
    QTemporaryDir folder;
    save(folder.filePath(QStringLiteral("KX.bin")), image);
    save(folder.filePath(QStringLiteral("SPI.bin")), pictures);
    for (auto _ : state) {
        panelemu::PanelEmulator panel(pacedPanel(panelemu::Mode::Panel));
        panel.start();
        QorCommDriver driver;
        RegisterImage registers;
        DownloadRun run(driver, registers);
        run.setPort(QString::fromStdString(panel.hostPath()));
        run.setImageFile(folder.filePath(QStringLiteral("KX.bin")));
        run.setPictureFile(folder.filePath(QStringLiteral("SPI.bin")));
        double transferStart = 0;
        QElapsedTimer timer;
        timer.start();
        QObject::connect(&run, &DownloadRun::statusChanged, [&](const Message &m) {
            if (m.en == QLatin1String("Synchronised!"))
                transferStart = timer.nsecsElapsed() / 1e9;
        });
        const DownloadReport report = run.run();
        const double seconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        if (!report.fullyConfirmed())
            state.SkipWithError("download did not go through");
        setRates(state, seconds, image.size() + pictures.size());
        const double mandatory = mandatorySeconds(image.size()) + mandatorySeconds(pictures.size());
        state.counters["mandatory_s"] = mandatory;
        state.counters["blocks_s_vs_mandatory"] = (seconds - transferStart) / mandatory;
    }
}

void BM_Upgrade(benchmark::State &state)
{
    const QByteArray image = loadFirmwareImage(FirmwareVariant::Clock72M);
    for (auto _ : state) {
        panelemu::PanelEmulator boot(pacedPanel(panelemu::Mode::BootLoader));
        boot.start();
        QorCommDriver driver;
        FirmwareUpgrade upgrade(driver);
        const UpgradeTiming timing;
        upgrade.setPort(QString::fromStdString(boot.hostPath()));
        upgrade.setImageLoader([&image] { return image; });
        QEventLoop loop;
        bool ok = false;
        QObject::connect(&upgrade, &FirmwareUpgrade::finished, &loop, [&](bool done) {
            ok = done;
            loop.quit();
        });
        QElapsedTimer timer;
        timer.start();
        upgrade.start();
        if (upgrade.isRunning())
            loop.exec();
        const double seconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        if (!ok || boot.bootResults().writeAddresses.size() != 390)
            state.SkipWithError("upgrade did not go through");
        setRates(state, seconds, image.size());
        // The DTR/RTS reset pulse before the first sync is fixed time, not transfer.
        const double pulse = 2 * timing.resetPulseMs / 1000.0;
        state.counters["after_reset_s"] = seconds - pulse;
        state.counters["after_reset_line_fraction"] =
            image.size() / (seconds - pulse) / kLineCharsPerSecond;
    }
}

void BM_Stm32flash(benchmark::State &state)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("stm32flash"));
    if (program.isEmpty()) {
        state.SkipWithError("stm32flash is not installed");
        return;
    }
    const QByteArray image = loadFirmwareImage(FirmwareVariant::Clock72M);
    QTemporaryDir folder;
    save(folder.filePath(QStringLiteral("fw.bin")), image);
    for (auto _ : state) {
        panelemu::PanelEmulator boot(pacedPanel(panelemu::Mode::BootLoader));
        boot.start();
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        // 8N1 on the host side only because a pty cannot hold parity; the emulator paces
        // every character at 11 bits as for 8E1, the same as for our upgrade.
        process.start(program, {QStringLiteral("-b"), QStringLiteral("115200"),
                                QStringLiteral("-m"), QStringLiteral("8n1"), QStringLiteral("-w"),
                                folder.filePath(QStringLiteral("fw.bin")),
                                QString::fromStdString(boot.hostPath())});
        process.waitForFinished(120000);
        const double seconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        if (process.exitCode() != 0 || boot.bootResults().writeAddresses.size() != 390)
            state.SkipWithError("stm32flash did not go through");
        setRates(state, seconds, image.size());
    }
}

BENCHMARK(BM_Download)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Upgrade)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Stm32flash)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
