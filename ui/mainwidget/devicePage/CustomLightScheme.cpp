#include "ui/mainwidget/devicePage/CustomLightScheme.h"

#include "sdk/include/LumtarHid.h"

std::list<CustomLightItemStu> CustomLightScheme::itemsOf(const QVector<Key> &keys)
{
    std::list<CustomLightItemStu> items;
    for (const Key &key : keys) {
        const QColor &c = key.colour;
        if (c.red() != 0 || c.green() != 0 || c.blue() != 0)
            items.push_back(item(key));
    }
    return items;
}

CustomLightItemStu CustomLightScheme::item(const Key &key)
{
    CustomLightItemStu item{};
    lumtarCopyField(item.keyCode, QByteArray::number(key.code).constData());
    lumtarCopyField(item.codeName, key.caption.toLatin1().constData());
    item.indexX = key.row;
    item.indexY = key.column;
    item.colorR = key.colour.red();
    item.colorG = key.colour.green();
    item.colorB = key.colour.blue();
    item.transparentNum = Transparency;
    return item;
}

bool CustomLightScheme::rewrite(const char *path, int profileIndex, int scheme,
                                const std::list<CustomLightItemStu> &items)
{
    const QByteArray index = QByteArray::number(profileIndex);
    const QByteArray node = QByteArray::number(scheme);
    LumtarXmlBatch batch(path);
    if (!CLumtarXML_ClearProFileCustomLightNode(path, index.constData(), node.constData()))
        return false; // no such scheme: the batch changed nothing
    bool stored = true;
    if (!items.empty())
        stored = CLumtarXML_AddProFileCustomLightDataInfoList(path, index.constData(), node.constData(), items);
    return batch.commit() && stored;
}
