#include "ui/seniorKeys/DStrokeConfigView.h"

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "widgets/LanguageChangeHook.h"
#include "ui_DStrokeConfigView.h"

#include <QCloseEvent>

#include <cstring>

DStrokeConfigView::DStrokeConfigView(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DStrokeConfigView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(460, 150);
    std::memset(&m_record, 0, sizeof m_record);

    const auto setTexts = [this] {
        ui->label->setText(tr("Trigger points for DKS actions"));
    };
    setTexts();
    LanguageChangeHook::install(this, setTexts);

    MySlider *slider = ui->horizontalSlider_StrokeView;
    slider->setMaximum(MaximumTravel);
    slider->setMinimum(MinimumTravel);
    slider->setValue(MinimumTravel);
    slider->setHandleTolerance(10, 4);
    connect(slider, &QSlider::valueChanged, this, &DStrokeConfigView::onSliderStrokeViewValue);
    connect(slider, &QSlider::sliderReleased, this, &DStrokeConfigView::onSliderStrokeViewReleased);
    connect(slider, &QSlider::sliderPressed, this, &DStrokeConfigView::onSliderStrokeViewPressed);

    // The editor hands over its record before the popup shows.
    ui->label_StrokeView->setText(SeniorKeyRecord::travelText(10));

    DDataManager *data = DDataManager::getInstance();
    const ThemeColor theme = data->themeColor();
    setStyleSheet(QStringLiteral("QLabel{color: rgb(%1);}").arg(theme.TextDefaultColor));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color: rgb(%1); border: none; border-bottom: 3px solid rgb(%2); "
                       "border-top-left-radius: 12px; border-top-right-radius: 12px;}")
            .arg(theme.SettingsTitleColorStart, theme.MacroBorderColor));
    ui->frame_Bg666->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg666{border: 1px solid rgb(%1); background-color: rgb(%2); border-radius: 12px;}")
            .arg(theme.TextCheckedColor, theme.SettingsTitleColorStart));
    slider->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{height: 6px; border-radius: 3px; background: rgb(%1);}"
                       "QSlider::sub-page:horizontal{border-radius: 3px; background: rgb(%2);}"
                       "QSlider::handle:horizontal{width: 16px; height: 16px; margin: -5px 0px -5px 0px; "
                       "border-image: url(:/images/DKS/slider.png);}")
            .arg(theme.DeviceBorderColor, theme.TextCheckedColor));
    QFont font = data->themeFont(1);
    font.setPointSize(12);
    ui->label->setFont(font);
    ui->label_StrokeView->setFont(font);
}

DStrokeConfigView::~DStrokeConfigView()
{
    delete ui;
}

void DStrokeConfigView::setSeniorKeyInfo(SeniorKeyInfoStu info)
{
    m_record = info;
    ui->horizontalSlider_StrokeView->setValue(info.triggerPoint[0]);
    ui->label_StrokeView->setText(SeniorKeyRecord::travelText(ui->horizontalSlider_StrokeView->value()));
}

void DStrokeConfigView::onSliderStrokeViewValue(int Value)
{
    ui->label_StrokeView->setText(SeniorKeyRecord::travelText(Value));
}

void DStrokeConfigView::onSliderStrokeViewReleased()
{
    const int value = ui->horizontalSlider_StrokeView->value();
    char path[DDataManager::PathBufferSize] = {};
    DDataManager::getInstance()->copySeniorKeyXmlPath(path);
    SeniorKeyInfoStu changed = m_record;
    changed.triggerPoint[0] = value;
    changed.triggerPoint[3] = value;
    if (!CLumtarXML_SeniorKey_ModifyInfoItem(path, changed.kind, changed)) {
        setSeniorKeyInfo(m_record);
        emit sigTheDKSStrokeStuRefused();
        return;
    }
    m_record = changed;
    emit sigTheDKSStrokeStuChanged();
}

void DStrokeConfigView::onSliderStrokeViewPressed()
{
}

void DStrokeConfigView::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void DStrokeConfigView::on_pushButton_Close_clicked()
{
    emit sigTheStrokeConfigViewClose();
    close();
}
