#include "core/base/captions.h"

namespace tambrelox {
namespace {

// Longest clip a 4 Mbit decoder can hold, in seconds.
constexpr double kLongestPlayOnSmallDecoders = 11.8;

}  // namespace

std::string_view AboutText() {
    return "\nThis software was developed to reveal the contents and capabilities of Sound "
           "Projects (SPJs) used in SFX sound decoders. Projects for 'Legacy' and Series-6 "
           "(Standard and Premium) decoders are supported.\n\n"
           "This software identifies 8-bit, 16-bit, 3-Voice and 4-Voice projects.  The SPJ files "
           "are not changed.  No other software is needed. (See Vostrelle\u00A9 to build or modify "
           "Sound Projects)\n\n"
           "Sound Projects (SPJs) are available for downloading from various sources including the "
           "decoder maker's website.";
}

bool NeedsSizeNote(double playSeconds) {
    return playSeconds > kLongestPlayOnSmallDecoders;
}

}  // namespace tambrelox
