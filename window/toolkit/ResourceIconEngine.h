#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <future>
#include <optional>
#include <thread>

// An icon drawn at several sizes, each a PNG among the program's resources.
// A size as drawn is decoded when it is asked for, or ahead on another thread,
// and not kept: the window system takes a copy once. Anything else (a size in between, a disabled look)
// comes from a plain QIcon of the same files, made the first time it is needed,
// so it looks exactly as it would from that QIcon.
class ResourceIconEngine : public QIconEngine
{
public:
    struct Drawing
    {
        QSize size;
        QString path;
    };

    explicit ResourceIconEngine(const QList<Drawing> &drawings);
    ~ResourceIconEngine() override;

    // Decodes every drawing on a thread of its own, for a window that asks for
    // them all when it is made: each is then taken by the first request for its size.
    void decodeAhead();

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine *clone() const override;

private:
    // The file drawn at exactly this size, for the normal look only.
    const Drawing *drawnAt(const QSize &size, QIcon::Mode mode, QIcon::State state) const;
    const QIcon &plain();

    const QList<Drawing> drawings;
    std::optional<QIcon> plainIcon;
    std::thread decoder;
    std::future<QList<QImage>> decoding;
    QList<QImage> decodedAhead; // by drawing; each emptied when taken
};
