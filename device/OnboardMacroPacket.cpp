#include "device/OnboardMacroPacket.h"

#include "device/OnboardKeyPacket.h"

#include <cstring>
#include <vector>

namespace {

template <size_t N>
bool fieldContains(const char (&field)[N], const char *word)
{
    const size_t length = strnlen(field, N);
    const size_t wordLength = strlen(word);
    for (size_t i = 0; i + wordLength <= length; ++i) {
        if (std::memcmp(field + i, word, wordLength) == 0)
            return true;
    }
    return false;
}

int mouseButtonCode(int message)
{
    switch (message) {
    case 513: // left button down
    case 514: // left button up
        return 0x01;
    case 516: // right
    case 517:
        return 0x02;
    case 519: // middle
    case 520:
        return 0x04;
    default:
        return 0;
    }
}

} // namespace

OnboardMacroPacket::EventBytes OnboardMacroPacket::eventBytes(const KeyOrMouseEventStu &event, int delayToNextMs)
{
    const bool isKey = fieldContains(event.type, "key");
    const bool isMouse = fieldContains(event.type, "mouse");
    int code = 0;
    if (isKey)
        code = OnboardKeyPacket::fieldNumber(event.keyCode);
    else if (isMouse)
        code = mouseButtonCode(OnboardKeyPacket::fieldNumber(event.keyCode));

    uint8_t flags = 0;
    if (strncmp(event.operateExplain, "down", sizeof(event.operateExplain)) == 0)
        flags |= 0x10;
    if (isMouse && !isKey)
        flags |= 0x01;

    const int delay = delayToNextMs < 0 ? 0 : (delayToNextMs > MaxDelayMs ? MaxDelayMs : delayToNextMs);
    return { static_cast<uint8_t>(code & 0xFF), flags, static_cast<uint8_t>(delay >> 8),
             static_cast<uint8_t>(delay & 0xFF) };
}

OnboardMacroPacket::SlotImage OnboardMacroPacket::slotImage(const std::list<KeyOrMouseEventStu> &events,
                                                            int playMode, int repeatCount, int *droppedEvents)
{
    const int stored = static_cast<int>(events.size());
    const int kept = stored < MaxEvents ? stored : MaxEvents;
    if (droppedEvents)
        *droppedEvents = stored - kept;

    std::vector<const KeyOrMouseEventStu *> list;
    list.reserve(static_cast<size_t>(kept));
    for (const KeyOrMouseEventStu &event : events) {
        if (static_cast<int>(list.size()) == kept)
            break;
        list.push_back(&event);
    }

    SlotImage image{};
    image[1] = static_cast<uint8_t>((playMode - 1) & 0xFF);
    image[3] = static_cast<uint8_t>(kept * EventSize); // at most 248
    image[5] = static_cast<uint8_t>(repeatCount & 0xFF);
    for (int i = 0; i < kept; ++i) {
        const int delayToNext =
            i + 1 < kept ? OnboardKeyPacket::fieldNumber(list[static_cast<size_t>(i + 1)]->delay) : 0;
        const EventBytes bytes = eventBytes(*list[static_cast<size_t>(i)], delayToNext);
        std::memcpy(image.data() + HeaderSize + i * EventSize, bytes.data(), EventSize);
    }
    return image;
}

HidReportBuff OnboardMacroPacket::build(int slot, int reportNumber, const SlotImage &image)
{
    if (reportNumber < 0 || reportNumber >= ReportsPerSlot)
        return HidReportBuff();
    const int offset = reportNumber * BytesPerReport;
    const int count = reportNumber < ReportsPerSlot - 1 ? BytesPerReport : SlotSize - offset; // 58 or 24
    HidReportBuff r(Command, static_cast<uint8_t>(slot & 0xFF), static_cast<uint8_t>(count));
    r[4] = static_cast<uint8_t>(reportNumber);
    std::memcpy(r.data() + HidReportBuff::PayloadStart, image.data() + offset, static_cast<size_t>(count));
    return r;
}

std::array<HidReportBuff, OnboardMacroPacket::ReportsPerSlot> OnboardMacroPacket::reports(int slot,
                                                                                           const SlotImage &image)
{
    std::array<HidReportBuff, ReportsPerSlot> out;
    for (int i = 0; i < ReportsPerSlot; ++i)
        out[static_cast<size_t>(i)] = build(slot, i, image);
    return out;
}

std::array<HidReportBuff, OnboardMacroPacket::ReportsPerSlot> OnboardMacroPacket::emptyReports(int slot)
{
    return reports(slot, SlotImage{});
}
