#include "window/x11/SessionManagement.h"

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <cstdio>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

enum class Save { unknown, checkpoint, ending };
// User-interface thread only: Qt processes the manager's messages there.
Save currentSave = Save::unknown;
decltype(SmcCallbacks::save_yourself) qtSaveYourself {};

void noteSaveYourself(SmcConn connection, SmPointer, int saveType, Bool shutdown, int interactStyle, Bool fast)
{
    currentSave = shutdown ? Save::ending : Save::checkpoint;
    qtSaveYourself.callback(connection, qtSaveYourself.client_data, saveType, shutdown, interactStyle, fast);
}

// Called once, when a read or write on the connection first fails. Returning marks
// the connection broken: libICE skips every later read and write on it, and Qt
// closes it as ever when the program ends. Qt keeps watching its socket, though, and
// a socket whose peer has gone reads as ready again and again, which would keep the
// user-interface thread spinning: a descriptor that never becomes ready takes the
// socket's number until then.
void carryOn(IceConn connection)
{
    const int socket = IceConnectionNumber(connection);
    const int idle = ::eventfd(0, EFD_CLOEXEC);
    if (socket >= 0 && idle >= 0)
        ::dup3(idle, socket, O_CLOEXEC);
    if (idle >= 0)
        ::close(idle);
}

} // namespace

// Qt's xcb platform opens its connection to the session manager through this
// function, which the program exports ahead of libSM's own (see window/CMakeLists.txt).
// Qt's callbacks reach libSM unchanged, except that each "save yourself" notes first
// what kind of save it asks for.
extern "C" SmcConn SmcOpenConnection(char *networkIds, SmPointer context, int major, int minor, unsigned long mask,
    SmcCallbacks *callbacks, const char *previousId, char **clientId, int errorLength, char *error)
{
    using Open
        = SmcConn (*)(char *, SmPointer, int, int, unsigned long, SmcCallbacks *, const char *, char **, int, char *);
    // libSM itself, loaded with Qt's library that calls this.
    void *library = ::dlopen("libSM.so.6", RTLD_LAZY | RTLD_NOLOAD);
    const auto libraryOpen = library ? reinterpret_cast<Open>(::dlsym(library, "SmcOpenConnection")) : nullptr;
    if (library)
        ::dlclose(library);
    if (!libraryOpen) {
        if (error && errorLength > 0)
            std::snprintf(error, static_cast<std::size_t>(errorLength), "libSM is not loaded");
        return nullptr;
    }
    SmcCallbacks passed = *callbacks;
    if ((mask & SmcSaveYourselfProcMask) && callbacks->save_yourself.callback) {
        qtSaveYourself = callbacks->save_yourself;
        passed.save_yourself.callback = noteSaveYourself;
    }
    return libraryOpen(networkIds, context, major, minor, mask, &passed, previousId, clientId, errorLength, error);
}

void SessionManagement::install()
{
    IceSetIOErrorHandler(carryOn);
}

bool SessionManagement::sessionEnding()
{
    return currentSave != Save::checkpoint;
}
