// Writes a deterministic stand-in for a panel firmware image: a Cortex-M vector table with the
// initial stack pointer in RAM and every vector in flash at 0x08000000, two idle handlers, then
// a filler pattern. A real firmware pair replaces these files.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: firmwaregen OUTPUT SIZE SEED\n");
        return 64;
    }
    const long size = std::strtol(argv[2], nullptr, 10);
    std::uint32_t state = static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10));
    if (size < 0x200) {
        std::fprintf(stderr, "firmwaregen: size too small\n");
        return 64;
    }
    std::vector<std::uint8_t> image(static_cast<std::size_t>(size));
    const auto put32 = [&image](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            image[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    constexpr std::uint32_t flash = 0x08000000;
    constexpr std::size_t vectors = 76; // the connectivity of a large STM32F1
    constexpr std::size_t resetHandler = vectors * 4;
    constexpr std::size_t idleHandler = resetHandler + 4;
    put32(0, 0x20010000);               // stack pointer: top of 64 KB RAM
    put32(4, flash + resetHandler + 1); // reset vector, Thumb bit set
    for (std::size_t v = 2; v < vectors; ++v)
        put32(v * 4, flash + idleHandler + 1);
    // Both handlers are "b ." so the stand-in never runs off into the filler.
    image[resetHandler] = 0xFE;
    image[resetHandler + 1] = 0xE7;
    image[idleHandler] = 0xFE;
    image[idleHandler + 1] = 0xE7;
    for (std::size_t i = idleHandler + 4; i < image.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        image[i] = static_cast<std::uint8_t>(state >> 24);
    }
    std::FILE *out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(image.data(), 1, image.size(), out) != image.size()) {
        std::fprintf(stderr, "firmwaregen: cannot write %s\n", argv[1]);
        return 2;
    }
    return std::fclose(out) == 0 ? 0 : 2;
}
