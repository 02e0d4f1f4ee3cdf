#include "ui/mainwidget/devicePage/keyboardImageFrameItem.h"
#include "ui_keyboardImageFrameItem.h"

#include <QFileInfo>
#include <QPaintEvent>
#include <QPainter>

#include "core/DDataManager.h"

keyboardImageFrameItem::keyboardImageFrameItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::keyboardImageFrameItem)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

keyboardImageFrameItem::~keyboardImageFrameItem()
{
    delete ui;
}

QString keyboardImageFrameItem::picturePath(const QString &modelName, int variant)
{
    QString name = modelName;
    if (variant >= 0 && variant <= 2)
        name += QStringLiteral("_%1").arg(variant);
    return DDataManager::getInstance()->appDirPath() + QStringLiteral("/images/hidImages/Keyboard_") + name
        + QStringLiteral(".png");
}

void keyboardImageFrameItem::setKeyboardModel(HidDeviceInfoStu info)
{
    info.hidModel[sizeof info.hidModel - 1] = '\0';
    m_modelName = QString::fromLocal8Bit(info.hidModel);
    showPicture(picturePath(m_modelName));
}

void keyboardImageFrameItem::setPictureVariant(int variant)
{
    showPicture(picturePath(m_modelName, variant));
}

void keyboardImageFrameItem::setGround(const QColor &ground)
{
    if (ground == m_ground)
        return;
    m_ground = ground;
    m_scaled = QPixmap();
    update();
}

void keyboardImageFrameItem::showPicture(const QString &path)
{
    // A missing picture leaves the layer empty.
    m_picture = QFileInfo(path).isFile() ? QPixmap(path) : QPixmap();
    m_shownPicture = m_picture.isNull() ? QString() : path;
    m_scaled = QPixmap();
    update();
}

const QPixmap &keyboardImageFrameItem::scaledPicture()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_scaled.size() == pixels && qFuzzyCompare(m_scaled.devicePixelRatio(), ratio))
        return m_scaled;
    // Stretched once per size and composed on the ground: a repaint then
    // copies opaque pixels.
    QPixmap scaled(pixels);
    scaled.fill(m_ground);
    if (!m_picture.isNull()) {
        QPainter painter(&scaled);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(scaled.rect(), m_picture);
    }
    scaled.setDevicePixelRatio(ratio);
    m_scaled = scaled;
    return m_scaled;
}

void keyboardImageFrameItem::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPixmap &picture = scaledPicture();
    for (const QRect &r : event->region())
        painter.drawPixmap(r, picture, QRectF(QPointF(r.topLeft()) * picture.devicePixelRatio(),
                                              QSizeF(r.size()) * picture.devicePixelRatio()));
}
