// Writes the keypad's click sounds as small WAV files: "PUT.wav" and "T00.wav".."T09.wav".
// usage: soundgen OUTPUT_FOLDER
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

void put16(std::vector<unsigned char> &out, unsigned v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<unsigned char> &out, unsigned v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A short tone with a quick attack and an exponential decay, like a key click.
std::vector<unsigned char> tone(double frequency, double seconds)
{
    const int samples = static_cast<int>(seconds * kRate);
    std::vector<unsigned char> wav;
    wav.insert(wav.end(), {'R', 'I', 'F', 'F'});
    put32(wav, 36 + samples * 2);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(wav, 16);
    put16(wav, 1); // PCM
    put16(wav, 1); // mono
    put32(wav, kRate);
    put32(wav, kRate * 2);
    put16(wav, 2);
    put16(wav, 16);
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    put32(wav, samples * 2);
    const double pi = std::acos(-1.0);
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / kRate;
        const double envelope = std::min(1.0, t * 400.0) * std::exp(-t * 40.0);
        const auto value =
            static_cast<std::int16_t>(12000.0 * envelope * std::sin(2 * pi * frequency * t));
        put16(wav, static_cast<std::uint16_t>(value));
    }
    return wav;
}

bool write(const std::string &path, const std::vector<unsigned char> &bytes)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen OUTPUT_FOLDER\n");
        return 64;
    }
    const std::string folder = argv[1];
    bool ok = write(folder + "/PUT.wav", tone(1200.0, 0.06));
    // One pitch per digit, rising like a telephone keypad's.
    for (int digit = 0; digit <= 9; ++digit)
        ok = write(folder + "/T0" + std::to_string(digit) + ".wav",
                   tone(660.0 + 60.0 * digit, 0.08)) &&
             ok;
    return ok ? 0 : 1;
}
