#include "ui/mainwidget/devicePage/keyboardImageFrameItem.h"
#include "ui_keyboardImageFrameItem.h"

#include <QFileInfo>

#include "core/DDataManager.h"

keyboardImageFrameItem::keyboardImageFrameItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::keyboardImageFrameItem)
{
    ui->setupUi(this);
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

void keyboardImageFrameItem::showPicture(const QString &path)
{
    // A missing picture leaves the frame empty. The path is quoted so that a
    // program folder with blanks or brackets still names the file.
    if (!QFileInfo(path).isFile()) {
        m_shownPicture.clear();
        ui->frame->setStyleSheet(QString());
        return;
    }
    m_shownPicture = path;
    QString quoted = path;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border-image: url(\"%1\");}").arg(quoted));
}
