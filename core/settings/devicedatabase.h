#pragma once

#include "text/message.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace brevix {

// One device of a controller family as the device database lists it.
struct DeviceEntry
{
    QString name;
    QString maxText;   // highest number as stored (decimal text)
    int maxNumber = 0; // maxText as a number, 0 when it is not one
    int dataBit = 0;   // 0 plain, > 0 word.bit with bits 0..dataBit, -1 numbered in hexadecimal
};

// The word and bit devices of one link's controller family.
struct DeviceList
{
    std::vector<DeviceEntry> words;
    std::vector<DeviceEntry> bits;

    // Highest number of word device d, 0 when there is no such device.
    int wordMax(int d) const;
    int bitMax(int d) const;
    int bitDataBit(int d) const;
    QString firstWordName() const { return words.empty() ? QString() : words.front().name; }
};

// Both links' device lists, as every address dialog, the check and the tools read them.
struct DeviceLists
{
    QStringList sortNames; // the family list ("默认种类:"), index = family index
    DeviceList link[2];
    static QStringList LinkUseCount()
    {
        return {QStringLiteral("Link 1"), QStringLiteral("Link 2")};
    }
    static QStringList L2_Master() { return {QStringLiteral("Modbus RTU Master")}; }
    // "max" of the working parameters: highest number of link 1's first word device.
    int firstWordMax() const { return link[0].wordMax(0); }
};

// Read-only access to KXRes.Dat (SQLite: table "sort"(Name) and "No<n>"(Name, Type, MaxNumber,
// DataBit), rows in rowid order).
class DeviceDatabase
{
public:
    // The shipped database in the data folder.
    static QString defaultPath();

    explicit DeviceDatabase(const QString &path = defaultPath());
    ~DeviceDatabase();
    DeviceDatabase(const DeviceDatabase &) = delete;
    DeviceDatabase &operator=(const DeviceDatabase &) = delete;

    // Opens the file read-only; a missing or unreadable file is a failure with a clear message.
    Result open();
    bool isOpen() const { return m_open; }

    // "select * from sort": the family names in table order.
    QStringList LoadDeviceSort() const;
    // The devices of family index (table "No" + (index + 1)); empty when there is no such table.
    DeviceList devicesOf(int familyIndex) const;

private:
    QString m_path;
    QString m_connection;
    bool m_open = false;
};

// Message when the device database cannot be read.
Message deviceDatabaseMissingMessage(const QString &path);

} // namespace brevix
