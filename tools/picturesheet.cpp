// Draws every bundled picture (icons, pictures, wallpapers) and every mapped symbol, each with
// its name, into one PNG so a person can look over the whole artwork at once.
//
//   kestrel-picture-sheet OUT.png          the pictures compiled into the shell
//   kestrel-picture-sheet OUT.png DIR      the pictures in DIR/{icons,pictures,wallpapers}
#include "assetcatalog.h"
#include "symboltable.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

constexpr int SheetWidth = 1500;
constexpr int Margin = 30;
constexpr int LabelHeight = 34;

struct Picture
{
    QString name;
    QString file;
};

QList<Picture> picturesIn(const QString &root, const QString &kind)
{
    QList<Picture> all;
    const QDir dir(root + QLatin1Char('/') + kind);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files, QDir::Name))
        all.append({info.completeBaseName(), info.filePath()});
    return all;
}

QImage load(const QString &file, QSize size)
{
    QImageReader reader(file);
    const QSize natural = reader.size();
    if (natural.isValid())
        reader.setScaledSize(natural.scaled(size, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(file), qPrintable(reader.errorString()));
    return image;
}

class Sheet
{
public:
    Sheet() : m_image(SheetWidth, 6000, QImage::Format_RGB32) { m_image.fill(QColor(0xee, 0xee, 0xf2)); m_painter.begin(&m_image); }

    void heading(const QString &text)
    {
        m_y += Margin;
        QFont font(QStringLiteral("Inter"));
        font.setPixelSize(28);
        font.setWeight(QFont::DemiBold);
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        m_painter.drawText(QRect(Margin, m_y, SheetWidth, 36), Qt::AlignLeft | Qt::AlignVCenter, text);
        m_y += 36 + 12;
    }

    // Lays pictures out in rows of cells; each cell is drawn by `draw` into the given rectangle.
    template<typename Draw>
    void grid(const QList<Picture> &pictures, QSize cell, Draw draw)
    {
        const int gap = 24;
        const int perRow = std::max(1, (SheetWidth - 2 * Margin + gap) / (cell.width() + gap));
        for (int i = 0; i < pictures.size(); ++i) {
            const int col = i % perRow;
            if (i > 0 && col == 0)
                m_y += cell.height() + LabelHeight + gap;
            const QRect area(Margin + col * (cell.width() + gap), m_y, cell.width(), cell.height());
            draw(pictures.at(i), area);
            label(pictures.at(i).name, QRect(area.left() - gap / 2, area.bottom() + 4, area.width() + gap, LabelHeight - 4));
        }
        if (!pictures.isEmpty())
            m_y += cell.height() + LabelHeight;
    }

    void label(const QString &text, const QRect &area)
    {
        QFont font(QStringLiteral("Inter"));
        font.setPixelSize(13);
        m_painter.setFont(font);
        m_painter.setPen(QColor(0x33, 0x33, 0x38));
        m_painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere, text);
    }

    QPainter &painter() { return m_painter; }

    bool save(const QString &file)
    {
        m_painter.end();
        return m_image.copy(0, 0, SheetWidth, m_y + Margin).save(file, "PNG");
    }

private:
    QImage m_image;
    QPainter m_painter;
    int m_y = 0;
};

void checkerboard(QPainter &p, const QRect &area)
{
    const int step = 10;
    p.save();
    p.setClipRect(area);
    for (int y = area.top(); y < area.bottom(); y += step)
        for (int x = area.left(); x < area.right(); x += step)
            p.fillRect(x, y, step, step, ((x - area.left()) / step + (y - area.top()) / step) % 2 ? QColor(0xcc, 0xcc, 0xd2) : QColor(0x99, 0x99, 0xa2));
    p.restore();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: kestrel-picture-sheet OUT.png [ASSET_DIR]\n");
        return 2;
    }
    const QString root = args.size() == 3 ? args.at(2) : QStringLiteral(":/assets");

    Sheet sheet;
    QPainter &p = sheet.painter();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    sheet.heading(QStringLiteral("Icons (as on the home screen, and unclipped)"));
    sheet.grid(picturesIn(root, QStringLiteral("icons")), QSize(120, 120), [&](const Picture &pic, const QRect &area) {
        const QImage image = load(pic.file, QSize(240, 240));
        QPainterPath tile;
        tile.addRoundedRect(QRectF(area.left(), area.top(), 90, 90), 22, 22);
        p.save();
        p.setClipPath(tile);
        p.drawImage(QRect(area.left(), area.top(), 90, 90), image);
        p.restore();
        p.drawImage(QRect(area.left() + 92, area.top() + 62, 28, 28), image);
    });

    sheet.heading(QStringLiteral("Pictures (on a checkerboard to show transparency)"));
    sheet.grid(picturesIn(root, QStringLiteral("pictures")), QSize(120, 120), [&](const Picture &pic, const QRect &area) {
        checkerboard(p, area);
        p.drawImage(area, load(pic.file, area.size() * 2));
    });

    sheet.heading(QStringLiteral("Wallpapers"));
    sheet.grid(picturesIn(root, QStringLiteral("wallpapers")), QSize(180, 390), [&](const Picture &pic, const QRect &area) {
        QImageReader reader(pic.file);
        const QSize natural = reader.size();
        p.drawImage(area, load(pic.file, area.size() * 2));
        // Pixel size and file size on a dark strip at the foot of the picture.
        const QRect strip(area.left(), area.bottom() - 22, area.width(), 23);
        p.fillRect(strip, QColor(0, 0, 0, 170));
        QFont font(QStringLiteral("Inter"));
        font.setPixelSize(12);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(strip, Qt::AlignCenter,
                   QStringLiteral("%1 x %2, %3 KB").arg(natural.width()).arg(natural.height()).arg(QFileInfo(pic.file).size() / 1024));
    });

    sheet.heading(QStringLiteral("Symbols"));
    QList<Picture> symbols;
    for (const QString &name : SymbolTable::names())
        symbols.append({name, {}});
    QFont glyphFont(SymbolTable::fontFamily());
    glyphFont.setPixelSize(int(24 * SymbolTable::scale()));
    sheet.grid(symbols, QSize(120, 44), [&](const Picture &symbol, const QRect &area) {
        p.setFont(glyphFont);
        p.setPen(Qt::black);
        p.drawText(area, Qt::AlignCenter, SymbolTable::glyph(symbol.name));
    });

    if (!sheet.save(args.at(1))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
