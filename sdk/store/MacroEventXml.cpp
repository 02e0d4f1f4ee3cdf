#include "sdk/store/MacroEventXml.h"

#include "sdk/store/StoreNodes.h"
#include "sdk/store/StoreText.h"

#include <string.h>

namespace lumtar {
namespace store {

void MacroEventXml::write(pugi::xml_node event, const KeyOrMouseEventStu &r)
{
    setAttr(event, "mark", fieldText(r.mark, sizeof r.mark).c_str());
    setAttr(event, "delay", fieldText(r.delay, sizeof r.delay).c_str());
    setAttr(event, "type", fieldText(r.type, sizeof r.type).c_str());
    setAttr(event, "keyCode", fieldText(r.keyCode, sizeof r.keyCode).c_str());
    setAttr(event, "codeName", fieldText(r.codeName, sizeof r.codeName).c_str());
    setAttr(event, "operateExplain", fieldText(r.operateExplain, sizeof r.operateExplain).c_str());
}

KeyOrMouseEventStu MacroEventXml::read(const pugi::xml_node &event)
{
    KeyOrMouseEventStu r;
    memset(&r, 0, sizeof r);
    copyBounded(r.mark, sizeof r.mark, event.attribute("mark").value());
    copyBounded(r.delay, sizeof r.delay, event.attribute("delay").value());
    copyBounded(r.type, sizeof r.type, event.attribute("type").value());
    copyBounded(r.keyCode, sizeof r.keyCode, event.attribute("keyCode").value());
    copyBounded(r.codeName, sizeof r.codeName, event.attribute("codeName").value());
    copyBounded(r.operateExplain, sizeof r.operateExplain, event.attribute("operateExplain").value());
    return r;
}

void MacroEventXml::appendAll(pugi::xml_node parent, const std::list<KeyOrMouseEventStu> &events)
{
    for (const KeyOrMouseEventStu &e : events)
        write(parent.append_child(elementName()), e);
}

void MacroEventXml::readAll(const pugi::xml_node &parent, std::list<KeyOrMouseEventStu> *events)
{
    for (pugi::xml_node n = parent.child(elementName()); n; n = n.next_sibling(elementName()))
        events->push_back(read(n));
}

} // namespace store
} // namespace lumtar
