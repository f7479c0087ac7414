#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace brevix {

// Rules of the register number edit of the address choosers: the number lives apart from the
// text, is bounded by the device's highest register and is typed in decimal or, for devices
// numbered in hexadecimal, in hexadecimal.
enum class RegisterRadix { Decimal, Hexadecimal };

constexpr int kRegisterEditMaxLength = 5;
// Bit limit of a device numbered in hexadecimal (it has no bit number either).
constexpr int kHexadecimalDeviceBit = -1;

// A device list entry (highest register or bit) as a number; not a number gives 0.
int deviceNumber(const QString &text);
// Entry index of a device list, 0 when index is outside the list.
int deviceNumberAt(const QStringList &list, int index);

RegisterRadix radixForBitLimit(int bitLimit);
// Keys the edit accepts besides backspace.
bool acceptsRegisterKey(QChar key, RegisterRadix radix);
// The number typed: empty is 0; a text that is not a number in the radix keeps previous;
// the result is at most limit.
int registerFromText(const QString &text, RegisterRadix radix, int limit, int previous);
// Decimal, or three upper-case hexadecimal digits.
QString registerText(int value, RegisterRadix radix);
// The hint of the edit: "0 ~ " + limit in the radix.
QString registerHint(int limit, RegisterRadix radix);
// One spin step: up while below limit, down while above 0.
int stepRegister(int value, bool up, int limit);
int clampRegister(int value, int limit);

// The bit spin edit is shown when the device has a bit number (limit above 0).
bool bitEditVisible(int bitLimit);
QString bitHint(int bitLimit);

// The device to select after the list changed: the remembered index, or the last device when
// the list is shorter (an empty list selects nothing, -1).
int deviceIndexAfterRefill(int remembered, int count);

} // namespace brevix
