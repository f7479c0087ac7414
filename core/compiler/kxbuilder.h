#pragma once

#include "macros/macroencoder.h"
#include "model/project.h"
#include "pictures/picturerow.h"
#include "text/message.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace brevix {

// What a build reads besides the project records: the picture library's rows (PID = 1, in
// ascending ID, with their bytes) and the compiled macro area.
struct BuildInputs
{
    PictureRows pictures;
    MacroArea macro;
};

// Reads the inputs that belong to the project file at projectPath (its ".PIC" and ".M"; a
// missing store counts as empty). A library that exists but cannot be read is a failure.
Result loadBuildInputs(const QString &projectPath, BuildInputs &inputs);

struct BuildOptions
{
    // The answer to "工程存在 SPI 图库 ... 需要更新到 SPI Flash 吗 ?": build SPI.bin as well.
    bool spi = false;
};

// Where the bytes of the image went, so a user can see what to cut.
struct SizeReport
{
    struct PageSize
    {
        int page = 0;
        qsizetype bytes = 0;
        int records = 0;
    };
    struct PictureSize
    {
        int id = 0;
        qsizetype bytes = 0;
    };
    qsizetype headerBytes = 0; // settings header and macro area (offsets 0..800)
    qsizetype macroBytes = 0;  // compiled macro (marker and records)
    std::vector<PageSize> pages;
    qsizetype alarmBytes = 0;
    qsizetype pictureAreaBytes = 0; // count byte and records
    std::vector<PictureSize> pictures;
    std::vector<PictureSize> spiPictures;
    qsizetype total = 0;
    qsizetype spiTotal = 0;
};

struct BuildResult
{
    bool ok = false;
    QByteArray kx;  // the whole KX.bin when ok
    QByteArray spi; // SPI.bin when it was requested and built
    bool spiBuilt = false;
    QStringList spiCandidates;  // "55.bmp" lines: pictures numbered 50 and above
    qsizetype imageSize = 0;    // KX.bin's size, also when it was refused
    QString sizeText;           // "N KB" and " / SPI: M KB"
    Message error;              // why ok is false
    std::vector<Message> notes; // warnings that did not stop the build
    SizeReport report;
};

// Compiles the project into the download image (and, with options.spi, the extended picture
// image). Never writes files and never changes the project; an image above 153,600 bytes is
// refused. The buffer holds at most the limit whatever the project contains.
BuildResult BuildDownloadImage(const Project &project, const BuildInputs &inputs,
                               const BuildOptions &options = {});

// Writes KX.bin (and SPI.bin when built) into folder, each replaced only once complete.
Result writeBuildOutput(const BuildResult &result, const QString &folder);

// Empty lamp texts become "0" and "1" in the project, as a build shows them; returns how many
// texts were set.
int applyLampTextDefaults(Project &project);

// Texts of the build.
Message imageTooLargeMessage();
Message spiQuestionMessage(const QStringList &candidates);
Message compileFailedMessage();
Message pageNumberInvalidMessage(int page);
Message keyJumpInvalidMessage(int page, int key);

} // namespace brevix
