// Driving a form the way a user would: its children by object name, a
// click on a radio button, a pick from a combo box's list.
#ifndef FORMACTIONS_H
#define FORMACTIONS_H

#include <QComboBox>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <QWidget>

template <typename T>
T *namedChild(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

// A click on the button's indicator: its middle may lie past its text.
inline void clickRadio(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

// The user picks an entry from the list, also the one shown.
inline void pickEntry(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

#endif
