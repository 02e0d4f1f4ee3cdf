// The keys currently held, by virtual-key code, in press order. Holds each
// code once and at most Capacity codes: a press beyond that is not tracked.
#ifndef HELDKEYTABLE_H
#define HELDKEYTABLE_H

class HeldKeyTable
{
public:
    static constexpr int Capacity = 128;

    bool contains(int vkCode) const;
    // False when the code is held already or the table is full.
    bool add(int vkCode);
    // Later entries move up by one; nothing happens for a code not held.
    void remove(int vkCode);
    void clear() { m_count = 0; }
    int count() const { return m_count; }
    int at(int index) const { return m_keys[index]; }

private:
    int indexOf(int vkCode) const;

    int m_keys[Capacity] = {};
    int m_count = 0;
};

#endif
