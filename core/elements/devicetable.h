#pragma once

#include <QStringList>

namespace brevix {

// The devices of one link as the address choosers read them: names with their highest register
// numbers and, for bit devices, their highest bit (0 none, -1 numbered in hexadecimal).
struct DeviceTable
{
    QStringList names;
    QStringList maxima;
    QStringList bits;

    int count() const { return static_cast<int>(names.size()); }
    int maximum(int index) const;
    int bitLimit(int index) const;
};

// Word and bit devices of both links.
struct AddressDevices
{
    DeviceTable word[2];
    DeviceTable bit[2];

    const DeviceTable &words(int link) const { return word[link == 1 ? 1 : 0]; }
    const DeviceTable &bits(int link) const { return bit[link == 1 ? 1 : 0]; }
};

} // namespace brevix
