// The all-keys picker of the advanced-key editor: every key an advanced key
// may send, as buttons in three groups (modifiers, letters and digits, all
// other keys), read from the embedded key list "AllKeysInfo.config". A click
// hands out the key's code and caption; keyNameMap() gives every caption by
// code. Everything is built in the constructor and never changes.
#ifndef DALLKEYSSHOWPAGE_H
#define DALLKEYSSHOWPAGE_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QWidget>

class FlowLayout;

namespace Ui {
class DAllKeysShowPage;
}

class DAllKeysShowPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int GroupCount = 3;

    explicit DAllKeysShowPage(QWidget *parent = nullptr);
    ~DAllKeysShowPage() override;

    QMap<int, QString> keyNameMap() const { return m_keyNameMap; }

    // Reads the embedded key list and builds the buttons (the constructor
    // calls it once).
    void loadKeyboardInfo();
    // Builds the buttons of the three groups from the text of a key list.
    void parseAllKeysInfo(const QByteArray &text);

    // The layout of group 0..2, for looking at what the picker built.
    FlowLayout *groupLayout(int group) const;

signals:
    void sigKeyListClicked(int keyDec, QString keyCharacter);
    void sigAllKeysInfoAlreadyLoadedA();

public slots:
    void onKeyButtonClicked();

private:
    Ui::DAllKeysShowPage *ui;
    FlowLayout *m_groups[GroupCount] = {};
    QMap<int, QString> m_keyNameMap;
};

#endif
