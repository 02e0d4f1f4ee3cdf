#include "ui/seniorKeys/ComboKeyRecorder.h"

#include "ui/seniorKeys/SeniorKeySlots.h"

#include <QtGlobal>

namespace {

constexpr int kMaxModifiers = 2;

int bitIndex(int bit)
{
    int index = 0;
    while (bit > 1) {
        bit >>= 1;
        ++index;
    }
    return index;
}

} // namespace

bool ComboKeyRecorder::addPart(const QString &part)
{
    if (m_parts.contains(part))
        return false;
    m_parts << part;
    return true;
}

ComboKeyRecorder::Step ComboKeyRecorder::pick(int keyCode, const QMap<int, QString> &keyNames)
{
    Step step;
    if (!m_recording) {
        m_parts.clear();
        m_mask = 0;
        m_key = 0;
        m_recording = true;
    }

    const int bit = SeniorKeySlots::modifierBit(keyCode);
    if (bit == 0) {
        // A combination begins with a modifier: a key before one is ignored.
        if (m_parts.isEmpty())
            return step;
        m_recording = false;
        if (!keyNames.contains(keyCode))
            return step;
        m_key = keyCode;
        step.captionChanged = addPart(keyNames.value(keyCode));
        step.caption = m_parts.join(QLatin1Char('+'));
        m_parts.clear();
        if (m_mask != 0 && m_key != 0)
            step.slotText = QByteArray::number(m_mask) + ',' + QByteArray::number(m_key);
        m_mask = 0;
        m_key = 0;
        return step;
    }

    if (m_parts.size() >= kMaxModifiers)
        return step;
    m_mask |= bit;
    step.captionChanged = addPart(SeniorKeySlots::modifierName(bitIndex(bit)));
    step.caption = m_parts.join(QLatin1Char('+'));
    return step;
}
