#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui_hidDeviceJoinFrame.h"

#include <QPainter>
#include <QStackedLayout>
#include <QPaintEvent>

#include "core/DDataManager.h"
#include "ui/mainwidget/devicePage/KeyboardModelTable.h"
#include "ui/mainwidget/devicePage/keyColorRgbFrameItem.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardImageFrameItem.h"
#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"

namespace {

constexpr int kMargin = KeyboardModelTable::CanvasMargin;

// A layout length times the zoom factor, in single precision as the view
// computes all its geometry.
float scaled(int v, float f)
{
    return static_cast<float>(v) * f;
}

// Whole pixels of a position computed in single precision.
int truncated(float v)
{
    return static_cast<int>(qBound(-1.0e8f, v, 1.0e8f));
}

bool between(int v, int a, int b)
{
    return (a <= v && v <= b) || (b <= v && v <= a);
}

// The ground of the keyboard view, whatever the theme.
const QColor kViewGround(26, 27, 49);

} // namespace

int hidDeviceJoinFrame::roundScaled(float v)
{
    v = qBound(-1.0e8f, v, 1.0e8f);
    const int whole = static_cast<int>(v);
    const int firstDecimal = static_cast<int>(v * 10.0f) % 10;
    return firstDecimal >= 4 ? whole + 1 : whole;
}

