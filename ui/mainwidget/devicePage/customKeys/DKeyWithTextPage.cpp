#include "ui/mainwidget/devicePage/customKeys/DKeyWithTextPage.h"
#include "ui_DKeyWithTextPage.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include "core/DDataManager.h"
#include "device/RecordFieldText.h"
#include "ui/mainwidget/devicePage/customKeys/TextLengthLimit.h"
#include "widgets/StyleSheetUpdate.h"

DKeyWithTextPage::DKeyWithTextPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DKeyWithTextPage)
{
    ui->setupUi(this);
    setTexts();
}

DKeyWithTextPage::~DKeyWithTextPage()
{
    delete ui;
}

void DKeyWithTextPage::setTexts()
{
    ui->label_8->setText(QObject::tr("Text"));
    ui->textEdit_keyText->setPlaceholderText(QObject::tr("Enter text ..."));
    ui->pushButton_OK->setText(QObject::tr("OK"));
    ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
}

void DKeyWithTextPage::loadKeyOperateInfo()
{
    DKeyFunctionPage::loadKeyOperateInfo();
    ui->textEdit_keyText->clear();
    ui->textEdit_keyText->setFocus();
    if (!m_storedItem || KeyItemIO::fieldNumber(m_storedItem->type) != KeyOperate_Text)
        return;
    // The cursor is at the start while the text goes in: a stored text past
    // the limit loses its end.
    ui->textEdit_keyText->setPlainText(QString::fromUtf8(recordFieldText(m_storedItem->value)));
    ui->textEdit_keyText->moveCursor(QTextCursor::End);
}

void DKeyWithTextPage::on_textEdit_keyText_textChanged()
{
    // The document counts its UTF-16 code units (plus one for its end): the
    // text itself is fetched only when something must go.
    if (ui->textEdit_keyText->document()->characterCount() - 1 <= MaxTextLength)
        return;
    const QString text = ui->textEdit_keyText->toPlainText();
    QTextCursor cursor = ui->textEdit_keyText->textCursor();
    const std::optional<TextLengthLimit::Cut> cut = TextLengthLimit::cut(text, cursor.position(), MaxTextLength);
    if (!cut)
        return;
    // One edit of the box, which comes back here with the text that fits.
    cursor.setPosition(cut->position);
    cursor.setPosition(cut->position + cut->length, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.setPosition(cut->cursor);
    ui->textEdit_keyText->setTextCursor(cursor);
}

QString DKeyWithTextPage::currentText() const
{
    return ui->textEdit_keyText->toPlainText();
}

void DKeyWithTextPage::saveKeyOperateInfo()
{
    const QString text = currentText();
    if (text.isEmpty()) {
        emit sigCustomKeyInfoSaveFailed(KeyOperate_Text, ErrorNoKeyOrEmptyText);
        return;
    }
    const QByteArray value = text.toUtf8();
    if (!KeyItemIO::valueFits(value)) {
        emit sigCustomKeyInfoSaveFailed(KeyOperate_Text, ErrorTooLong);
        return;
    }
    storeItem(KeyOperate_Text, "6", "1", "1", value);
}

void DKeyWithTextPage::on_pushButton_OK_clicked()
{
    saveKeyOperateInfo();
}

void DKeyWithTextPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DKeyWithTextPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
}

void DKeyWithTextPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheetIfChanged(this, framedPageStyle(textBoxStyle(theme)));
    setStyleSheetIfChanged(ui->label_8, titleLabelStyle(theme));
    setStyleSheetIfChanged(ui->pushButton_OK, pageButtonStyle(theme));
    setStyleSheetIfChanged(ui->pushButton_Cancel, pageButtonStyle(theme));
    const QFont font = pageFont(12);
    for (QWidget *widget : {static_cast<QWidget *>(ui->label_8), static_cast<QWidget *>(ui->pushButton_OK),
                            static_cast<QWidget *>(ui->pushButton_Cancel)})
        widget->setFont(font);
    m_scrollSheet = scrollBarStyle(theme);
    QTimer::singleShot(200, this, &DKeyWithTextPage::onScrollSheetSet);
}

void DKeyWithTextPage::onScrollSheetSet()
{
    setStyleSheetIfChanged(ui->textEdit_keyText, m_scrollSheet);
}
