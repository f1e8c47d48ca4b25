#include "window/toolkit/ResourceIconEngine.h"

#include "core/toolkit/Threads.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include <memory>
#include <stdexcept>
#include <utility>

namespace {

QImage decode(const QString &path)
{
    // Read as PNG by Qt's own reader: otherwise every image plugin is loaded
    // to be asked whether it reads PNG.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

ResourceIconEngine::ResourceIconEngine(const QList<Drawing> &drawings)
    : drawings(drawings)
{ }

ResourceIconEngine::~ResourceIconEngine()
{
    if (decoder.joinable())
        decoder.join();
}

void ResourceIconEngine::decodeAhead()
{
    auto images = std::make_shared<std::promise<QList<QImage>>>();
    decoding = images->get_future();
    try {
        decoder = Threads::startJoinable([images, paths = drawings] {
            QList<QImage> decoded;
            for (const Drawing &drawing : paths) {
                // In the form a pixmap keeps, so that making one is a copy.
                const QImage image = decode(drawing.path);
                decoded << image.convertToFormat(
                    image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
            }
            images->set_value(decoded);
        });
    } catch (const std::runtime_error &) {
        // No thread to spare: each size is decoded when it is asked for.
        decoding = {};
    }
}

void ResourceIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    plain().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize ResourceIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    if (drawnAt(size, mode, state))
        return size;
    // The size the plain icon draws at: its own answer would scale the request
    // once more on a scaled screen.
    return pixmap(size, mode, state).size();
}

QPixmap ResourceIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    if (const Drawing *drawing = drawnAt(size, mode, state)) {
        if (decoding.valid()) {
            decodedAhead = decoding.get();
            decoder.join();
        }
        const qsizetype index = drawing - drawings.constData();
        if (index < decodedAhead.size() && !decodedAhead[index].isNull())
            return QPixmap::fromImage(std::exchange(decodedAhead[index], QImage()));
        return QPixmap::fromImage(decode(drawing->path));
    }
    return plain().pixmap(size, 1.0, mode, state);
}

QPixmap ResourceIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    if (drawnAt(size, mode, state))
        return pixmap(size, mode, state);
    // Handed to the plain icon as the size before scaling, which it scales back.
    const QSize logical(qRound(size.width() / scale), qRound(size.height() / scale));
    return plain().pixmap(logical, scale, mode, state);
}

QList<QSize> ResourceIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    QList<QSize> sizes;
    if (mode == QIcon::Normal && state == QIcon::Off) {
        for (const Drawing &drawing : drawings)
            sizes << drawing.size;
    }
    return sizes;
}

bool ResourceIconEngine::isNull()
{
    return drawings.isEmpty();
}

QString ResourceIconEngine::key() const
{
    return QStringLiteral("ResourceIconEngine");
}

QIconEngine *ResourceIconEngine::clone() const
{
    return new ResourceIconEngine(drawings);
}

const ResourceIconEngine::Drawing *ResourceIconEngine::drawnAt(
    const QSize &size, QIcon::Mode mode, QIcon::State state) const
{
    if (mode != QIcon::Normal || state != QIcon::Off)
        return nullptr;
    for (const Drawing &drawing : drawings) {
        if (drawing.size == size)
            return &drawing;
    }
    return nullptr;
}

const QIcon &ResourceIconEngine::plain()
{
    if (!plainIcon) {
        plainIcon.emplace();
        for (const Drawing &drawing : drawings)
            plainIcon->addFile(drawing.path, drawing.size);
    }
    return *plainIcon;
}
