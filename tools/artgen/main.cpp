// Draws the game's bitmap artwork so it can be regenerated from code.
// Output is deterministic: no randomness, fixed fonts, no metadata.

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

QImage blankImage(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

// Glyph outlines rather than drawText, so text can take gradients and strokes
// and be fitted exactly into a box regardless of font metrics.
QPainterPath textPath(const QString& text, int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// Scales the path uniformly so it fits inside box, centred.
QPainterPath fitInto(const QPainterPath& path, const QRectF& box)
{
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

// Pointers are pixel art: at 32 px, hand-placed pixels read far better than
// a rasterised polygon. B = outline, W = body, Y = click flash.
constexpr std::array<const char*, 19> kBigArrow{
    "B...........", "BB..........", "BWB.........", "BWWB........", "BWWWB.......", "BWWWWB......", "BWWWWWB.....",
    "BWWWWWWB....", "BWWWWWWWB...", "BWWWWWWWWB..", "BWWWWWWWWWB.", "BWWWWWWBBBBB", "BWWWBWWB....", "BWWBBWWB....",
    "BWB..BWWB...", "BB...BWWB...", "B.....BWWB..", "......BWWB..", ".......BB..."};
constexpr std::array<const char*, 12> kSmallArrow{"B.......", "BB......", "BWB.....", "BWWB....",
                                                  "BWWWB...", "BWWWWB..", "BWWWWWB.", "BWWWWBBB",
                                                  "BWBBWB..", "BB..BWB.", "B...BWB.", ".....B.."};
constexpr std::array<const char*, 5> kClickFlash{"Y...Y", ".Y..Y", ".....", ".....", "YY..."};

template <std::size_t N>
void drawPixels(QPainter& painter, const std::array<const char*, N>& rows, int left, int top)
{
    for (std::size_t y = 0; y < N; ++y) {
        for (int x = 0; rows[y][x] != '\0'; ++x) {
            const char cell = rows[y][x];
            if (cell == '.')
                continue;
            const QColor colour = cell == 'B'   ? QColor(Qt::black)
                                  : cell == 'W' ? QColor(Qt::white)
                                                : QColor(0xFF, 0xE8, 0x40);
            painter.fillRect(QRect(left + x, top + int(y), 1, 1), colour);
        }
    }
}

// Designed on a 32-unit grid so every size shares the same geometry.
QImage drawIcon(int size)
{
    QImage image = blankImage(size, size, Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(size / 32.0, size / 32.0);

    painter.fillRect(QRect(1, 1, 30, 30), QColor(0x90, 0x00, 0x00));
    painter.fillRect(QRect(2, 2, 28, 28), QColor(0xE0, 0x18, 0x18));
    drawPixels(painter, kClickFlash, 8, 5);
    drawPixels(painter, kBigArrow, 12, 9);
    drawPixels(painter, kSmallArrow, 21, 3);
    drawPixels(painter, kSmallArrow, 3, 18);
    return image;
}

// Three passes of a horizontal and vertical box blur approximate a Gaussian.
QImage boxBlur(const QImage& source, int radius)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    const int span = 2 * radius + 1;
    auto blurLine = [&](auto pixelAt, int length) {
        std::vector<QRgb> line(length);
        for (int i = 0; i < length; ++i)
            line[i] = *pixelAt(i);
        for (int i = 0; i < length; ++i) {
            int sum[4] = {0, 0, 0, 0};
            for (int k = i - radius; k <= i + radius; ++k) {
                const QRgb p = (k >= 0 && k < length) ? line[k] : 0;
                sum[0] += qAlpha(p);
                sum[1] += qRed(p);
                sum[2] += qGreen(p);
                sum[3] += qBlue(p);
            }
            *pixelAt(i) = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
        }
    };
    auto pixel = [&](int x, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)) + x; };
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            blurLine([&](int x) { return pixel(x, y); }, w);
        for (int x = 0; x < w; ++x)
            blurLine([&](int y) { return pixel(x, y); }, h);
    }
    return image;
}

// The game crops the top 7 rows and prints the level number over the lower
// part, so the word stays within rows 9..40 and the square sits below it.
QImage drawLevel(int scale)
{
    QImage image = blankImage(100 * scale, 100 * scale, QColor(192, 255, 255));

    QImage glow = blankImage(100 * scale, 100 * scale, Qt::transparent);
    {
        QPainter painter(&glow);
        painter.scale(scale, scale);
        painter.fillRect(QRect(20, 50, 60, 40), QColor(0, 215, 235));
    }
    glow = boxBlur(glow, 4 * scale);

    QPainter painter(&image);
    painter.drawImage(0, 0, glow);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);

    const QPainterPath word = fitInto(textPath(QStringLiteral("Level"), 64), QRectF(6, 11, 88, 28));
    QLinearGradient gradient(0, 11, 0, 39);
    gradient.setColorAt(0.0, QColor(0x8B, 0x00, 0x00));
    gradient.setColorAt(1.0, QColor(0x00, 0x60, 0x60));
    painter.setPen(QPen(QColor(0x30, 0x00, 0x10), 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gradient);
    painter.drawPath(word);
    return image;
}

