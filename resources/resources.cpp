#include "resources.h"

#include <QtGlobal>

static void initClockMusic() {
    Q_INIT_RESOURCE(clock_music);
}

namespace resources {

void init() {
    static const bool done = [] {
        initClockMusic();
        return true;
    }();
    (void)done;
}

} // namespace resources
