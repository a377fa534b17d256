#include "core/project/program_code.h"

namespace tambrelox {
namespace {

constexpr std::uint8_t kVoiceOpcode = 129;
constexpr std::uint8_t kSchemeOpcode = 241;
constexpr std::uint8_t kEndOfStream = 31;  // operand of a scheme instruction that ends the code

constexpr std::uint64_t InstructionLength(std::uint8_t opcode) {
    const bool fourBytes =
        (opcode >= 224 && opcode <= 231) || opcode == 241 || opcode == 242 || opcode >= 248;
    return fourBytes ? 4 : 2;
}

}  // namespace

std::optional<ProgramCodeCounts> ScanProgramCode(ByteView file, std::uint64_t offset,
                                                 std::uint64_t length) {
    ProgramCodeCounts counts;
    const std::uint64_t end = offset + length;  // first offset after the block
    std::uint64_t at = offset;
    for (;;) {
        const auto opcode = file.u8(at++);
        if (!opcode) return std::nullopt;
        if (*opcode == kVoiceOpcode) {
            const auto voice = file.u8(at++);
            if (!voice) return std::nullopt;
            // Voices are numbered from 1; a higher number than seen so far adds one voice.
            if (*voice > counts.voices) ++counts.voices;
        } else if (*opcode == kSchemeOpcode) {
            ++counts.schemes;
            const auto operand = file.u8(at++);
            if (!operand) return std::nullopt;
            if (*operand == kEndOfStream) break;
            at += 2;
        } else {
            at += InstructionLength(*opcode) - 1;
        }
        if (at >= end) return std::nullopt;
    }
    --counts.schemes;  // the end instruction was counted as a scheme
    return counts;
}

}  // namespace tambrelox
