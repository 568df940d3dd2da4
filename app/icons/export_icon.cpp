// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window's rocket for the desktops and file managers, from the same two pictures
// the window uses, so that they can never differ:
//   rocket-16.png, rocket-32.png         the pictures themselves;
//   rocket-64.png ... rocket-256.png     the 32-pixel picture enlarged, each pixel a square;
//   rocket.svg                           the 32-pixel picture as squares, to any scale;
//   rocket.ico                           both pictures, for the Windows program's resource
//                                        (kept in the repository too: Windows builds use it).
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

// An icon file holding each image as an uncompressed bitmap (32-bit colour with alpha, and the
// 1-bit mask older readers want): its bytes follow from the pixels alone, so the copy kept in
// the repository for Windows builds can be checked against the pictures byte for byte.
QByteArray ico(std::initializer_list<QImage> images)
{
    QByteArray header;
    appendLittleEndian(header, 0, 2);  // reserved
    appendLittleEndian(header, 1, 2);  // an icon, not a cursor
    appendLittleEndian(header, static_cast<quint32>(images.size()), 2);
    QByteArray data;
    const quint32 firstOffset = 6 + 16 * static_cast<quint32>(images.size());
    for (const QImage& image : images) {
        const quint32 width = static_cast<quint32>(image.width());
        const quint32 height = static_cast<quint32>(image.height());
        const quint32 maskRow = (width + 31) / 32 * 4;  // 1 bit a pixel, rows padded to 32 bits
        QByteArray bitmap;
        appendLittleEndian(bitmap, 40, 4);          // the size of this header
        appendLittleEndian(bitmap, width, 4);
        appendLittleEndian(bitmap, 2 * height, 4);  // colours and mask, one above the other
        appendLittleEndian(bitmap, 1, 2);           // colour planes
        appendLittleEndian(bitmap, 32, 2);          // bits per pixel
        for (int i = 0; i < 6; ++i) appendLittleEndian(bitmap, 0, 4);  // no compression, defaults
        for (int y = image.height() - 1; y >= 0; --y)  // bottom row first
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                bitmap.append(static_cast<char>(qBlue(pixel)));
                bitmap.append(static_cast<char>(qGreen(pixel)));
                bitmap.append(static_cast<char>(qRed(pixel)));
                bitmap.append(static_cast<char>(qAlpha(pixel)));
            }
        for (int y = image.height() - 1; y >= 0; --y) {
            QByteArray row(static_cast<qsizetype>(maskRow), '\0');
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            bitmap.append(row);
        }
        appendLittleEndian(header, width, 1);
        appendLittleEndian(header, height, 1);
        appendLittleEndian(header, 0, 1);   // no palette
        appendLittleEndian(header, 0, 1);   // reserved
        appendLittleEndian(header, 1, 2);   // colour planes
        appendLittleEndian(header, 32, 2);  // bits per pixel
        appendLittleEndian(header, static_cast<quint32>(bitmap.size()), 4);
        appendLittleEndian(header, firstOffset + static_cast<quint32>(data.size()), 4);
        data.append(bitmap);
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
