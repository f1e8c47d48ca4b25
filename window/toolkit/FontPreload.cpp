#include "window/toolkit/FontPreload.h"

#include <QFontDatabase>
#include <QStringList>

FontPreload::FontPreload()
    : worker([] { QFontDatabase::families(); })
{ }

FontPreload::~FontPreload()
{
    worker.join();
}
