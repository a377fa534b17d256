// Bytes in as a clip's wave file: the repeat play file at both budgets, and
// the samples the playback device would be handed.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/sound/pcm_wave.h"
#include "core/sound/repeat_wave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tambrelox;
    const ByteView wave(std::span<const std::uint8_t>(data, size));
    for (const int bits : {8, 16}) {
        const auto repeat = BuildRepeatWave(wave, bits);
        if (repeat.ok()) (void)ReadPcmWave(ByteView(repeat.value()));
    }
    (void)ReadPcmWave(wave);
    return 0;
}