// A ribbon whose centre swings on a sine wave; edges are built per row so the
// band keeps a constant horizontal width.
QImage drawGauge(int scale)
{
    constexpr int kWidth = 32;
    constexpr int kHeight = 159;
    constexpr double kPeriods = 2.5;
    constexpr double kAmplitude = 6.0;
    QImage image = blankImage(kWidth * scale, kHeight * scale, QColor(198, 255, 255));
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);

    auto centreAt = [&](double y) { return kWidth / 2.0 + kAmplitude * std::sin(2.0 * kPi * kPeriods * y / kHeight); };
    auto band = [&](double left, double right) {
        QPolygonF polygon;
        for (int y = -2; y <= kHeight + 2; ++y)
            polygon << QPointF(centreAt(y) + left, y);
        for (int y = kHeight + 2; y >= -2; --y)
            polygon << QPointF(centreAt(y) + right, y);
        return polygon;
    };

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x10, 0x20, 0xA0));
    painter.drawPolygon(band(-6.5, 6.5));
    painter.setBrush(QColor(0x20, 0x40, 0xFF));
    painter.drawPolygon(band(-5.5, 5.5));
    painter.setBrush(QColor(0x90, 0xA8, 0xFF));
    painter.drawPolygon(band(-3.5, -1.0));
    return image;
}

// A tapered swash around a curved spine. Width swells in the middle and
// wobbles a little; thin streaks along it stand in for bristle marks.
struct BrushStroke {
    QPolygonF outline;
    std::vector<QPolygonF> streaks;
};

BrushStroke brushStroke(double wobblePhase)
{
    constexpr int kSteps = 48;
    constexpr std::array<double, 3> kStreakOffsets{-0.55, 0.05, 0.5};
    const QPointF start(1, 84);
    const QPointF control(34, 56);
    const QPointF end(95, 38);
    auto spine = [&](double t) { return (1 - t) * (1 - t) * start + 2 * (1 - t) * t * control + t * t * end; };
    std::vector<QPointF> upper;
    std::vector<QPointF> lower;
    BrushStroke stroke;
    stroke.streaks.resize(kStreakOffsets.size());
    for (int i = 0; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        const QPointF tangent = spine(std::min(t + 0.01, 1.0)) - spine(std::max(t - 0.01, 0.0));
        const double length = std::hypot(tangent.x(), tangent.y());
        const QPointF normal(-tangent.y() / length, tangent.x() / length);
        const double wobble = 1.2 * std::sin(11 * t + wobblePhase) + 0.6 * std::sin(29 * t + 2 * wobblePhase);
        const double half = (15 + wobble) * std::pow(std::sin(kPi * t), 0.7);
        upper.push_back(spine(t) + normal * half);
        lower.push_back(spine(t) - normal * half);
        if (t > 0.12 && t < 0.9)
            for (std::size_t s = 0; s < kStreakOffsets.size(); ++s)
                stroke.streaks[s] << spine(t) + normal * (half * kStreakOffsets[s]);
    }
    for (const QPointF& point : upper)
        stroke.outline << point;
    for (auto it = lower.rbegin(); it != lower.rend(); ++it)
        stroke.outline << *it;
    return stroke;
}

QImage drawRank(int rank, int scale)
{
    QImage image = blankImage(96 * scale, 96 * scale, QColor(189, 255, 255));
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // Each rank gets its own wobble so the three strokes are not identical.
    const BrushStroke stroke = brushStroke(1.7 * rank);
    painter.setPen(QPen(QColor(0xF0, 0xC0, 0x00), 1.0));
    painter.setBrush(QColor(0xFF, 0xE0, 0x00));
    painter.drawPolygon(stroke.outline);
    painter.setPen(QPen(QColor(0xF4, 0xCC, 0x00), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (const QPolygonF& streak : stroke.streaks)
        painter.drawPolyline(streak);

    // Only the top-left 94x92 pixels are shown, so the figure stays inside.
    const QPainterPath numeral = fitInto(textPath(QString::number(rank), 128), QRectF(8, 6, 80, 80));
    painter.setPen(QPen(QColor(0x2A, 0x0C, 0x70), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0x6A, 0x2B, 0xE2));
    painter.drawPath(numeral);
    return image;
}

// Opaque pictures are written without an alpha channel.
bool save(const QImage& image, const QDir& dir, const QString& name, bool opaque = true)
{
    const QString path = dir.filePath(name);
    const QImage out = opaque ? image.convertToFormat(QImage::Format_RGB32) : image;
    if (out.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    return false;
}

// The icon of the program file, for Windows (Explorer, shortcuts, a pinned
// taskbar button): a picture for each size Windows asks for, each stored as
// PNG, which Windows reads at every size since Vista.
bool saveWindowsIcon(const QDir& dir, const QString& name)
{
    const std::array sizes{16, 32, 48, 256};
    std::vector<QByteArray> pictures;
    for (const int size : sizes) {
        QBuffer picture;
        picture.open(QIODevice::WriteOnly);
        drawIcon(size).save(&picture, "PNG");
        pictures.push_back(picture.data());
    }
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());  // reserved, an icon, how many pictures
    auto offset = quint32(6 + 16 * sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const auto side = quint8(sizes[i] % 256);                                   // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)  // true colour with alpha
            << quint32(pictures[i].size()) << offset;
        offset += pictures[i].size();
    }
    for (const QByteArray& picture : pictures)
        out.writeRawData(picture.constData(), static_cast<int>(picture.size()));
    return out.status() == QDataStream::Ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Text rendering needs a gui application, but never a display.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "artgen: cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = save(drawIcon(32), dir, QStringLiteral("icon.png"), false);
    ok = save(drawIcon(128), dir, QStringLiteral("icon-128.png"), false) && ok;
    ok = saveWindowsIcon(dir, QStringLiteral("zentap3.ico")) && ok;
    // Each picture also at twice the size, for screens that scale by two.
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        ok = save(drawLevel(scale), dir, QStringLiteral("level") + suffix) && ok;
        ok = save(drawGauge(scale), dir, QStringLiteral("gauge") + suffix) && ok;
        for (int rank = 1; rank <= 3; ++rank)
            ok = save(drawRank(rank, scale), dir, QStringLiteral("rank%1").arg(rank) + suffix) && ok;
    }
    return ok ? 0 : 1;
}
