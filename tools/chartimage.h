#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>

class QPaintDevice;
class QPainter;

// The chart as an image file, of whatever paint draws over an area of the given size in
// logical pixels.
enum class ImageFormat { Png, Svg };

// The format a file type of the save dialog asks for: SVG for "SVG image (*.svg)", else PNG.
ImageFormat imageFormatOf(const QString &filter);

using PaintFunction = std::function<void(QPainter &)>;

// A PNG of size times ratio pixels, which a document shows at the size the area has on a screen
// of dpi dots per inch. Empty when the image could not be made.
QByteArray pngImage(const QSize &size, qreal ratio, int dpi, const PaintFunction &paint);

// An SVG of shapes and text, size logical pixels at dpi dots per inch.
QByteArray svgImage(const QSize &size, int dpi, const QString &title, const PaintFunction &paint);

// The same of whatever draw draws on the SVG device it is given, with a painter of its own.
QByteArray svgDocument(const QSize &size, int dpi, const QString &title,
                       const std::function<void(QPaintDevice &)> &draw);
