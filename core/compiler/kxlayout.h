#pragma once

#include <cstdint>

// Byte positions of the download image KX.bin that more than one part of the system reads:
// the builder writes them, the simulator and the download read them back.
namespace brevix::kx {

constexpr int kImageLimit = 153600;     // 150 KB; an image of exactly this size is accepted
constexpr int kSpiImageLimit = 8390022; // SPI.bin
constexpr int kSpiHeaderSize = 210;     // marker, directory for pictures 51..100, 6 zeros

constexpr int kPictureAreaOffset = 0;  // uint32: start of the picture area
constexpr int kSettingsHeader = 4;     // settings header 4..117
constexpr int kAlarmTableOffset = 122; // uint32: start of the alarm text table
constexpr int kMarker = 126;           // 0x16 0xE9
constexpr int kMacroArea = 150;        // 0x16 0xE9 n n 0xE9 0x16, then 8-byte records
constexpr int kMacroRecords = 156;
constexpr int kMacroAreaEnd = 800; // macro records end before this
constexpr int kMaxMacroInstructions = 80;
constexpr int kPageCount = 800; // uint8: number of page blocks
constexpr int kFirstPageBlock = 801;

// Settings header fields (absolute offsets). A "byte + 0" field is the low byte, then 0.
constexpr int kPanelModel = 4;
constexpr int kStartLanguage = 6;
constexpr int kLink1Protocol = 20; // the link 1 family index, 10 written as 9
constexpr int kInitialPage = 22;
constexpr int kFocusColor = 30; // RGB565
// Page change commanded by the controller: byte 32 is 1 when the panel follows the page
// number the controller writes into the register whose number is the uint16 at 42; the
// panel reports its own page into the register at 44 when byte 34 is 1.
constexpr int kAutoPageSwitch = 32;
constexpr int kReportPage = 34;
constexpr int kPasswordPage = 36;
constexpr int kSuperPasswordLow = 40; // low 16 bits; bits 16..23 at 111
constexpr int kPageSwitchRegister = 42;
constexpr int kPageReportRegister = 44;
constexpr int kKeyRegister = 46;
constexpr int kLedRegister = 48;
constexpr int kAlarmCount = 82;
constexpr int kSuperPasswordHigh = 111;
constexpr int kFlags = 113;

// Page block.
constexpr std::uint8_t kPageMarker[6] = {0xEE, 0xEE, 0x11, 0x11, 0xEE, 0xEE};
constexpr int kCounterCount = 50; // counter t - 1 counts records of type t
constexpr int kKeyJumpBytes = 22;
constexpr int kPageHeaderSize = 6 + 1 + kCounterCount + 2 + kKeyJumpBytes;

} // namespace brevix::kx
