// Export and import of macros as exchange files.
#include "ui/macro/DMacroPage.h"

#include "sdk/include/LumtarXml.h"
#include "ui/macro/MacroExchangeFile.h"
#include "ui_DMacroPage.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

void DMacroPage::onExportMacroChildList(QString strMacroIndex, QString strMacroName)
{
    auto *dialog = new QFileDialog(this, tr("Save directory"), m_exportDirectory);
    dialog->setObjectName(QStringLiteral("macroExportDialog"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks | QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::finished, this, [this, dialog, strMacroIndex, strMacroName](int result) {
        const QString folder = result == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
        exportMacroTo(folder, strMacroIndex, strMacroName);
    });
    dialog->open();
}

void DMacroPage::exportMacroTo(const QString &folder, const QString &macroIndex, const QString &macroName)
{
    if (folder.isEmpty()) {
        showNotice(tr("Please select save directory first"));
        return;
    }
    std::list<KeyOrMouseEventStu> events;
    if (!CLumtarXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, macroIndex.toLatin1().constData(), &events)) {
        qDebug().noquote() << "Export macro: macro" << macroIndex << "cannot be read from the store";
        showNotice(tr("Export macro failed"));
        return;
    }
    // The file is named after the macro, but only ever inside the folder.
    QString base = MacroExchangeFile::exportBaseName(macroName);
    if (base.isEmpty())
        base = QStringLiteral("Macro%1").arg(macroIndex);
    const QDir dir(folder);
    const QString path = dir.absoluteFilePath(base + QStringLiteral(".xml"));
    if (QFileInfo(path).absolutePath() != dir.absolutePath()) {
        qDebug().noquote() << "Export macro: refused path" << path;
        showNotice(tr("Export macro failed"));
        return;
    }
    QSaveFile file(path);
    const QByteArray document = MacroExchangeFile::write(macroIndex, macroName, events);
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size() || !file.commit()) {
        qDebug().noquote() << "Export macro: cannot write" << path << file.errorString();
        showNotice(tr("Export macro failed"));
        return;
    }
    showNotice(tr("Export macro successful"));
}

void DMacroPage::on_pushButton_Import_clicked()
{
    auto *dialog = new QFileDialog(this, tr("Open macro file"), m_exportDirectory, tr("Macro files(*.xml)"));
    dialog->setObjectName(QStringLiteral("macroImportDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::finished, this, [this, dialog](int result) {
        if (result == QDialog::Accepted)
            importMacroFrom(dialog->selectedFiles().value(0));
    });
    dialog->open();
}

// The whole file is checked before anything is stored: a damaged or hostile
// file leaves the store as it was.
void DMacroPage::importMacroFrom(const QString &filePath)
{
    if (filePath.isEmpty())
        return;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Error: cannot open file" << filePath;
        showNotice(tr("Import macro failed"));
        return;
    }
    const QByteArray data = file.read(MacroExchangeFile::kMaxFileBytes + 1);
    file.close();
    const MacroExchangeFile::ReadResult read = MacroExchangeFile::read(data);
    if (!read.ok) {
        qDebug().noquote() << "error: " + read.error;
        showNotice(tr("Import macro failed"));
        return;
    }
    int index = 0;
    if (!CLumtarXML_NewMacroIndex(m_macroXmlPath, &index)) {
        qDebug().noquote() << "Import macro: the macro store cannot be read";
        showNotice(tr("Import macro failed"));
        return;
    }
    const QString name = MacroExchangeFile::importedMacroName(filePath, index);
    if (!CLumtarXML_ReplaceMacroEvents(m_macroXmlPath, QByteArray::number(index).constData(),
                                       name.toUtf8().constData(), read.events)) {
        qDebug().noquote() << "Import macro: the macro could not be stored";
        showNotice(tr("Import macro failed"));
        return;
    }
    loadMacroList();
    showNotice(tr("Import macro successful"));
}
