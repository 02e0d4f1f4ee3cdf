#include "ui/macro/macroMenuToolWidget.h"

#include "core/DDataManager.h"
#include "widgets/LanguageChangeHook.h"
#include "ui_macroMenuToolWidget.h"

#include <QEvent>

macroMenuToolWidget::macroMenuToolWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::macroMenuToolWidget)
{
    ui->setupUi(this);
    const auto setTexts = [this] {
        ui->label_Export->setText(tr("Export"));
        ui->label_Delete->setText(tr("Delete"));
        ui->label_ModifyNanme->setText(tr("Modify Name"));
    };
    setTexts();
    LanguageChangeHook::install(this, setTexts);
    for (QWidget *label : {ui->label_Export, ui->label_Delete, ui->label_ModifyNanme}) {
        label->installEventFilter(this);
        label->setAttribute(Qt::WA_Hover);
    }
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheet(QStringLiteral("QLabel{color: rgb(%1); font: 75 10pt \"%2\"; background-color: rgb(%3); "
                                 "border-radius: 4px;}"
                                 "QLabel:hover{background-color: rgb(%4);}")
                      .arg(theme.MacroListItemTextColor, theme.TextFont, theme.MacroLeftBgColor,
                           theme.MacroListItemHoverColor));
    m_pressedSheet = QStringLiteral("QLabel{background-color: rgb(%1);}").arg(theme.MacroListItemSelectedColor);
}

macroMenuToolWidget::~macroMenuToolWidget()
{
    delete ui;
}

bool macroMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QWidget *>(watched);
    if (label && event->type() == QEvent::MouseButtonPress) {
        label->setStyleSheet(m_pressedSheet);
    } else if (label && event->type() == QEvent::MouseButtonRelease) {
        label->setStyleSheet(QString());
        emit sigCloseMenuWidow();
        if (watched == ui->label_Export)
            emit sigMacroExport();
        else if (watched == ui->label_Delete)
            emit sigMacroDelete();
        else if (watched == ui->label_ModifyNanme)
            emit sigMacroModifyNanme();
    }
    return QWidget::eventFilter(watched, event);
}
