// Writes the window's rocket icon as PNG files for the desktop's icon theme, from the same
// images the window uses, so that the two can never differ.
//
//   virenast_icon_export rocket-16.png rocket-32.png
#include <QImage>

#include <cstdio>

namespace {
#include "rocket16.xpm"
#include "rocket32.xpm"
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s icon-16.png icon-32.png\n", argv[0]);
        return 2;
    }
    const bool written = QImage(rocket16_xpm).save(QString::fromLocal8Bit(argv[1]), "PNG") &&
                         QImage(rocket32_xpm).save(QString::fromLocal8Bit(argv[2]), "PNG");
    return written ? 0 : 1;
}
