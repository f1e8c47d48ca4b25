#include "window/toolkit/FontPreload.h"

#include "core/toolkit/Threads.h"

#include <QFontDatabase>
#include <QStringList>

#include <stdexcept>

FontPreload::FontPreload()
{
    try {
        worker = Threads::startJoinable([] { QFontDatabase::families(); });
    } catch (const std::runtime_error &) {
        // No thread to spare: the first text laid out fills the database.
    }
}

FontPreload::~FontPreload()
{
    if (worker.joinable())
        worker.join();
}
