#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace brevix {

// One row of the picture library's table PData.
struct PictureRow
{
    int ID = 0;     // picture number: 0 system, 1..49 KX.bin, 51..100 SPI.bin, 50 never compiled
    int PID = 1;    // library group; only rows with PID = 1 are used
    QString FName;  // file name the picture came from
    QString Ext;    // ".bmp" or ".jpg" (lower case, with the dot)
    QByteArray Pic; // the file's bytes, unchanged
    int Folder = 0; // non-zero rows show no preview
    bool BMark = false;
    QString Pass;
    QString Note; // display name
};

using PictureRows = std::vector<PictureRow>;

inline constexpr int kSystemPictureId = 0;
inline constexpr int kFirstSpiPictureId = 50; // 50 itself is compiled into neither image
inline constexpr int kLastSpiPictureId = 100;

} // namespace brevix
