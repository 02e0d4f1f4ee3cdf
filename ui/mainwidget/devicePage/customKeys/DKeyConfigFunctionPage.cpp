#include "ui/mainwidget/devicePage/customKeys/DKeyConfigFunctionPage.h"
#include "ui_DKeyConfigFunctionPage.h"

#include <QButtonGroup>

#include "core/DDataManager.h"
#include "core/KeyFunctionNames.h"
#include "device/RecordFieldText.h"
#include "widgets/StyleSheetUpdate.h"

namespace {

using namespace KeyFunctionNames;

enum class Offered { Always, Never, WithoutMagneticSwitches };

struct Choice {
    const char *objectName;
    Offered offered;
};

// By device function index.
const Choice kChoices[DeviceFunctionCount] = {
    {"radioButton_LockKeyboard", Offered::Always},
    {"radioButton_SwitchLoopWin", Offered::Always},
    {"radioButton_LockWin", Offered::Never},
    {"radioButton_UnlockWin", Offered::Never},
    {"radioButton_DefaultLayer", Offered::Never},
    {"radioButton_FNLayer", Offered::Never},
    {"radioButton_FN1Layer", Offered::Never},
    {"radioButton_PowerQuery", Offered::WithoutMagneticSwitches},
    {"radioButton_USB", Offered::WithoutMagneticSwitches},
    {"radioButton_24G", Offered::WithoutMagneticSwitches},
    {"radioButton_Pattern1", Offered::WithoutMagneticSwitches},
    {"radioButton_Pattern2", Offered::WithoutMagneticSwitches},
    {"radioButton_Pattern3", Offered::WithoutMagneticSwitches},
};

bool hasMagneticSwitchLayout()
{
    const int type = DDataManager::getInstance()->hidDeviceType();
    return type == 4 || type == 5;
}

} // namespace

DKeyConfigFunctionPage::DKeyConfigFunctionPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DKeyConfigFunctionPage)
{
    ui->setupUi(this);
    m_choices = new QButtonGroup(this);
    for (int function = 0; function < DeviceFunctionCount; ++function) {
        QRadioButton *button = choice(function);
        m_choices->addButton(button, function);
        if (kChoices[function].offered == Offered::Never)
            button->hide();
    }
    connect(m_choices, &QButtonGroup::idClicked, this, &DKeyConfigFunctionPage::onChoiceClicked);
    setTexts();
}

DKeyConfigFunctionPage::~DKeyConfigFunctionPage()
{
    delete ui;
}

QRadioButton *DKeyConfigFunctionPage::choice(int function) const
{
    if (function < 0 || function >= DeviceFunctionCount)
        return nullptr;
    return findChild<QRadioButton *>(QLatin1String(kChoices[function].objectName));
}

void DKeyConfigFunctionPage::setTexts()
{
    ui->label->setText(QObject::tr("Key Config"));
    for (int function = 0; function < DeviceFunctionCount; ++function)
        choice(function)->setText(QCoreApplication::translate("QObject", deviceFunction(function).name));
}

void DKeyConfigFunctionPage::uncheckAll()
{
    m_choices->setExclusive(false);
    for (QAbstractButton *button : m_choices->buttons())
        button->setChecked(false);
    m_choices->setExclusive(true);
}

void DKeyConfigFunctionPage::loadKeyOperateInfo()
{
    const bool magnetic = hasMagneticSwitchLayout();
    for (int function = 0; function < DeviceFunctionCount; ++function)
        if (kChoices[function].offered == Offered::WithoutMagneticSwitches)
            choice(function)->setVisible(!magnetic);

    DKeyFunctionPage::loadKeyOperateInfo();
    uncheckAll();
    if (!m_storedItem || KeyItemIO::fieldNumber(m_storedItem->type) != KeyOperate_DeviceFunction)
        return;
    bool isNumber = false;
    const int subCode = recordFieldText(m_storedItem->mode).trimmed().toInt(&isNumber);
    const int function = deviceFunctionOf(isNumber ? std::optional<int>(subCode) : std::nullopt,
                                          recordFieldText(m_storedItem->value));
    // A stored choice that is not offered is checked all the same.
    if (QRadioButton *button = choice(function))
        button->setChecked(true);
}

void DKeyConfigFunctionPage::onChoiceClicked(int function)
{
    const DeviceFunction &chosen = deviceFunction(function);
    storeItem(KeyOperate_DeviceFunction, "19", "1", QByteArray::number(chosen.subCode), chosen.value);
}

void DKeyConfigFunctionPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
}

void DKeyConfigFunctionPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheetIfChanged(this, framedPageStyle(radioButtonStyle(theme)));
    setStyleSheetIfChanged(ui->label, titleLabelStyle(theme));
    ui->label->setFont(pageFont(12));
}
