// The Qt peer: the ordinary 800 x 480 list's picture, as the cairo peer draws it, drawn with Qt's
// raster engine into an off-screen QImage and copied to a window-sized one, as a Qt developer
// would do it. Pictures, fonts and strings are prepared once, outside the measurement.
// Qt's headers come first: wincore's <windows.h> defines macros (DrawText and the like) that
// must not rename Qt's declarations.
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cases.h"
#include "frame/Module.h"
#include "peer_scene.h"
#include "report.h"
#include "resources/resource.h"
#include "scene.h"

namespace bench {

namespace {

// Qt resolves fonts only with an application object: one for the process, on the headless
// platform. It is made after wincore has resolved its first font, so that at exit it goes before
// wincore hands fontconfig back, and Qt releases its fontconfig patterns while they are still valid.
void EnsureQtApplication()
{
    static int argc = 1;
    static char name[] = "rknav_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(argc, argv);
}

QColor ColourOf(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

QImage KeyedImage(HBITMAP bitmap, int width, int height)
{
    const std::vector<uint32_t> pixels = KeyedPixels(bitmap, width, height);
    const QImage view(reinterpret_cast<const uchar*>(pixels.data()), width, height, width * int(sizeof(uint32_t)),
                      QImage::Format_ARGB32_Premultiplied);
    return view.copy();
}

QFont MakeFont(const char* family, int pixelSize, bool bold)
{
    EnsureQtApplication();
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QImage PoiIcons(HFONT font)
{
    HBITMAP strip = CreatePoiStrip(font, TEXT("HFSP"));
    QImage icons = KeyedImage(strip, 4 * kIconSize, kIconSize);
    DeleteObject(strip);
    return icons;
}

QImage ListArrows()
{
    HBITMAP bitmap = LoadBitmapW(GetModuleInstance(), MAKEINTRESOURCEW(IDB_LIST_ARROW));
    QImage arrows = KeyedImage(bitmap, 2 * kArrowWidth, kArrowHeight);
    DeleteObject(bitmap);
    return arrows;
}

// A font with its metrics, which place every line of it.
struct Face {
    Face(const char* family, int pixelSize, bool bold) : font(MakeFont(family, pixelSize, bold)), metrics(font) {}
    QFont font;
    QFontMetricsF metrics;
};

struct RowTexts {
    QString title;
    QString distance;
    QString address;
};

class QtList {
public:
    explicit QtList(const Fonts& fonts) : icons(PoiIcons(fonts.title))
    {
        // Premultiplied, as a QPixmap would hold it on the raster engine: no conversion per paint.
        pageBar = QImage(RKNAV_RESOURCE_DIR "/page_bar.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int i = 0; i < kRowKinds; i++)
            texts.push_back({QString::fromUtf16(Row(i).title), QString::fromUtf16(Row(i).distance),
                             QString::fromUtf16(Row(i).address)});
    }
    bool Ready() const { return !pageBar.isNull(); }

    void Paint()
    {
        QPainter painter(&offscreen);
        painter.fillRect(offscreen.rect(), ColourOf(kListBackground));
        painter.save();
        painter.setClipRect(0, 0, kWidth, kHeight - kPageBarHeight);
        // Eight whole rows and the top of a ninth, as the list lays them out.
        for (int i = 0; i <= 8; i++) DrawRow(painter, i, i * kItemHeight);
        painter.restore();
        DrawPageBar(painter);
        painter.end();

        // The blit a paint event ends with; Source makes it a plain copy whatever the formats.
        QPainter screen(&window);
        screen.setCompositionMode(QPainter::CompositionMode_Source);
        screen.drawImage(0, 0, offscreen);
    }

    void Save(const std::string& path) const { window.save(QString::fromStdString(path), "PNG"); }

private:
    void DrawRow(QPainter& painter, int index, int top)
    {
        const int bottom = top + kItemHeight, half = kItemHeight / 2;
        if (index == kSelectedRow) DrawHighlight(painter, top);
        painter.setPen(ColourOf(kSeparatorColor));
        for (int y : {top, bottom}) painter.drawLine(0, y, kWidth - 1, y);

        const int iconTop = top + (kItemHeight - kIconSize) / 2;
        painter.drawImage(QPoint(1, iconTop), icons, QRect(kIconSize * IconOf(index), 0, kIconSize, kIconSize));

        const RowTexts& row = texts[index % kRowKinds];
        const double width = DrawLabel(painter, title, row.title, kTextLeft, top, top + half, kTitleColor);
        DrawLabel(painter, detail, row.distance, kTextLeft + width + kDistanceGap, top, top + half, kDistanceColor);
        DrawLabel(painter, address, row.address, kTextLeft, top + half, bottom, kAddressColor);

        const int arrowTop = top + (kItemHeight - kArrowHeight) / 2, selected = index == kSelectedRow;
        painter.drawImage(QPoint(kWidth - kArrowWidth, arrowTop), arrows,
                          QRect(kArrowWidth * selected, 0, kArrowWidth, kArrowHeight));
    }

    static void DrawHighlight(QPainter& painter, int top)
    {
        const double h = kItemHeight - 3;
        QLinearGradient gradient(0, top + 2, 0, top + 2 + h);
        gradient.setColorAt(0, Qt::white);
        gradient.setColorAt(0.5, ColourOf(kSelectionColor));
        gradient.setColorAt(1, Qt::white);
        painter.fillRect(QRectF(0, top + 2, kWidth, h), gradient);
    }

    // One line of text centred vertically in [top, bottom); returns its advance.
    static double DrawLabel(QPainter& painter, const Face& face, const QString& text, double x, int top, int bottom,
                            COLORREF colour)
    {
        const QFontMetricsF& font = face.metrics;
        const double advance = font.horizontalAdvance(text);
        painter.setFont(face.font);
        painter.setPen(ColourOf(colour));
        painter.drawText(QPointF(x, top + ((bottom - top) - (font.ascent() + font.descent())) / 2 + font.ascent()), text);
        return advance;
    }

    // Both ends one to one, the middle stretched smoothly; the source rectangle bounds the filter,
    // so the neighbouring cells stay out.
    void DrawPageBar(QPainter& painter)
    {
        const int top = kHeight - kPageBarHeight;
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        DrawPiece(painter, 0, top, kPageEnd, 0, kPageEnd);
        DrawPiece(painter, kWidth - kPageEnd, top, kPageEnd, pageBar.width() - 3 * kPageEnd, kPageEnd);
        DrawPiece(painter, kPageEnd, top, kWidth - 2 * kPageEnd, 3 * kPageEnd, kPageMiddle);
    }

    void DrawPiece(QPainter& painter, int x, int y, int width, int sourceX, int sourceWidth) const
    {
        painter.drawImage(QRectF(x, y, width, kPageBarHeight), pageBar, QRectF(sourceX, 0, sourceWidth, kPageBarHeight));
    }

    // The icons come first: wincore draws their letters before the fonts make the Qt application
    // (see EnsureQtApplication).
    QImage icons;
    QImage arrows = ListArrows();
    Face title{"Tahoma", kTitleSize, true};
    Face detail{"Tahoma", kDetailSize, false};
    Face address{"WenQuanYi Micro Hei", kDetailSize, false};
    std::vector<RowTexts> texts;
    QImage pageBar;
    QImage offscreen{kWidth, kHeight, QImage::Format_RGB32};
    QImage window{kWidth, kHeight, QImage::Format_RGB32};
};

void QtPeerList(benchmark::State& state)
{
    PaintPeerPicture<QtList>(state, "qt_peer.png");
}

}  // namespace

void RegisterQtPeerCases()
{
    RegisterCase("Qt peer list 800x480", Area{800, 480}, QtPeerList);
}

}  // namespace bench
