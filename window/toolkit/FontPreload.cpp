#include "window/toolkit/FontPreload.h"

#include <QFontDatabase>
#include <QStringList>

#include <system_error>

FontPreload::FontPreload()
{
    try {
        worker = std::thread([] { QFontDatabase::families(); });
    } catch (const std::system_error &) {
        // No thread to spare: the first text laid out fills the database.
    }
}

FontPreload::~FontPreload()
{
    if (worker.joinable())
        worker.join();
}
