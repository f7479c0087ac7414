#pragma once

#include "text/message.h"

namespace brevix::downloadtext {

// Every text of the download, in both interface languages.
inline const Message kReadyInitial{QStringLiteral("就绪..."), QStringLiteral("Ready...")};
inline const Message kReady{QStringLiteral("就绪"), QStringLiteral("Ready")};
inline const Message kCaption{QStringLiteral("下载画面数据"), QStringLiteral("Download page data")};
inline const Message kPictureCaption{QStringLiteral("下载扩展图库数据"),
                                     QStringLiteral("Download extended picture data")};
inline const Message kPortFailed{QStringLiteral("打开串口失败!"),
                                 QStringLiteral("Cannot open the serial port!")};
inline const Message kPortBusyBox{
    QStringLiteral("当前串口号已经被占用，或其它错误 ！\n请选择其它串口，或检查串口设置是否正确。"),
    QStringLiteral("The serial port is in use, or another error occurred!\nChoose another port "
                   "or check the port settings.")};
inline const QString kPortBusyTitle = QStringLiteral("Mondrel");
inline const Message kSearching{QStringLiteral("搜索设备"),
                                QStringLiteral("Searching for the panel")};
inline const Message kSearchFailed{QStringLiteral("搜索失败！"),
                                   QStringLiteral("Panel not found!")};
inline const Message kSyncStart{QStringLiteral("同步开始！"), QStringLiteral("Synchronising!")};
inline const Message kSyncFailed{QStringLiteral("同步失败！"),
                                 QStringLiteral("Synchronisation failed!")};
inline const Message kSyncDone{QStringLiteral("同步成功！"), QStringLiteral("Synchronised!")};
inline const Message kTransferFailed{QStringLiteral("下载异常！"),
                                     QStringLiteral("Download error!")};
inline const Message kCancel{QStringLiteral("取  消 (&N)"), QStringLiteral("Cancel (&N)")};
inline const Message kTimeSyncOff{QStringLiteral("下载不同步PC机时间(&S)"),
                                  QStringLiteral("Do not set the panel clock (&S)")};
inline const Message kTimeSyncOn{QStringLiteral("下载加同步PC机时间(&S)"),
                                 QStringLiteral("Set the panel clock from the PC (&S)")};
inline const Message kFileMissing{
    QStringLiteral("找不到下载文件 %1，请先编译。"),
    QStringLiteral("Download file %1 not found; build the project first.")};
inline const Message kUnconfirmedBlock{QStringLiteral("面板未确认数据块 %1"),
                                       QStringLiteral("Block %1 not confirmed by the panel")};
inline const Message kUnconfirmedPicture{
    QStringLiteral("面板未确认图库块 %1"),
    QStringLiteral("Picture block %1 not confirmed by the panel")};

} // namespace brevix::downloadtext
