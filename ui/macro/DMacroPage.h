// The macro editor dialog: macro list, event list, recording, import and
// export.
#ifndef DMACROPAGE_H
#define DMACROPAGE_H

#include <QString>
#include <QWidget>

class DMacroPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroPage(QWidget *parent = nullptr);
    ~DMacroPage() override;

    void setMacroXmlPath(const char *path);

signals:
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);
    void sigMacroPageClose();

private slots:
    void on_pushButton_Close_clicked();

private:
    char m_macroXmlPath[256] = {};
};

#endif
