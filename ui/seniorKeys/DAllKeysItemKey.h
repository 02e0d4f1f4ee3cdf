// One key button of the all-keys picker: a key code and its caption.
#ifndef DALLKEYSITEMKEY_H
#define DALLKEYSITEMKEY_H

#include <QPushButton>
#include <QString>

class DAllKeysItemKey : public QPushButton
{
    Q_OBJECT

public:
    DAllKeysItemKey();

    void setKeyInfo(int keyCode, const QString &caption);
    int keyCode() const { return m_keyCode; }
    QString caption() const { return m_caption; }

private:
    void showCaption();
    int m_keyCode = 0;
    QString m_caption;
};

#endif
