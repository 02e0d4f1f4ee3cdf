#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui_DDeviceListItem.h"

#include "core/DDataManager.h"
#include "device/RecordFieldText.h"
#include "ui/mainwidget/devicePage/ConnectionText.h"
#include "widgets/LanguageChangeHook.h"

#include <QMouseEvent>
#include <QPixmap>

#include <cstring>

namespace {

const int kTileWidth = 190;
const int kTileHeight = 140;

} // namespace

DDeviceListItem::DDeviceListItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DDeviceListItem)
{
    std::memset(&m_info, 0, sizeof m_info);
    ui->setupUi(this);
    setFixedSize(kTileWidth, kTileHeight);

    m_veil = new QWidget(this);
    m_veil->setWindowFlags(Qt::FramelessWindowHint);
    m_veil->setGeometry(0, 0, kTileWidth, kTileHeight);
    m_veil->setAttribute(Qt::WA_TransparentForMouseEvents);

    updateAppTheme();
    // The connection kind is set from code: it follows a language change.
    LanguageChangeHook::install(this, [this] { showDeviceName(); });
}

DDeviceListItem::~DDeviceListItem()
{
    delete ui;
}

void DDeviceListItem::showDeviceName()
{
    ui->label_DeviceName->setText(QString::fromLocal8Bit(recordFieldText(m_info.likeName))
                                  + ConnectionText::suffix(m_info));
}

void DDeviceListItem::setDeviceInfo(hidStructInfoAll info)
{
    m_info = info;

    const QByteArray product = recordFieldText(m_info.productName);
    if (product.isEmpty()) {
        ui->label_ProductName->hide();
        ui->label_DeviceName->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    } else {
        ui->label_ProductName->setText(QString::fromUtf8(product));
        ui->label_ProductName->show();
        ui->label_DeviceName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    showDeviceName();

    // The keyboard's picture beside the program; a missing file shows nothing.
    const QSize box(kTileWidth - 4, kTileHeight - 4);
    const QString picture = DDataManager::getInstance()->appDirPath() + QStringLiteral("/images/hidImages/Keyboard_")
        + QString::fromLocal8Bit(recordFieldText(m_info.hidModel)) + QStringLiteral(".png");
    QPixmap pixmap(picture);
    if (!pixmap.isNull())
        pixmap = pixmap.scaled(box, Qt::KeepAspectRatio, Qt::FastTransformation);
    ui->label_DeviceImage->setPixmap(pixmap);

    setOnlineStatus(m_info.isOnline);
}

QString DDeviceListItem::deviceNameText() const
{
    return ui->label_DeviceName->text();
}

bool DDeviceListItem::isVeilShown() const
{
    return !m_veil->isHidden();
}

void DDeviceListItem::applyFrameStyle(bool selected)
{
    const QString style = selected
        ? QStringLiteral("QFrame#frame_DeviceImageBg{ border: 1px solid rgba(%1, 255); } "
                         "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(%1); }")
        : QStringLiteral("QFrame#frame_DeviceImageBg{ border: 1px solid rgba(%1, 0); } "
                         "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(%1); }");
    ui->frame_DeviceImageBg->setStyleSheet(style.arg(m_accentColor));
}

void DDeviceListItem::setSelected(bool selected)
{
    m_selected = selected;
    applyFrameStyle(selected);
}

void DDeviceListItem::setOnlineStatus(int online)
{
    m_online = online;
    m_info.isOnline = online;
    if (online != 0) {
        m_veil->hide();
        return;
    }
    m_veil->setObjectName(QStringLiteral("widget"));
    m_veil->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
    m_veil->setAttribute(Qt::WA_StyledBackground);
    m_veil->raise();
    m_veil->show();
    applyFrameStyle(false);
}

void DDeviceListItem::updateAppTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColor theme = data->themeColor();
    m_accentColor = theme.TextCheckedColor;

    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{ background-color: rgb(%1);}").arg(theme.DeviceListAreaDefaultBgColor));

    ui->label_ProductName->setStyleSheet(
        QStringLiteral("QLabel#label_ProductName{ color: rgb(%1);}").arg(theme.TextCheckedColor));
    QFont bold = data->themeFont(0);
    bold.setPointSize(11);
    ui->label_ProductName->setFont(bold);

    ui->label_DeviceName->setStyleSheet(
        QStringLiteral("QLabel#label_DeviceName{ color: rgb(%1);}").arg(theme.TextDefaultColor));
    QFont normal = data->themeFont(1);
    normal.setPointSize(12);
    ui->label_DeviceName->setFont(normal);

    applyFrameStyle(m_selected);
}

void DDeviceListItem::mousePressEvent(QMouseEvent *)
{
    emit sigHidItemMouseClicked(m_info);
}
