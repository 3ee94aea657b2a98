// render_icon: draws an SVG picture into a square PNG of a given size. The build uses it for
// the fixed-size icons of the desktop's icon theme, which menus and docks prefer to scaling the
// SVG themselves (some cannot read SVG at all).
//
//   render_icon INPUT.svg SIZE OUTPUT.png

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int MinSize = 8;
constexpr int MaxSize = 1024;

int fail(const QString &message)
{
    std::fprintf(stderr, "render_icon: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Text in a picture needs the font machinery that only a GUI application sets up, but a
    // build step has no display, and often no runtime folder, which Qt's start-up asks for.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtimeFolder;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: render_icon INPUT.svg SIZE OUTPUT.png"));
    bool isNumber = false;
    const int size = args.at(2).toInt(&isNumber);
    if (!isNumber || size < MinSize || size > MaxSize)
        return fail(QStringLiteral("SIZE must be a whole number from %1 to %2, not '%3'")
                        .arg(MinSize)
                        .arg(MaxSize)
                        .arg(args.at(2)));

    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid())
        return fail(QStringLiteral("%1 is not a readable SVG picture").arg(args.at(1)));

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.convertToFormat(QImage::Format_ARGB32).save(args.at(3), "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(args.at(3)));
    return 0;
}
