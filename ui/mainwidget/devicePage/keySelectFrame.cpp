#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui_keySelectFrame.h"

#include <QDebug>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/devicePage/KeyLayoutFile.h"
#include "ui/mainwidget/devicePage/KeyboardModelTable.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DCustomEventTipExplain.h"
#include "widgets/ThemeColorText.h"

namespace {

// Keys that a click does not select outside key calibration.
bool isUnselectableCaption(const QString &caption)
{
    return caption == QLatin1String("fn") || caption == QLatin1String("Fn") || caption == QLatin1String("FN")
        || caption == QLatin1String("Win+D");
}

} // namespace

QString keySelectFrame::layoutResourcePath(const QString &modelName)
{
    return QStringLiteral(":/images/configDir/KeyInfo_%1.config").arg(modelName);
}

keySelectFrame::keySelectFrame(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::keySelectFrame)
{
    ui->setupUi(this);
    connect(DDataManager::getInstance(), &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo,
            this, &keySelectFrame::onQueryDynamicDisplaySensitivityNum_BackInfo);
}

keySelectFrame::~keySelectFrame()
{
    onCustomButMouseLeave();
    // The shared state must not hand out keys that die with this layer.
    DDataManager *data = DDataManager::getInstance();
    if (data->currentKeySelectFrame() == this) {
        data->setKeyButtonMap({});
        data->setKeyButtonList({});
        data->setCurrentKeySelectFrame(nullptr);
    }
    delete ui;
}

void keySelectFrame::setKeyboardModel(HidDeviceInfoStu info)
{
    info.hidModel[sizeof info.hidModel - 1] = '\0';
    m_modelName = QString::fromLocal8Bit(info.hidModel);
    loadKeyboardInfo(m_modelName);
}

void keySelectFrame::loadKeyboardInfo(QString modelName)
{
    const QString name = QStringLiteral("KeyInfo_%1.config").arg(modelName);

    // The layout is read from a plain copy of the embedded file. A model
    // name that is not a plain file name finds no layout.
    QString path;
    QTemporaryDir dir;
    const bool plainName = !modelName.contains(QLatin1Char('/')) && !modelName.contains(QLatin1Char('\\'));
    if (dir.isValid() && plainName) {
        const QString copy = dir.filePath(name);
        if (QFile::copy(layoutResourcePath(modelName), copy))
            path = copy;
    }

    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        qDebug().noquote()
            << "------------------------ NormalKeyboard loadKeyboardInfo => fp == NULL -------------------------";
        publishNoKeys();
        return;
    }
    const QByteArray text = file.readAll();
    file.close();
    parseKeyboardInfo(text, name);
}

void keySelectFrame::clearLayer()
{
    onCustomButMouseLeave();
    m_clickedKey = nullptr;
    m_hasSideLights = false;
    m_specialEnterKey = false;
    m_specialEnterKeyShape = 0;
    m_hidDeviceType = 0;
    // Keys of an earlier load go: the shared state is handed the new ones.
    qDeleteAll(m_sideLights);
    m_sideLights.clear();
    m_sideLightMap.clear();
    m_sideLightRecords.clear();
    qDeleteAll(m_keyButtons);
    m_keyButtons.clear();
    m_keyButtonMap.clear();
    m_keyRecords.clear();
    for (auto &row : m_keyGrid)
        for (keyboardButCustom *&cell : row)
            cell = nullptr;
}

void keySelectFrame::publishNoKeys()
{
    clearLayer();
    DDataManager *data = DDataManager::getInstance();
    data->setKeyButtonMap({});
    data->setKeyButtonList({});
    data->setCurrentKeySelectFrame(this);
}

