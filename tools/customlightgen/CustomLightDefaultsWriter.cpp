#include "CustomLightDefaultsWriter.h"

#include "ui/mainwidget/devicePage/KeyLayoutFile.h"

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

} // namespace

const QVector<CustomLightDefaultsWriter::Scheme> &CustomLightDefaultsWriter::schemes()
{
    static const QVector<Scheme> table = {
        // Q W E R T Y U I O P [ ] \, A S D F G H J K L ; ', Z X C V B N M , . /
        {{20, 26, 8, 21, 23, 28, 24, 12, 18, 19, 47, 48, 49, 4, 22, 7, 9, 10, 11, 13, 14, 15, 51, 52, 29, 27, 6, 25,
          5, 17, 16, 54, 55, 56},
         0, 0, 255},
        // W, A, S, D, Up, Left, Down, Right
        {{26, 4, 22, 7, 82, 80, 81, 79}, 255, 0, 0},
    };
    return table;
}

QByteArray CustomLightDefaultsWriter::escaped(const QString &text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += c; break;
        }
    }
    return out;
}

QByteArray CustomLightDefaultsWriter::write(const KeyLayoutFile &layout, QStringList *missing)
{
    QByteArray x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + kLineEnd + "<customLight>" + kLineEnd;
    for (int index = 0; index < 5; ++index) {
        const bool coloured = index < schemes().size();
        x += "\t<customLed index=\"" + QByteArray::number(index) + "\" name=\"Custom " + QByteArray::number(index)
             + "\" isUsing=\"" + (coloured ? "Using" : "UnUsing") + "\" usingFlagIndex=\""
             + QByteArray::number(coloured ? index : -1) + "\"";
        if (!coloured) {
            x += "/>" + kLineEnd;
            continue;
        }
        x += ">" + kLineEnd;
        const Scheme &scheme = schemes().at(index);
        for (const int code : scheme.keyCodes) {
            const KeyLayoutFile::Key *found = nullptr;
            for (const KeyLayoutFile::Key &key : layout.keys()) {
                if (key.record.code == code) {
                    found = &key;
                    break;
                }
            }
            if (!found) {
                if (missing)
                    missing->append(QString::number(code));
                continue;
            }
            x += "\t\t<item keyCode=\"" + QByteArray::number(code) + "\" codeName=\"" + escaped(found->caption)
                 + "\" indexX=\"" + QByteArray::number(found->row) + "\" indexY=\"" + QByteArray::number(found->column)
                 + "\" colorR=\"" + QByteArray::number(scheme.red) + "\" colorG=\""
                 + QByteArray::number(scheme.green) + "\" colorB=\""
                 + QByteArray::number(scheme.blue) + "\" transparentNum=\"128\"/>" + kLineEnd;
        }
        x += "\t</customLed>" + kLineEnd;
    }
    x += "</customLight>" + kLineEnd;
    return x;
}
