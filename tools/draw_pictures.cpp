// Draws the program's pictures into assets/: the icon at the sizes desktops
// ask for (PNG, and the same drawing as SVG), and the banner, the floppy disk
// of the save button and the About dialog's picture at one and two device
// pixels per pixel ("@2x"), and the Windows installer's two pictures. Run
// once after changing a drawing:
//   cmake --build build --target draw_pictures && QT_QPA_PLATFORM=offscreen build/draw_pictures assets

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QFile>

namespace {

const QColor DarkGreen(0, 0x40, 0);
const QColor Olive(0x55, 0x6b, 0x2f);
const QColor Sand(0xd8, 0xc8, 0x8a);

// A crosshair over a shield: the icon, at any size.
QImage icon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    QPainterPath shield;
    shield.moveTo(16 * s, 1 * s);
    shield.lineTo(29 * s, 6 * s);
    shield.cubicTo(29 * s, 20 * s, 22 * s, 27 * s, 16 * s, 31 * s);
    shield.cubicTo(10 * s, 27 * s, 3 * s, 20 * s, 3 * s, 6 * s);
    shield.closeSubpath();
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, Olive);
    fill.setColorAt(1, DarkGreen);
    p.setBrush(fill);
    p.setPen(QPen(Sand, 1.2 * s));
    p.drawPath(shield);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1.8 * s));
    p.drawEllipse(QPointF(16 * s, 15 * s), 7 * s, 7 * s);
    p.setPen(QPen(Qt::white, 1.4 * s));
    p.drawLine(QPointF(16 * s, 5 * s), QPointF(16 * s, 11 * s));
    p.drawLine(QPointF(16 * s, 19 * s), QPointF(16 * s, 25 * s));
    p.drawLine(QPointF(6 * s, 15 * s), QPointF(12 * s, 15 * s));
    p.drawLine(QPointF(20 * s, 15 * s), QPointF(26 * s, 15 * s));
    p.setBrush(QColor(0xe0, 0x30, 0x20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(16 * s, 15 * s), 1.5 * s, 1.5 * s);
    return img;
}

// The same drawing as icon(), as a scalable picture for the desktop's icon theme.
const char IconSvg[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <defs>
    <linearGradient id="fill" x1="0" y1="0" x2="0" y2="32" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#556b2f"/>
      <stop offset="1" stop-color="#004000"/>
    </linearGradient>
  </defs>
  <path d="M16 1 L29 6 C29 20 22 27 16 31 C10 27 3 20 3 6 Z" fill="url(#fill)" stroke="#d8c88a" stroke-width="1.2"/>
  <circle cx="16" cy="15" r="7" fill="none" stroke="#ffffff" stroke-width="1.8"/>
  <g stroke="#ffffff" stroke-width="1.4">
    <line x1="16" y1="5" x2="16" y2="11"/>
    <line x1="16" y1="19" x2="16" y2="25"/>
    <line x1="6" y1="15" x2="12" y2="15"/>
    <line x1="20" y1="15" x2="26" y2="15"/>
  </g>
  <circle cx="16" cy="15" r="1.5" fill="#e03020"/>
</svg>
)svg";

// A picture of `width` x `height` pixels drawn at `scale` device pixels per
// pixel: the painter draws in pixels whatever the scale.
QImage canvas(int width, int height, int scale, QImage::Format format = QImage::Format_RGB32)
{
    QImage img(width * scale, height * scale, format);
    img.setDevicePixelRatio(scale);
    return img;
}

// The modification's name in white stencil letters on dark green.
QImage banner(int scale)
{
    QImage img = canvas(329, 24, scale);
    img.fill(DarkGreen);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(Olive, 1));
    for (int x = -24; x < 329; x += 12)
        p.drawLine(x, 24, x + 24, 0);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(font);
    p.setPen(QColor(0, 0x20, 0));
    p.drawText(QRect(1, 1, 329, 24), Qt::AlignCenter, QStringLiteral("COVERTSTRIKE"));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 329, 24), Qt::AlignCenter, QStringLiteral("COVERTSTRIKE"));
    return img;
}

