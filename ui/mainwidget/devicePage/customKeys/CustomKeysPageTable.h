// The function pages of the customise-keys page as data: each page's id (the
// id of its function button), its operate code, the key-function type it
// stores and names it, and its button icon; and which page edits a stored
// type. Widget-free, so the rules are tested without a window.
#ifndef CUSTOMKEYSPAGETABLE_H
#define CUSTOMKEYSPAGETABLE_H

#include <QString>
#include <QVector>

class CustomKeysPageTable
{
public:
    enum PageId {
        DefaultPage = 0,
        MacroPage = 1,
        RemapKeyPage = 2,
        MousePage = 3,
        TextPage = 4,
        DisablePage = 5,
        MultimediaPage = 6,
        CombinationKeyPage = 7,
        OpenAppPage = 8,
        ShortcutsPage = 9,
        SwitchProfilePage = 10,
        KeyConfigPage = 19,
        KeyboardLightPage = 20,
        SideLightPage = 30,
        SeniorKeysPage = 40,
        GamePadPage = 45,
        NoPage = -1
    };

    struct Page {
        int id;
        // The number the page keeps while it is shown (not a type code).
        int operateCode;
        // The type whose name is the page's caption; -1 for the Default page.
        int namingType;
        const char *icon;
    };

    // The sixteen pages in the order of the table.
    static const QVector<Page> &pages();
    // The page of an id; the second Xbox360 gamepad id 46 is the gamepad page.
    // Null for an id without a page.
    static const Page *page(int id);
    // The page that edits a stored type, NoPage for a type no page stores.
    static int pageForType(int type);
    // The translated caption of a page's button.
    static QString caption(int id);
};

#endif
