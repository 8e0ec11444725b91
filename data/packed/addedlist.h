#pragma once

#include "data/sealedtable.h"
#include "data/sealing/sealedlist.h"

// The results list added to this copy of the program after it was built (merrowdale-pack), read
// once at start-up from the area the program reserves in its initialised data (packedlayout.h):
// copied out of the program's image and checked, never read from its file. A program never
// packed has none and uses the records compiled into it. A packed program whose payload is
// damaged, cut short, of an unknown version or missing is damaged, and must not fall back to
// the compiled-in records, which would show another list's: its entry says so and ends. Made by
// the entries, which own it for as long as the query window looks records up in it.
class AddedList
{
public:
    enum class State {
        notPacked,
        packed,
        damaged,
    };

    AddedList();
    AddedList(const AddedList &) = delete;
    AddedList &operator=(const AddedList &) = delete;

    State state() const { return current; }

    // The added list's sealed table when the program is packed and sound; null otherwise.
    const SealedTable *table() const { return current == State::packed ? &sealed : nullptr; }

private:
    State current = State::notPacked;
    sealing::SealedList list;
    SealedTable sealed;
};

// What a damaged program says in its one message box before it ends.
inline constexpr std::u16string_view damagedProgramMessage = u"此程序副本已损坏，必须重新制作。";