QImage floppy(int scale)
{
    QImage img = canvas(19, 18, scale);
    img.fill(QColor(0xc0, 0xc0, 0xc0));
    QPainter p(&img);
    p.setPen(Qt::black);
    p.setBrush(QColor(0x20, 0x30, 0x60));
    p.drawRect(1, 1, 16, 15);             // the disk
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    p.drawRect(4, 1, 10, 6);              // the label
    p.setPen(QColor(0x90, 0x90, 0x90));
    p.drawLine(6, 3, 12, 3);
    p.drawLine(6, 5, 12, 5);
    p.setPen(Qt::black);
    p.setBrush(QColor(0xb0, 0xb0, 0xb8));
    p.drawRect(5, 10, 8, 6);              // the shutter
    p.fillRect(10, 11, 2, 4, QColor(0x20, 0x30, 0x60));
    return img;
}

// The About dialog's picture: the icon beside a row of bots on a ridge.
QImage aboutPicture(int scale)
{
    QImage img = canvas(165, 75, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 75);
    sky.setColorAt(0, QColor(0x10, 0x18, 0x40));
    sky.setColorAt(1, QColor(0x60, 0x48, 0x30));
    p.fillRect(img.rect(), sky);
    QPainterPath ridge;
    ridge.moveTo(0, 60);
    ridge.cubicTo(40, 48, 90, 66, 165, 52);
    ridge.lineTo(165, 75);
    ridge.lineTo(0, 75);
    ridge.closeSubpath();
    p.fillPath(ridge, DarkGreen);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x10, 0x10));
    for (int i = 0; i < 4; ++i) { // soldiers' silhouettes
        const double x = 70 + i * 22, y = 57 - (i % 2) * 3;
        p.drawEllipse(QPointF(x, y - 14), 3, 3);
        p.drawRoundedRect(QRectF(x - 4, y - 11, 8, 12), 2, 2);
        p.drawRect(QRectF(x - 3, y, 2.5, 6));
        p.drawRect(QRectF(x + 0.5, y, 2.5, 6));
        p.drawRect(QRectF(x + 3, y - 9, 9, 1.6));
    }
    p.drawImage(QRectF(8, 8, 48, 48), icon(48 * scale));
    return img;
}

// The installer's pictures, as its pages show them (24-bit BMP): the tall one
// beside the welcome and finish pages, the icon on the dark green of the
// main window; the small one at the right of the other pages' white header.
QImage installerPicture(QSize size, bool header)
{
    QImage img(size, QImage::Format_RGB888);
    img.fill(header ? QColor(Qt::white) : DarkGreen);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int side = header ? 48 : 128;
    const QPoint at = header ? QPoint(size.width() - side - 6, (size.height() - side) / 2)
                             : QPoint((size.width() - side) / 2, 60);
    p.drawImage(at, icon(side));
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = (argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets")) + QLatin1Char('/');
    bool ok = true;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok = ok && icon(size).save(dir + QStringLiteral("icon%1.png").arg(size));
    QFile svg(dir + QStringLiteral("icon.svg"));
    ok = ok && svg.open(QIODevice::WriteOnly) && svg.write(IconSvg) == qint64(sizeof IconSvg - 1);
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        ok = ok && banner(scale).save(dir + QStringLiteral("banner") + suffix)
            && floppy(scale).save(dir + QStringLiteral("floppy") + suffix)
            && aboutPicture(scale).save(dir + QStringLiteral("about") + suffix);
    }
    ok = ok && installerPicture({164, 314}, false).save(dir + QStringLiteral("installer-side.bmp"))
        && installerPicture({150, 57}, true).save(dir + QStringLiteral("installer-header.bmp"));
    return ok ? 0 : 1;
}