hidDeviceJoinFrame::hidDeviceJoinFrame(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::hidDeviceJoinFrame)
{
    ui->setupUi(this);
    // The view paints its own opaque background, so nothing beneath it is
    // painted again when the light preview repaints the keys 33 times a
    // second.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void hidDeviceJoinFrame::paintEvent(QPaintEvent *event)
{
    // Under the keys a preview frame repaints: each of their rectangles
    // filled on its own, which the raster engine does without a clip.
    QPainter painter(this);
    for (const QRect &r : event->region())
        painter.fillRect(r, kViewGround);
}

hidDeviceJoinFrame::~hidDeviceJoinFrame()
{
    delete ui;
}

QWidget *hidDeviceJoinFrame::canvas() const
{
    return ui->frame_hidSpace;
}

QPoint hidDeviceJoinFrame::canvasPos() const
{
    return ui->frame_hidSpace->mapTo(this, QPoint(0, 0));
}

int hidDeviceJoinFrame::canvasPosY() const
{
    return canvasPos().y();
}

KeyLayoutInfoStu hidDeviceJoinFrame::keyRecordAt(int row, int column) const
{
    if (row < 0 || row >= 6 || column < 0 || column >= 22)
        return KeyLayoutInfoStu();
    return m_keyTable[row][column];
}

void hidDeviceJoinFrame::loadKeyboard(hidStructInfoAll info)
{
    info.hidModel[sizeof info.hidModel - 1] = '\0';
    info.hidPath[sizeof info.hidPath - 1] = '\0';
    m_modelName = QString::fromLocal8Bit(info.hidModel);

    // A view is built once per device; a second build starts from scratch.
    if (m_container) {
        m_selectedKeys.clear();
        m_hoveredKey = nullptr;
        m_rowHeads.clear();
        for (auto &row : m_keyTable)
            for (KeyLayoutInfoStu &cell : row)
                cell = KeyLayoutInfoStu();
        delete m_container;
        m_container = nullptr;
        m_keyLayer = nullptr;
        m_colourLayer = nullptr;
        m_pictureLayer = nullptr;
    }

    m_modelBaseSize = KeyboardModelTable::canvasBaseSize(m_modelName);
    m_baseCanvasSize = m_modelBaseSize + QSize(2 * kMargin, 2 * kMargin);
    ui->frame_hidSpace->setFixedSize(m_baseCanvasSize);

    m_container = new QWidget(ui->frame_hidSpace);
    m_keyLayer = new keySelectFrame(m_container);
    m_colourLayer = new keyColorRgbFrameItem(m_container);
    m_pictureLayer = new keyboardImageFrameItem(m_container);
    connect(m_keyLayer, &keySelectFrame::sigKeyboardAlreadyLoad, this, &hidDeviceJoinFrame::onKeyboardAlreadyLoad);

    auto *stack = new QStackedLayout;
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(m_keyLayer);
    stack->addWidget(m_colourLayer);
    stack->addWidget(m_pictureLayer);
    m_container->setLayout(stack);
    ui->frame_hidSpace->layout()->addWidget(m_container);
    // Bottom to top: colour layer, picture, keys.
    m_pictureLayer->lower();
    m_colourLayer->lower();
    m_keyLayer->raise();

    HidDeviceInfoStu device = {};
    lumtarCopyField(device.hidModel, info.hidModel);
    lumtarCopyField(device.hidPath, info.hidPath);
    m_pictureLayer->setGround(kViewGround);
    m_pictureLayer->setKeyboardModel(device);
    m_keyLayer->setKeyboardModel(device);
    m_keyLayer->setKeysMode(false, true);
}

void hidDeviceJoinFrame::onKeyboardAlreadyLoad()
{
    m_rowHeads.clear();
    for (auto &row : m_keyTable)
        for (KeyLayoutInfoStu &cell : row)
            cell = KeyLayoutInfoStu();
    if (!m_keyLayer)
        return;
    const QVector<KeyLayoutInfoStu> records = m_keyLayer->keyLayoutRecords();
    if (records.isEmpty())
        return;
    m_rowHeads.append(records.first());
    int r = 0;
    int c = 0;
    for (const KeyLayoutInfoStu &record : records) {
        if (c != 0 && c % 22 == 0) {
            ++r;
            c = 0;
            if (r >= 6)
                break;
            m_rowHeads.append(record);
        }
        m_keyTable[r][c] = record;
        ++c;
    }
}

QSize hidDeviceJoinFrame::canvasSizeAt(float factor) const
{
    return QSize(roundScaled(scaled(m_modelBaseSize.width(), factor)) + 2 * kMargin,
                 roundScaled(scaled(m_modelBaseSize.height(), factor)) + 2 * kMargin);
}

float hidDeviceJoinFrame::zoomToFit(const QSize &room, float limit) const
{
    // Tenths, as the zoom buttons step.
    for (int tenths = qRound(limit * 10.0f); tenths > 5; --tenths) {
        const float factor = float(tenths) / 10.0f;
        const QSize canvas = canvasSizeAt(factor);
        if (canvas.width() <= room.width() && canvas.height() <= room.height())
            return factor;
    }
    return 0.5f;
}

void hidDeviceJoinFrame::setZoom(float factor)
{
    const float f = factor;
    const QSize canvas = canvasSizeAt(f);
    const int canvasW = canvas.width();
    const int canvasH = canvas.height();
    ui->frame_hidSpace->setFixedSize(canvas);
    m_zoomFactor = f;
    if (!m_keyLayer)
        return;

    const QMap<int, keyboardButCustom *> keys = m_keyLayer->keyButtonMap();
    const QVector<KeyLayoutInfoStu> records = m_keyLayer->keyLayoutRecords();
    for (const KeyLayoutInfoStu &r : records) {
        if (r.code == 0)
            continue;
        keyboardButCustom *key = keys.value(r.code);
        if (!key)
            continue;
        const int x = roundScaled(scaled(r.x, f)) + kMargin;
        const int y = roundScaled(scaled(r.y, f)) + kMargin;
        const int w = roundScaled(scaled(r.width, f));
        const int h = roundScaled(scaled(r.height, f));
        key->setKeySize(w, h);
        key->setGeometry(x, y, w, h);
        key->setKeyPos(x, y);
        key->refresh();
    }

    if (DDataManager::getInstance()->hasSpecialEnterKey()) {
        if (keyboardButCustom *enter = keys.value(40)) {
            const int top = KeyboardModelTable::enterNotchTopHeight(m_modelName);
            enter->setEnterNotch(roundScaled(scaled(KeyboardModelTable::enterNotchWidth(), f)),
                                 roundScaled(scaled(top, f)));
        }
    }

    if (!m_keyLayer->hasSideLights())
        return;
    const QMap<int, sideLightButtonCustom *> segments = m_keyLayer->sideLightMap();
    for (const KeyLayoutInfoStu &r : m_keyLayer->sideLightRecords()) {
        if (r.sidePosition == KeyLayoutInfoStu::SideNone)
            continue;
        int x = 0, y = 0, w = 0, h = 0;
        switch (r.sidePosition) {
        case KeyLayoutInfoStu::SideLeft:
            x = r.x != 0 ? roundScaled(scaled(r.x, f)) + kMargin : 0;
            w = r.x != 0 ? roundScaled(scaled(r.width, f)) : r.width;
            y = roundScaled(scaled(r.y, f)) + kMargin;
            h = roundScaled(scaled(r.height, f));
            break;
        case KeyLayoutInfoStu::SideRight:
            x = canvasW - kMargin;
            y = roundScaled(scaled(r.y, f)) + kMargin;
            w = r.width;
            h = roundScaled(scaled(r.height, f));
            break;
        case KeyLayoutInfoStu::SideTop:
            x = roundScaled(scaled(r.x, f)) + kMargin;
            y = r.y != 0 ? roundScaled(scaled(r.y, f)) + kMargin : 0;
            h = r.y != 0 ? roundScaled(scaled(r.height, f)) : r.height;
            w = roundScaled(scaled(r.width, f));
            break;
        case KeyLayoutInfoStu::SideBottom:
            x = roundScaled(scaled(r.x, f)) + kMargin;
            y = canvasH - kMargin;
            w = roundScaled(scaled(r.width, f));
            h = r.height;
            break;
        default:
            continue;
        }
        if (x < 0)
            x = r.x + kMargin;
        if (y < 0)
            y = r.y + kMargin;
        sideLightButtonCustom *segment = segments.value(r.code);
        if (!segment)
            continue;
        segment->setSegmentSize(w, h);
        segment->setGeometry(x, y, w, h);
        segment->setSegmentPos(x, y);
    }
}

void hidDeviceJoinFrame::selectKeysInRect(int startX, int startY, int endX, int endY)
{
    for (keyboardButCustom *key : qAsConst(m_selectedKeys))
        key->setSelected(false);
    m_selectedKeys.clear();

    if (m_keyLayer) {
        const QPoint c = canvasPos();
        const float f = m_zoomFactor;
        const QMap<int, keyboardButCustom *> keys = m_keyLayer->keyButtonMap();
        for (const KeyLayoutInfoStu &r : m_keyLayer->keyLayoutRecords()) {
            if (r.code == 0)
                continue;
            const int left = truncated(scaled(r.x, f) + static_cast<float>(c.x()) + kMargin);
            const int top = truncated(scaled(r.y, f) + static_cast<float>(c.y()) + kMargin);
            if (!between(left, startX, endX) || !between(top, startY, endY))
                continue;
            keyboardButCustom *key = keys.value(r.code);
            if (!key || m_selectedKeys.contains(key))
                continue;
            key->setSelected(true);
            m_selectedKeys.append(key);
        }
    }
    emit sigTheDragAreaHaveChanged(0, -1, -1, -1);
}

void hidDeviceJoinFrame::hoverKeyAt(int x, int y, int mode)
{
    if (m_mouseHeld)
        return;

    keyboardButCustom *hit = nullptr;
    if (m_keyLayer) {
        const QPoint c = canvasPos();
        const int canvasW = ui->frame_hidSpace->width();
        const float f = m_zoomFactor;
        const float cx = static_cast<float>(c.x());
        const float cy = static_cast<float>(c.y());
        for (int row = 0; row < m_rowHeads.size(); ++row) {
            const KeyLayoutInfoStu &head = m_rowHeads.at(row);
            const int bandTop = truncated(scaled(head.y, f) + cy + kMargin);
            const int bandBottom = truncated(static_cast<float>(bandTop) + scaled(head.height, f));
            if (!(c.x() < x && x < c.x() + canvasW && bandTop < y && y < bandBottom))
                continue;
            // Only the first row whose band holds the point is searched.
            for (int column = 0; column < 22; ++column) {
                const KeyLayoutInfoStu &r = m_keyTable[row][column];
                if (r.code == 0)
                    continue;
                const int left = truncated(scaled(r.x, f) + cx + kMargin);
                const int top = truncated(scaled(r.y, f) + cy + kMargin);
                const int right = truncated(static_cast<float>(left) + scaled(r.width, f));
                const int bottom = truncated(static_cast<float>(top) + scaled(r.height, f));
                if (left < x && x < right && top < y && y < bottom) {
                    hit = m_keyLayer->keyButtonMap().value(r.code);
                    break;
                }
            }
            break;
        }
    }

    if (hit) {
        if (hit != m_hoveredKey) {
            if (m_hoveredKey)
                m_hoveredKey->setHovered(false);
            hit->setHovered(true);
            m_hoveredKey = hit;
        }
    } else if (m_hoveredKey) {
        m_hoveredKey->setHovered(false);
        m_hoveredKey = nullptr;
        if (mode == 4 && m_keyLayer)
            m_keyLayer->clearHoverTip();
    }
    emit sigDragAreaMoveOneKey(hit != nullptr);
}

void hidDeviceJoinFrame::toggleHoveredKey(bool pressed)
{
    m_mouseHeld = pressed;
    if (!pressed || !m_hoveredKey)
        return;
    keyboardButCustom *key = m_hoveredKey;
    int status = 0;
    if (m_selectedKeys.contains(key)) {
        key->setSelected(false);
        m_selectedKeys.removeAll(key);
        status = -1;
    } else {
        key->setSelected(true);
        m_selectedKeys.append(key);
        status = 1;
    }
    emit sigTheDragAreaHaveChanged(1, status, key->gridRow(), key->gridColumn());
}

void hidDeviceJoinFrame::setLightShowMode(bool lightMode)
{
    if (lightMode) {
        for (keyboardButCustom *key : qAsConst(m_selectedKeys))
            key->setSelected(false);
        m_selectedKeys.clear();
    }
    if (m_keyLayer)
        m_keyLayer->setLightShowMode(lightMode);
}

void hidDeviceJoinFrame::resetKeyStates()
{
    if (m_keyLayer)
        m_keyLayer->setLightShowMode(false);
}

void hidDeviceJoinFrame::setPictureVariant(int variant)
{
    if (m_pictureLayer)
        m_pictureLayer->setPictureVariant(variant);
}
