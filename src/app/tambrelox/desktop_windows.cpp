#include "app/tambrelox/desktop_windows.h"

#include <memory>

#include "ui/cvviewer/cvshow.h"
#include "ui/player/soundtest.h"
#include "ui/shared/audio_back_end.h"
#include "ui/textviewer/spjtext.h"

namespace tambrelox {

OpenedWindows DesktopWindows(SessionState& session, UserDialogs& dialogs) {
    return {
        .cvValues = [&] { return std::make_unique<StartupCvWindow>(session, dialogs); },
        .descriptiveText =
            [&] { return std::make_unique<DescriptiveTextWindow>(session, dialogs); },
        .player =
            [&] {
                return std::make_unique<ClipPlayerWindow>(session, dialogs, MakeAudioClipPlayer());
            },
    };
}

}  // namespace tambrelox