bool keySelectFrame::parseKeyboardInfo(const QByteArray &text, const QString &fileName)
{
    clearLayer();
    DDataManager *data = DDataManager::getInstance();
    const QColor accent = themeRgb(data->themeColor().TextCheckedColor, 255);

    KeyLayoutFile layout;
    if (!layout.parse(text)) {
        qDebug().noquote() << QStringLiteral("keySelectFrame: layout file %1 rejected: %2")
                                  .arg(fileName, layout.errorText());
        publishNoKeys();
        return false;
    }

    if (layout.hasHeader()) {
        m_hasSideLights = layout.hasSideLights();
        m_specialEnterKey = layout.hasSpecialEnterKey();
        m_specialEnterKeyShape = layout.specialEnterKeyShape();
        m_hidDeviceType = layout.hidDeviceType();
        data->setSpecialEnterKey(m_specialEnterKey);
        data->setHidDeviceType(m_hidDeviceType);
    }

    for (const KeyLayoutFile::Segment &s : layout.segments()) {
        const KeyLayoutInfoStu &r = s.record;
        auto *segment = new sideLightButtonCustom(this);
        segment->setSegmentSize(r.width, r.height);
        segment->setGeometry(r.x + MarginX, r.y + MarginY, r.width, r.height);
        segment->setSegmentPos(r.x + MarginX, r.y + MarginY);
        segment->setIndexInfo(r.code, s.validStatus);
        segment->setRounded(false);
        segment->hide();
        segment->setLightColor(QColor(255, 0, 0));
        m_sideLights.append(segment);
        m_sideLightMap.insert(r.code, segment);
        m_sideLightRecords.append(r);
    }

    const int notchTop = KeyboardModelTable::enterNotchTopHeight(m_modelName);
    for (const KeyLayoutFile::Key &k : layout.keys()) {
        const KeyLayoutInfoStu &r = k.record;
        auto *key = new keyboardButCustom(this);
        key->setKeySize(r.width, r.height);
        key->setModelName(m_modelName);
        connect(key, &keyboardButCustom::clicked, this, &keySelectFrame::onKeyButtonClicked);
        connect(key, &keyboardButCustom::sigCustomButMouseEnter, this, &keySelectFrame::onCustomButMouseEnter);
        connect(key, &keyboardButCustom::sigCustomButMouseLeave, this, &keySelectFrame::onCustomButMouseLeave);
        if (r.code == 40 && m_specialEnterKey) {
            key->setSpecialShape(true);
            key->setShapeType(1);
            key->setEnterNotch(KeyboardModelTable::enterNotchWidth(), notchTop);
        }
        key->setGeometry(r.x + MarginX, r.y + MarginY, r.width, r.height);
        key->setKeyPos(r.x + MarginX, r.y + MarginY);
        key->setChecked(false, false);
        key->setKeyInfo(r.code, k.caption);
        key->setGridIndex(k.row, k.column);
        key->show();
        m_keyButtonMap.insert(r.code, key);
        m_keyGrid[k.row][k.column] = key;
        m_keyButtons.append(key);
        m_keyRecords.append(r);
    }

    data->setKeyButtonMap(m_keyButtonMap);
    data->setKeyButtonList(m_keyButtons);
    data->setCurrentKeySelectFrame(this);

    emit sigKeyboardAlreadyLoad();

    for (auto &row : m_keyGrid) {
        for (keyboardButCustom *key : row) {
            if (!key)
                continue;
            key->setThemeColors(QColor(220, 40, 45), accent);
            key->setLightColorShow(true);
        }
    }
    return true;
}

keyboardButCustom *keySelectFrame::keyButtonAt(int row, int column) const
{
    if (row < 0 || row >= 6 || column < 0 || column >= 22)
        return nullptr;
    return m_keyGrid[row][column];
}

void keySelectFrame::setKeysMode(bool lightMode, bool hoverEnabled)
{
    for (keyboardButCustom *key : qAsConst(m_keyButtonMap)) {
        key->setHoverEnabled(hoverEnabled);
        key->setLightMode(lightMode);
    }
    if (m_clickedKey) {
        m_clickedKey->setChecked(false, true);
        m_clickedKey = nullptr;
    }
}

void keySelectFrame::setKeysHoverEnabled(bool enabled)
{
    for (keyboardButCustom *key : qAsConst(m_keyButtonMap))
        key->setHoverEnabled(enabled);
}

void keySelectFrame::setLightShowMode(bool lightMode)
{
    for (keyboardButCustom *key : qAsConst(m_keyButtonMap)) {
        key->setLightMode(lightMode);
        key->setSelected(false);
    }
    if (m_clickedKey) {
        m_clickedKey->setChecked(false, true);
        m_clickedKey = nullptr;
    }
}

