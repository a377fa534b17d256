#include "core/sound/repeat_wave.h"

#include <algorithm>
#include <optional>
#include <string>

namespace tambrelox {
namespace {

constexpr std::uint64_t kRiffSizeOffset = 4;
// The data chunk is looked for at even offsets only, from just after a plain
// fmt chunk's fields up to 100 pairs further.
constexpr std::uint64_t kFirstScanOffset = 28;
constexpr std::uint64_t kScanPairs = 100;
constexpr std::uint64_t kHighLengthByte = 7;  // from the identifier; a length needing it is refused

bool PairReads(const ByteView& bytes, std::uint64_t at, char first, char second) {
    return bytes.u8(at) == static_cast<std::uint8_t>(first) &&
           bytes.u8(at + 1) == static_cast<std::uint8_t>(second);
}

// Offset of the first "da" among the scanned pairs.
std::optional<std::uint64_t> FindDataPair(const ByteView& clipWave) {
    for (std::uint64_t pair = 0; pair < kScanPairs; ++pair) {
        const std::uint64_t at = kFirstScanOffset + 2 * pair;
        if (!clipWave.contains(at, 2)) return std::nullopt;
        if (PairReads(clipWave, at, 'd', 'a')) return at;
    }
    return std::nullopt;
}

Refusal Unusable(std::optional<Place> place = std::nullopt) {
    return {RefusalKind::BadWave, std::string(kRepeatProblem), place};
}

Place At(std::uint64_t offset) {
    return {Place::In::FileOffset, offset};
}

void PutLE32(std::vector<std::uint8_t>& out, std::size_t at, std::uint64_t value) {
    for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

Outcome<std::vector<std::uint8_t>> BuildRepeatWave(ByteView clipWave, int waveBits) {
    const auto dataId = FindDataPair(clipWave);
    if (!dataId) return Unusable();
    if (!PairReads(clipWave, *dataId + 2, 't', 'a')) return Unusable(At(*dataId));
    const auto lengthField = clipWave.u32le(*dataId + 4);
    if (!lengthField || clipWave.u8(*dataId + kHighLengthByte) != 0)
        return Unusable(At(*dataId + 4));
    const std::uint32_t n = *lengthField;
    const std::uint64_t h = *dataId + 8;
    const auto header = clipWave.slice(0, h - 4);
    const auto samples = clipWave.slice(h, n);
    if (n == 0 || !header || !samples) return Unusable(At(h));

    const bool twoBytes = waveBits == 12 || waveBits == 16;
    const std::uint32_t budget = twoBytes ? kRepeatBudgetTwoBytes : kRepeatBudgetOneByte;
    const std::uint32_t repeats = budget / n;
    const std::uint64_t m = std::uint64_t{repeats} * n;

    std::vector<std::uint8_t> out(header->bytes().begin(), header->bytes().end());
    out.resize(static_cast<std::size_t>(h + m));
    PutLE32(out, static_cast<std::size_t>(h - 4), m);
    for (std::uint32_t r = 0; r < repeats; ++r) {
        std::copy(samples->bytes().begin(), samples->bytes().end(),
                  out.begin() + static_cast<std::ptrdiff_t>(h + std::uint64_t{r} * n));
    }
    PutLE32(out, kRiffSizeOffset, h + m - 8);
    return out;
}

}  // namespace tambrelox
