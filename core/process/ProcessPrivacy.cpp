#include "core/process/ProcessPrivacy.h"

#include <sys/prctl.h>
#include <sys/resource.h>

bool ProcessPrivacy::apply()
{
    // Not dumpable: the kernel writes no core even when someone raises the limit
    // from outside, and /proc/<pid>/mem and ptrace are closed to the same user.
    const bool undumpable = ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0;
    // The limit as well, for systems told to dump even undumpable processes; the hard
    // one too, or the process or anything it starts could raise the soft one again.
    const rlimit none { 0, 0 };
    const bool noCore = ::setrlimit(RLIMIT_CORE, &none) == 0;
    return undumpable && noCore;
}
