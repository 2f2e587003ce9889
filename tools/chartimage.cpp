#include "chartimage.h"

#include "platform/filters.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace {

constexpr double MetresPerInch = 0.0254;

} // namespace

ImageFormat imageFormatOf(const QString &filter)
{
    return Filters::endingOf(filter).compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0
                   ? ImageFormat::Svg
                   : ImageFormat::Png;
}

QByteArray pngImage(const QSize &size, qreal ratio, int dpi, const PaintFunction &paint)
{
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    image.setDevicePixelRatio(ratio);
    const int dotsPerMetre = qRound(dpi * ratio / MetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return {};
    }
    return png;
}

QByteArray svgImage(const QSize &size, int dpi, const QString &title, const PaintFunction &paint)
{
    return svgDocument(size, dpi, title, [&paint](QPaintDevice &device) {
        QPainter painter(&device);
        paint(painter);
    });
}

QByteArray svgDocument(const QSize &size, int dpi, const QString &title,
                       const std::function<void(QPaintDevice &)> &draw)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(dpi);
    generator.setTitle(title);
    draw(generator);
    return svg;
}
