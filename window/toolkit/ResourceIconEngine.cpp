#include "window/toolkit/ResourceIconEngine.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>

ResourceIconEngine::ResourceIconEngine(const QList<Drawing> &drawings)
    : drawings(drawings)
{ }

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
        // Read as PNG by Qt's own reader: otherwise every image plugin is loaded
        // to be asked whether it reads PNG.
        QImageReader reader(drawing->path, "png");
        reader.setAutoDetectImageFormat(false);
        return QPixmap::fromImage(reader.read());
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
