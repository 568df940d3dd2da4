// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window's rocket for the desktops and file managers, from the same two pictures
// the window uses, so that they can never differ:
//   rocket-16.png, rocket-32.png         the pictures themselves;
//   rocket-64.png ... rocket-256.png     the 32-pixel picture enlarged, each pixel a square;
//   rocket.svg                           the 32-pixel picture as squares, to any scale;
//   rocket.ico                           both pictures, for the Windows program's resource.
//
//   virenast_icon_export OUTPUT-FOLDER
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>

#include <cstdio>
#include <initializer_list>

namespace {
#include "rocket16.xpm"
#include "rocket32.xpm"

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// One rectangle per run of same-coloured pixels in a row; transparent pixels are left out.
QByteArray svg(const QImage& image)
{
    QByteArray bytes;
    QTextStream out(&bytes);
    // REUSE-IgnoreStart
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<!-- SPDX-FileCopyrightText: The Virenast developers -->\n"
        << "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << image.width() << "\" height=\""
        << image.height() << "\" viewBox=\"0 0 " << image.width() << ' ' << image.height()
        << "\" shape-rendering=\"crispEdges\">\n";
    // REUSE-IgnoreEnd
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width();) {
            const QRgb colour = image.pixel(x, y);
            int end = x + 1;
            while (end < image.width() && image.pixel(end, y) == colour) ++end;
            if (qAlpha(colour) != 0)
                out << "  <rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
                    << "\" height=\"1\" fill=\"" << QColor(colour).name() << "\"/>\n";
            x = end;
        }
    }
    out << "</svg>\n";
    out.flush();
    return bytes;
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// An icon file holding each image as PNG data, as Windows has read them since Vista.
QByteArray ico(std::initializer_list<QImage> images)
{
    QByteArray header;
    appendLittleEndian(header, 0, 2);  // reserved
    appendLittleEndian(header, 1, 2);  // an icon, not a cursor
    appendLittleEndian(header, static_cast<quint32>(images.size()), 2);
    QByteArray data;
    const quint32 firstOffset = 6 + 16 * static_cast<quint32>(images.size());
    for (const QImage& image : images) {
        const QByteArray bytes = png(image);
        appendLittleEndian(header, static_cast<quint32>(image.width()), 1);
        appendLittleEndian(header, static_cast<quint32>(image.height()), 1);
        appendLittleEndian(header, 0, 1);   // no palette
        appendLittleEndian(header, 0, 1);   // reserved
        appendLittleEndian(header, 1, 2);   // colour planes
        appendLittleEndian(header, 32, 2);  // bits per pixel
        appendLittleEndian(header, static_cast<quint32>(bytes.size()), 4);
        appendLittleEndian(header, firstOffset + static_cast<quint32>(data.size()), 4);
        data.append(bytes);
    }
    return header + data;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output-folder\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QImage small = QImage(rocket16_xpm).convertToFormat(QImage::Format_ARGB32);
    const QImage large = QImage(rocket32_xpm).convertToFormat(QImage::Format_ARGB32);
    bool written = writeFile(folder.filePath(QStringLiteral("rocket-16.png")), png(small)) &&
                   writeFile(folder.filePath(QStringLiteral("rocket-32.png")), png(large));
    for (const int size : {64, 128, 256}) {
        const QImage enlarged = large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        written = written && writeFile(folder.filePath(QStringLiteral("rocket-%1.png").arg(size)), png(enlarged));
    }
    written = written && writeFile(folder.filePath(QStringLiteral("rocket.svg")), svg(large)) &&
              writeFile(folder.filePath(QStringLiteral("rocket.ico")), ico({small, large}));
    if (!written) std::fprintf(stderr, "%s: could not write the icons into %s\n", argv[0], argv[1]);
    return written ? 0 : 1;
}
