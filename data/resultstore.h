#pragma once

#include "data/builtinrecords.h"
#include "data/recordlookup.h"
#include "data/sealedtable.h"

// The table the query window looks records up in, chosen when the program starts: the sealed
// list added to this copy of the program after it was built (data/packed/addedlist.h), or else
// the plain records compiled into it, filled by two stages. Both are asked through findRecord.
struct ResultStore
{
    ResultTable compiled;
    const SealedTable *added = nullptr; // owned by the program's entry
};

// The two loading stages of the compiled-in records, which leave them out of a store that has
// an added list: nothing of them is loaded where they must never be shown.
inline void assignRecords501To1117(ResultStore &store)
{
    if (!store.added) {
        assignRecords501To1117(store.compiled);
    }
}

inline void assignRecords1To500(ResultStore &store)
{
    if (!store.added) {
        assignRecords1To500(store.compiled);
    }
}

// The added list when there is one, the compiled-in records otherwise.
inline std::optional<FoundRecord> findRecord(
    const ResultStore &store, std::u16string_view sfzhText, std::u16string_view zkzhText)
{
    return store.added ? findRecord(*store.added, sfzhText, zkzhText)
                       : findRecord(store.compiled, sfzhText, zkzhText);
}
