// Writes the fuzzers' seed corpus: well-formed projects from the fixture builder.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "demo_project.h"
#include "spj_builder.h"
#include "wave_synth.h"

namespace {

void Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tambrelox::fixture;
    if (argc != 2) {
        std::cerr << "usage: make_seed_corpus DIR\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / "reader");
    Write(folder / "reader" / "demo.spj", BuildDemoProject());
    Write(folder / "reader" / "minimal.spj", MinimalProject().Build());
    SpjBuilder withNames = MinimalProject();
    withNames.Text("(B)\r\nCV140 Horn (x)\r\nCV29\tMine\r\n(C)\r\nAuthor's notes\r\nAuthor: X\r\n");
    Write(folder / "reader" / "custom-names.spj", withNames.Build());
    std::filesystem::create_directories(folder / "wave");
    for (const int bits : {8, 12, 16}) {
        Write(folder / "wave" / ("tone" + std::to_string(bits) + ".wav"),
              MakeWave(Tone(440, 0.01), bits).bytes);
    }
    return 0;
}
