#include "KivHost.h"

#include "DrawEveryFrame.h"
#include "SdlAudioOutput.h"
#include "SystemClock.h"

KivHost KivHost::desktop()
{
    static SystemClock clock;
    static SdlAudioOutput audioOutput;
    static DrawEveryFrame drawSchedule;
    return {clock, audioOutput, drawSchedule};
}
