#include "appicon.h"

#include <QImageReader>
#include <QPixmap>

QIcon AppIcon()
{
    // Resources of a static library are registered by the program, not by the library.
    Q_INIT_RESOURCE(shell);
    QIcon icon;
    for (const int size : {32, 64, 128}) {
        QImageReader reader(QStringLiteral(":/app/drawsmith-%1.png").arg(size), "png");
        // Without this Qt loads every image plugin to ask whether it reads the file.
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
