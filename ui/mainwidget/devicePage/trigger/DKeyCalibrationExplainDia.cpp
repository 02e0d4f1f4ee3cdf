#include "ui/mainwidget/devicePage/trigger/DKeyCalibrationExplainDia.h"
#include "ui_DKeyCalibrationExplainDia.h"

#include <QSettings>
#include <QStringList>

#include "core/DDataManager.h"

namespace {

// The index of Japanese in the application's list of languages.
constexpr int kJapaneseIndex = 4;

} // namespace

DKeyCalibrationExplainDia::DKeyCalibrationExplainDia(int type, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DKeyCalibrationExplainDia)
{
    ui->setupUi(this);
    switch (type) {
    case 0:
        ui->stackedWidget->setCurrentWidget(ui->page_5);
        ui->label_9->setText(calibrationSteps());
        break;
    case 1:
        ui->stackedWidget->setCurrentWidget(ui->page_2);
        ui->label_6->setText(
            QObject::tr("When enabled, the quick trigger will only terminate when you completely release the button.")
            + QLatin1Char('\n')
            + QObject::tr("When disabled, the key is released until the axis triggers the travel and terminates the "
                          "quick trigger."));
        break;
    case 2:
        ui->stackedWidget->setCurrentWidget(ui->page_3);
        ui->label_7->setText(QObject::tr("Set the required press key duration for triggering."));
        break;
    case 3:
        ui->stackedWidget->setCurrentWidget(ui->page_4);
        ui->label_8->setText(
            QObject::tr("When all keys calibration is enabled, please press all keys to complete the calibration."));
        break;
    default:
        break;
    }
}

DKeyCalibrationExplainDia::~DKeyCalibrationExplainDia()
{
    delete ui;
}

QString DKeyCalibrationExplainDia::calibrationSteps()
{
    const QSettings settings(DDataManager::getInstance()->userConfigDir() + QStringLiteral("/LumtarConfig.ini"),
                             QSettings::IniFormat);
    int language = -1;
    if (settings.contains(QStringLiteral("Language/selectLanguageIndex")))
        language = settings.value(QStringLiteral("Language/selectLanguageIndex")).toInt();
    if (language == kJapaneseIndex)
        //: Shown alone in Japanese, where it holds all five steps, one per line.
        return QObject::tr("1.Into key calibration mode first;");
    return QStringList{QObject::tr("1.Into key calibration mode first;"), QObject::tr("2.Select one key;"),
                       QObject::tr("3.Clicked \"Start calibration\";"), QObject::tr("4.Press the selected key;"),
                       QObject::tr("5.Return key calibration results;")}
        .join(QLatin1Char('\n'));
}
