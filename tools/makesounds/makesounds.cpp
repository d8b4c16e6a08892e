// Writes the exercise sounds: a rising two-note chime for "right", a low buzz for "wrong".
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Note {
    double freq;
    double seconds;
    bool square;
};

std::vector<int16_t> Synthesize(const std::vector<Note>& notes) {
    std::vector<int16_t> out;
    for (const Note& n : notes) {
        const int count = static_cast<int>(n.seconds * kRate);
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / kRate;
            // Short attack and exponential decay keep the notes from clicking.
            const double env = std::min(1.0, t / 0.01) * std::exp(-3.0 * t / n.seconds);
            double s = std::sin(2 * kPi * n.freq * t);
            if (n.square)
                s = (s >= 0 ? 0.6 : -0.6) + 0.4 * std::sin(2 * kPi * n.freq * 2 * t);
            out.push_back(static_cast<int16_t>(s * env * 0.45 * 32767));
        }
    }
    return out;
}

void Put32(std::FILE* f, uint32_t v) {
    const unsigned char b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    std::fwrite(b, 1, 4, f);
}

void Put16(std::FILE* f, uint16_t v) {
    const unsigned char b[2] = {uint8_t(v), uint8_t(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

bool WriteWave(const std::string& path, const std::vector<int16_t>& samples) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    Put32(f, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    Put32(f, 16);
    Put16(f, 1); // PCM
    Put16(f, 1); // mono
    Put32(f, kRate);
    Put32(f, kRate * 2);
    Put16(f, 2);
    Put16(f, 16);
    std::fwrite("data", 1, 4, f);
    Put32(f, dataBytes);
    for (int16_t s : samples)
        Put16(f, uint16_t(s));
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesounds FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = WriteWave(dir + "/Richtig1.wav", Synthesize({{784, 0.12, false},
                                                                   {1175, 0.30, false}})) &&
                    WriteWave(dir + "/Falsch1.wav", Synthesize({{196, 0.18, true},
                                                                  {147, 0.30, true}}));
    return ok ? 0 : 1;
}
