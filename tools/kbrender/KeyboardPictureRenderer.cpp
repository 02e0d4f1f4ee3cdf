#include "KeyboardPictureRenderer.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/mainwidget/devicePage/KeyLayoutFile.h"
#include "ui/mainwidget/devicePage/KeyboardModelTable.h"

namespace {

constexpr int kMargin = KeyboardModelTable::CanvasMargin;

const QColor kCaseTop(58, 61, 74);
const QColor kCaseBottom(35, 37, 47);
const QColor kCaseRim(86, 90, 108);
const QColor kPlate(24, 25, 32);
const QColor kSkirt(40, 42, 51);
const QColor kSkirtEdge(16, 17, 22);
const QColor kFaceTop(78, 81, 95);
const QColor kFaceBottom(62, 65, 78);
const QColor kModFaceTop(52, 55, 66);
const QColor kModFaceBottom(44, 46, 56);
const QColor kAccentTop(255, 160, 64);
const QColor kAccentBottom(230, 128, 28);
const QColor kLegend(222, 224, 232);
const QColor kAccentLegend(40, 24, 8);
const QColor kDiffuser(210, 214, 230, 70);
const QColor kLampOff(70, 72, 84);
const QColor kLampOn(70, 220, 120);

// Keys drawn in the darker modifier colour: everything but letters, digits
// and the main punctuation; Esc and Enter carry the accent colour.
bool isAlphanumericBlock(int code)
{
    return (code >= 4 && code <= 39) || (code >= 45 && code <= 56 && code != 50) || code == 44;
}

bool isAccent(int code)
{
    return code == 41 || code == 40;
}

} // namespace

KeyboardPictureRenderer::KeyboardPictureRenderer(const KeyLayoutFile &layout, QSize baseSize)
    : m_layout(layout)
    , m_baseSize(baseSize)
{
}

QImage KeyboardPictureRenderer::render(int variant) const
{
    const QSize canvas = m_baseSize + QSize(2 * kMargin, 2 * kMargin);
    QImage image(canvas * Scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(Scale, Scale);

    drawCase(p);
    if (m_layout.hasSideLights())
        drawSideLightDiffusers(p);
    drawModeLamps(p, variant);
    for (const KeyLayoutFile::Key &key : m_layout.keys()) {
        if (key.record.code != 0 && key.record.width > 0 && key.record.height > 0)
            drawKey(p, key.record, key.caption);
    }
    return image;
}

void KeyboardPictureRenderer::drawCase(QPainter &p) const
{
    const QRectF body(kMargin, kMargin, m_baseSize.width(), m_baseSize.height());
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0, kCaseTop);
    shade.setColorAt(1, kCaseBottom);
    p.setPen(QPen(kCaseRim, 1));
    p.setBrush(shade);
    p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);

    // The recessed plate the keys sit in: the keys' bounding box.
    QRectF plate;
    for (const KeyLayoutFile::Key &key : m_layout.keys()) {
        const KeyLayoutInfoStu &r = key.record;
        if (r.code != 0 && r.width > 0 && r.height > 0)
            plate |= QRectF(r.x + kMargin, r.y + kMargin, r.width, r.height);
    }
    if (!plate.isEmpty()) {
        p.setPen(Qt::NoPen);
        p.setBrush(kPlate);
        p.drawRoundedRect(plate.adjusted(-4, -4, 4, 4), 5, 5);
    }

    QFont brand(QStringLiteral("WenQuanYi Micro Hei"));
    brand.setPixelSize(6);
    brand.setBold(true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(brand);
    p.setPen(QColor(150, 154, 170));
    p.drawText(QRectF(kMargin + 14, kMargin + 2, 80, 10), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("LUMTAR"));
}

void KeyboardPictureRenderer::drawSideLightDiffusers(QPainter &p) const
{
    // The segments lie in the view's margin, along the case's edges.
    const qreal h = m_baseSize.height();
    const qreal w = m_baseSize.width();
    p.setPen(Qt::NoPen);
    p.setBrush(kDiffuser);
    bool left = false, right = false, top = false, bottom = false;
    for (const KeyLayoutFile::Segment &s : m_layout.segments()) {
        if (s.validStatus != 1)
            continue;
        left |= s.record.sidePosition == KeyLayoutInfoStu::SideLeft;
        right |= s.record.sidePosition == KeyLayoutInfoStu::SideRight;
        top |= s.record.sidePosition == KeyLayoutInfoStu::SideTop;
        bottom |= s.record.sidePosition == KeyLayoutInfoStu::SideBottom;
    }
    if (left)
        p.drawRoundedRect(QRectF(kMargin - 4, kMargin + 6, 4, h - 12), 2, 2);
    if (right)
        p.drawRoundedRect(QRectF(kMargin + w, kMargin + 6, 4, h - 12), 2, 2);
    if (top)
        p.drawRoundedRect(QRectF(kMargin + 6, kMargin - 4, w - 12, 4), 2, 2);
    if (bottom)
        p.drawRoundedRect(QRectF(kMargin + 6, kMargin + h, w - 12, 4), 2, 2);
}

void KeyboardPictureRenderer::drawModeLamps(QPainter &p, int variant) const
{
    const qreal y = kMargin + 8;
    const qreal right = kMargin + m_baseSize.width() - 16;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const qreal x = right - (2 - i) * 9;
        p.setBrush(i == variant ? kLampOn : kLampOff);
        p.drawEllipse(QPointF(x, y), 2, 2);
    }
}

void KeyboardPictureRenderer::drawKey(QPainter &p, const KeyLayoutInfoStu &key, const QString &caption) const
{
    const QRectF cap(key.x + kMargin, key.y + kMargin, key.width, key.height);
    p.setPen(QPen(kSkirtEdge, 1));
    p.setBrush(kSkirt);
    p.drawRoundedRect(cap.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);

    const QRectF face = cap.adjusted(3, 2, -3, -5);
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    const bool accent = isAccent(key.code);
    const bool plain = isAlphanumericBlock(key.code);
    shade.setColorAt(0, accent ? kAccentTop : plain ? kFaceTop : kModFaceTop);
    shade.setColorAt(1, accent ? kAccentBottom : plain ? kFaceBottom : kModFaceBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(face, 3, 3);

    // Legends: a shifted symbol over its base ("1!", "[{", "; :") or one line.
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(7);
    p.setFont(font);
    p.setPen(accent ? kAccentLegend : kLegend);
    QString lower, upper;
    if (caption.size() == 2 && !caption.at(1).isLetterOrNumber()) {
        lower = caption.left(1);
        upper = caption.mid(1, 1);
    } else if (caption.size() == 3 && caption.at(1) == QLatin1Char(' ')) {
        lower = caption.left(1);
        upper = caption.right(1);
    }
    if (!upper.isEmpty()) {
        const QRectF half(face.left(), face.top(), face.width(), face.height() / 2);
        p.drawText(half.adjusted(0, 1, 0, 0), Qt::AlignCenter, upper);
        p.drawText(half.translated(0, face.height() / 2).adjusted(0, -1, 0, 0), Qt::AlignCenter, lower);
    } else {
        p.drawText(face, Qt::AlignCenter, caption);
    }
}
