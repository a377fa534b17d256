// Writes N varied sound projects into a folder, for batch benchmarks; SCALE
// stretches every clip (2 gives projects of about 200 KB).
#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "spj_builder.h"
#include "wave_synth.h"

int main(int argc, char** argv) {
    using namespace tambrelox::fixture;
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: make_bench_projects DIR COUNT [SCALE]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const int count = std::stoi(argv[2]);
    const double scale = argc == 4 ? std::stod(argv[3]) : 1.0;
    std::filesystem::create_directories(folder);
    // A handful of clips reused across projects keeps generation quick.
    const std::array<WaveClip, 4> clips{
        MakeWave(Whistle(1.0 * scale), 8), MakeWave(Bell(0.8 * scale), 16),
        MakeWave(Chuffs(1.2 * scale, 4), 12), MakeWave(Horn(0.6 * scale), 8)};
    for (int n = 0; n < count; ++n) {
        SpjBuilder builder;
        builder.HeaderText("Batch project " + std::to_string(n) + " AUTHOR: Bench");
        for (int c = 0; c < 4 + n % 5; ++c) {
            builder.Clip(static_cast<std::uint32_t>(100 - c), "clip" + std::to_string(c) + ".wav",
                         clips[static_cast<std::size_t>(c) % clips.size()],
                         static_cast<std::uint8_t>(c % 3));
        }
        ProgramCode code;
        for (int i = 0; i < 500; ++i) code.Voice(static_cast<std::uint8_t>(1 + i % 3)).Plain(10);
        std::array<std::uint8_t, 256> cvs{};
        cvs[1] = static_cast<std::uint8_t>(n);
        builder.Code(code.Scheme(1).End()).StartupCVs(cvs).Text("Batch\r\nAuthor: Bench\r\n");
        const auto bytes = builder.Build();
        std::ofstream(folder / ("project" + std::to_string(n) + ".spj"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    return 0;
}