void keySelectFrame::setCalibrationShowMode(bool show)
{
    for (keyboardButCustom *key : qAsConst(m_keyButtonMap))
        key->setCalibrationShow(show);
}

void keySelectFrame::setSideLightsVisible(bool visible)
{
    if (!m_hasSideLights)
        return;
    for (sideLightButtonCustom *segment : qAsConst(m_sideLights))
        segment->setVisible(visible && segment->validStatus() == 1);
}

void keySelectFrame::clearHoverTip()
{
    m_clickedKey = nullptr;
    onCustomButMouseLeave();
}

QString keySelectFrame::reportedCaption(const keyboardButCustom *key) const
{
    if (key->keyCode() == 52)
        return QStringLiteral("' \"");
    QString caption = key->keyCaption();
    caption.remove(QLatin1Char('"'));
    return caption;
}

void keySelectFrame::onKeyButtonClicked()
{
    auto *key = qobject_cast<keyboardButCustom *>(sender());
    if (!key || key == m_clickedKey)
        return;
    const QString caption = reportedCaption(key);
    DDataManager *data = DDataManager::getInstance();
    const bool calibrating = data->isKeyCalibrationMode();
    if (!calibrating && (isUnselectableCaption(caption) || !key->isEditable()))
        return;

    if (m_clickedKey)
        m_clickedKey->setChecked(false, true);
    key->setChecked(true, true);
    m_clickedKey = key;

    if (calibrating)
        data->emitTheMagneticKeyboardCalibrationPoint(key->gridRow(), key->gridColumn());
    else
        data->setClickedKey(key->keyCode(), caption);
}

void keySelectFrame::onCustomButMouseEnter()
{
    auto *key = qobject_cast<keyboardButCustom *>(sender());
    if (!key)
        return;
    onCustomButMouseLeave(); // one card at a time

    const QString caption = reportedCaption(key);
    const int code = key->keyCode();
    auto *content = new DCustomEventTipExplain;

    KeyOperateInfoStu item = {};
    qstrncpy(item.keyCode, "-1", sizeof item.keyCode);
    qstrncpy(item.type, "-1", sizeof item.type);
    DDataManager *data = DDataManager::getInstance();
    if (!data->isKeyCalibrationMode()) {
        char profilePath[DDataManager::PathBufferSize] = {};
        data->copyXmlProfilePath(profilePath);
        const QByteArray profileIndex = QByteArray::number(data->currentProfileIndex());
        const QByteArray keyCode = QByteArray::number(code);
        CLumtarXML_SelectProFileKeyOperateInfo(profilePath, profileIndex.constData(), keyCode.constData(), &item);
        item.keyCode[sizeof item.keyCode - 1] = '\0';
    }
    const QString typeText = data->keyFunctionDisplayText(item);

    if (qstrcmp(item.keyCode, "-1") == 0) {
        if (code == -10 || code == 252 || !key->isEditable())
            content->setInfo(caption, typeText, tr("Cannot remapped"), false);
        else
            content->setInfo(caption, typeText, caption, true);
    } else {
        content->setInfo(caption, typeText, data->currentFunctionDetailText(), true);
    }

    m_tip = new ArrowWidget(1);
    m_tip->setWidgetSize(260, 120);
    m_tip->setArrowPos(123);
    m_tip->setCenterWidget(content);
    m_tipContent = content;
    const QPoint anchor = key->mapToGlobal(QPoint(key->width() / 2, key->height()));
    m_tip->move(anchor - QPoint(130, key->height() + 120));
    m_tip->show();
}

void keySelectFrame::onCustomButMouseLeave()
{
    if (!m_tip)
        return;
    delete m_tipContent;
    m_tipContent = nullptr;
    m_tip->hide();
    delete m_tip;
    m_tip = nullptr;
}

void keySelectFrame::ontheArrowWillHide()
{
    clearHoverTip();
}

void keySelectFrame::onArrowWidgetMouseEnter()
{
    QTimer::singleShot(100, this, &keySelectFrame::ontheArrowWillHide);
}

void keySelectFrame::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum)
{
    Q_UNUSED(type);
    Q_UNUSED(pressNum);
    Q_UNUSED(releaseNum);
}
