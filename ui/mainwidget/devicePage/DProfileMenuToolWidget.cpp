#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"
#include "ui_DProfileMenuToolWidget.h"

#include <QEvent>

#include "core/DDataManager.h"
#include "widgets/LanguageChangeHook.h"

DProfileMenuToolWidget::DProfileMenuToolWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DProfileMenuToolWidget)
{
    ui->setupUi(this);
    const auto setTexts = [this] {
        ui->label_CreateNew->setText(QObject::tr("Create"));
        ui->label_Delete->setText(QObject::tr("Delete"));
        ui->label_Export->setText(QObject::tr("Export"));
        ui->label_Import->setText(QObject::tr("Import"));
        ui->label_ModifyNanme->setText(QObject::tr("Modify Name"));
    };
    setTexts();
    LanguageChangeHook::install(this, setTexts);
    for (QLabel *label : {ui->label_CreateNew, ui->label_Delete, ui->label_Export, ui->label_Import,
                          ui->label_ModifyNanme})
        label->installEventFilter(this);

    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheet(QStringLiteral("QLabel{color: rgb(%1); font-weight: 75; font-size: 10pt; font-family: \"%2\"; "
                                 "background-color: rgb(%3);}"
                                 "QLabel:hover{background-color: rgb(%4);}"
                                 "QLabel:pressed{background-color: rgb(%5);}")
                      .arg(theme.MacroListItemTextColor, theme.TextFont, theme.MacroLeftBgColor,
                           theme.MacroListItemHoverColor, theme.MacroListItemSelectedColor));
}

DProfileMenuToolWidget::~DProfileMenuToolWidget()
{
    delete ui;
}

bool DProfileMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        void (DProfileMenuToolWidget::*entry)() = nullptr;
        if (watched == ui->label_CreateNew)
            entry = &DProfileMenuToolWidget::sigProfileCreate;
        else if (watched == ui->label_Export)
            entry = &DProfileMenuToolWidget::sigProfileExport;
        else if (watched == ui->label_Import)
            entry = &DProfileMenuToolWidget::sigProfileImport;
        else if (watched == ui->label_Delete)
            entry = &DProfileMenuToolWidget::sigProfileDelete;
        else if (watched == ui->label_ModifyNanme)
            entry = &DProfileMenuToolWidget::sigProfileModifyName;
        if (entry) {
            emit sigCloseMenuWidow();
            emit(this->*entry)();
        }
    }
    return QWidget::eventFilter(watched, event);
}
