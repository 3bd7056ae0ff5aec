// Build tool: writes the application icon's images as C++ arrays of premultiplied ARGB pixels,
// so that the program makes its icon without decoding a picture at start-up.
//
// Usage: icon_pixels OUTPUT.cpp IMAGE...   (each image square, one per size)

#include <QFile>
#include <QImage>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: icon_pixels OUTPUT.cpp IMAGE...\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "icon_pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream text(&out);
    text << "// Written by icon_pixels from the icon's images at build time.\n"
            "#include \"icon_pixels.h\"\n\nnamespace Resources {\nnamespace {\n";
    QList<int> sizes;
    for (int i = 2; i < argc; ++i) {
        const QImage image = QImage(QString::fromLocal8Bit(argv[i]))
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "icon_pixels: %s is not a square image\n", argv[i]);
            return 1;
        }
        sizes.append(image.width());
        text << "alignas(16) const quint32 pixels" << image.width() << "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            text << "\n";
            for (int x = 0; x < image.width(); ++x)
                text << "0x" << QString::number(line[x], 16) << ",";
        }
        text << "\n};\n";
    }
    text << "} // namespace\n\nconst std::array<IconImage, " << sizes.size() << "> kIconImages{{\n";
    for (int size : sizes)
        text << "    {" << size << ", pixels" << size << "},\n";
    text << "}};\n\n} // namespace Resources\n";
    return text.status() == QTextStream::Ok ? 0 : 1;
}
