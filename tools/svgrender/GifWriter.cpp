#include "GifWriter.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kTransparentIndex = 0;
constexpr int kPaletteSize = 256;
constexpr int kMinCodeSize = 8;
constexpr int kMaxCode = 4095;

void putWord(QByteArray *out, int value)
{
    out->append(char(value & 0xff));
    out->append(char((value >> 8) & 0xff));
}

// The opaque colour of a pixel, or -1 for a transparent one.
qint64 colourOf(QRgb pixel)
{
    return qAlpha(pixel) < 128 ? -1 : qint64(pixel & 0xffffff);
}

// The most frequent colours first, at most 255 of them (index 0 is transparent).
QVector<QRgb> buildPalette(const QVector<QImage> &frames)
{
    QHash<QRgb, qint64> counts;
    for (const QImage &frame : frames)
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                if (const qint64 c = colourOf(frame.pixel(x, y)); c >= 0)
                    ++counts[QRgb(c)];
    std::vector<std::pair<qint64, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(-it.value(), it.key()); // most frequent first, then by colour
    std::sort(byCount.begin(), byCount.end());
    QVector<QRgb> palette;
    for (const auto &entry : byCount) {
        if (palette.size() == kPaletteSize - 1)
            break;
        palette.append(entry.second);
    }
    return palette;
}

int nearestIndex(const QVector<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best + 1;
}

// Packs variable-length codes, least significant bit first, into data
// sub-blocks of at most 255 bytes.
class CodeWriter
{
public:
    explicit CodeWriter(QByteArray *out) : m_out(out) {}

    void write(int code, int size)
    {
        m_bits |= quint32(code) << m_bitCount;
        m_bitCount += size;
        while (m_bitCount >= 8) {
            putByte(char(m_bits & 0xff));
            m_bits >>= 8;
            m_bitCount -= 8;
        }
    }

    void finish()
    {
        if (m_bitCount > 0)
            putByte(char(m_bits & 0xff));
        flushBlock();
        m_out->append(char(0)); // block terminator
    }

private:
    void putByte(char byte)
    {
        m_block.append(byte);
        if (m_block.size() == 255)
            flushBlock();
    }

    void flushBlock()
    {
        if (m_block.isEmpty())
            return;
        m_out->append(char(m_block.size()));
        m_out->append(m_block);
        m_block.clear();
    }

    QByteArray *m_out;
    QByteArray m_block;
    quint32 m_bits = 0;
    int m_bitCount = 0;
};

// LZW-compresses the indexes of one frame as GIF image data.
void writeImageData(QByteArray *out, const std::vector<quint8> &indexes)
{
    const int clearCode = 1 << kMinCodeSize;
    const int endCode = clearCode + 1;
    out->append(char(kMinCodeSize));
    CodeWriter writer(out);

    std::unordered_map<quint32, int> table; // (prefix code << 8 | index) -> code
    int codeSize = kMinCodeSize + 1;
    int lastCode = endCode;
    writer.write(clearCode, codeSize);

    int prefix = -1;
    for (const quint8 index : indexes) {
        if (prefix < 0) {
            prefix = index;
            continue;
        }
        const quint32 key = (quint32(prefix) << 8) | index;
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        writer.write(prefix, codeSize);
        table.emplace(key, ++lastCode);
        if (lastCode >= (1 << codeSize))
            ++codeSize;
        if (lastCode == kMaxCode) {
            writer.write(clearCode, codeSize);
            table.clear();
            codeSize = kMinCodeSize + 1;
            lastCode = endCode;
        }
        prefix = index;
    }
    if (prefix >= 0)
        writer.write(prefix, codeSize);
    writer.write(endCode, codeSize);
    writer.finish();
}

} // namespace

QByteArray GifWriter::encode(const QVector<QImage> &frames, int delayCentiseconds)
{
    if (frames.isEmpty())
        return QByteArray();
    const QSize size = frames.first().size();
    if (size.isEmpty() || size.width() > 65535 || size.height() > 65535)
        return QByteArray();
    QVector<QImage> argb;
    for (const QImage &frame : frames) {
        if (frame.size() != size)
            return QByteArray();
        argb.append(frame.convertToFormat(QImage::Format_ARGB32));
    }
    const QVector<QRgb> palette = buildPalette(argb);

    QByteArray out("GIF89a");
    putWord(&out, size.width());
    putWord(&out, size.height());
    out.append(char(0xf7)); // global colour table of 256 entries, 8 bits per primary
    out.append(char(kTransparentIndex));
    out.append(char(0));
    for (int i = 0; i < kPaletteSize; ++i) {
        const QRgb c = i >= 1 && i <= palette.size() ? palette[i - 1] : 0;
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    // Loop for ever.
    out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    QHash<QRgb, int> indexOf;
    for (const QImage &frame : qAsConst(argb)) {
        // Each frame is cleared before the next: disposal 2, transparent index 0.
        out.append("\x21\xf9\x04\x09", 4);
        putWord(&out, qBound(0, delayCentiseconds, 65535));
        out.append(char(kTransparentIndex));
        out.append(char(0));

        out.append(char(0x2c));
        putWord(&out, 0);
        putWord(&out, 0);
        putWord(&out, size.width());
        putWord(&out, size.height());
        out.append(char(0)); // no local colour table, not interlaced

        std::vector<quint8> indexes;
        indexes.reserve(size_t(size.width()) * size_t(size.height()));
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const qint64 c = colourOf(frame.pixel(x, y));
                if (c < 0) {
                    indexes.push_back(kTransparentIndex);
                    continue;
                }
                auto it = indexOf.find(QRgb(c));
                if (it == indexOf.end())
                    it = indexOf.insert(QRgb(c), nearestIndex(palette, QRgb(c)));
                indexes.push_back(quint8(it.value()));
            }
        }
        writeImageData(&out, indexes);
    }
    out.append(char(0x3b)); // trailer
    return out;
}
