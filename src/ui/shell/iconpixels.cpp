// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: writes the program icon's PNGs out as C++ arrays of ready pixels,
// so that start-up neither scans Qt's image plugins nor decodes a PNG.
//   drawsmith_icon_pixels <output.cpp> <icon.png>...
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output.cpp> <icon.png>...\n", argv[0]);
        return 2;
    }
    QString code;
    QTextStream out(&code);
    out << "// Generated from the icon's PNG files by drawsmith_icon_pixels.\n"
        << "#include \"appiconpixels.h\"\n\n"
        << "namespace {\n";
    QStringList table;
    for (int i = 2; i < argc; ++i) {
        const QImage image = QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[i]);
            return 1;
        }
        out << "const unsigned int kPixels" << i << "[] = {\n";
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                out << "0x" << Qt::hex << line[x] << Qt::dec << "u,";
            out << "\n";
        }
        out << "};\n";
        table << QStringLiteral("{%1, %2, kPixels%3}").arg(image.width()).arg(image.height()).arg(i);
    }
    out << "} // namespace\n\nconst IconPixels kAppIconPixels[] = {" << table.join(QStringLiteral(", "))
        << "};\nconst int kAppIconSizes = " << table.size() << ";\n";
    out.flush();
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(code.toUtf8()) != code.toUtf8().size() || !file.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
