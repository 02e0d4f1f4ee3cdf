#include "ui/mainwidget/devicePage/customKeys/DVirtualKeyboardTool.h"
#include "ui_DVirtualKeyboardTool.h"

#include "core/DDataManager.h"
#include "ui/mainwidget/devicePage/customKeys/DSoftKeyboardPage.h"
#include "widgets/LanguageChangeHook.h"
#include "widgets/StyleSheetUpdate.h"

namespace {

// Every model shares the soft keyboard of the application's own language.
const char kApplicationModelName[] = "Lumtar";

} // namespace

DVirtualKeyboardTool::DVirtualKeyboardTool(int multiSelectMode, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DVirtualKeyboardTool)
{
    ui->setupUi(this);
    ui->label->setText(QObject::tr("Virtual Keyboard"));
    LanguageChangeHook::install(this, [this] { updateAllUI(); });

    m_softKeyboard = new DSoftKeyboardPage(ui->frame_SoftKeyboard);
    m_softKeyboard->setMultiSelectMode(multiSelectMode);
    connect(m_softKeyboard, &DSoftKeyboardPage::sigSoftKeyboardClicked, this,
            &DVirtualKeyboardTool::onSoftKeyboardClicked);
    m_softKeyboard->loadKeyboardInfo(QString::fromLatin1(kApplicationModelName));
    ui->frame_SoftKeyboard->layout()->addWidget(m_softKeyboard);
}

DVirtualKeyboardTool::~DVirtualKeyboardTool()
{
    delete ui;
}

void DVirtualKeyboardTool::publishKeyMaps()
{
    DSoftKeyboardPage::publishKeyMaps(QString::fromLatin1(kApplicationModelName));
}

void DVirtualKeyboardTool::setMultiSelectEnabled(bool enabled)
{
    m_softKeyboard->setMultiSelectEnabled(enabled);
}

void DVirtualKeyboardTool::selectKey(int keyCode)
{
    m_softKeyboard->selectKey(keyCode);
}

void DVirtualKeyboardTool::clearSelectedKeys()
{
    m_softKeyboard->clearSelectedKeys();
}

void DVirtualKeyboardTool::onSoftKeyboardClicked(int keyDec, QString keyCharacter)
{
    Q_UNUSED(keyCharacter);
    emit sigSoftKeyboardClicked_VirtualKB(keyDec);
}

void DVirtualKeyboardTool::updateAllUI()
{
    ui->retranslateUi(this);
    ui->label->setText(QObject::tr("Virtual Keyboard"));
}

void DVirtualKeyboardTool::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheetIfChanged(
        ui->frame_255,
        QStringLiteral("QFrame#frame_255{border: none; border-bottom: 2px solid rgb(%1);}").arg(theme.DeviceBorderColor));
    setStyleSheetIfChanged(ui->label, QStringLiteral("color: rgb(%1);").arg(theme.TextCheckedColor));
    QFont font = DDataManager::getInstance()->themeFont(1);
    font.setPointSize(12);
    ui->label->setFont(font);
    m_softKeyboard->updateAppTheme();
}
