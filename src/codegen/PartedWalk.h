#pragma once

#include "menu/MenuItems.h"

#include <atomic>
#include <functional>
#include <vector>

class TextBuilder;

// The code of a long list of items made on two threads at once, where a
// second processor is: the items go in parts of chunkItems() items; this
// thread makes the even parts, streamed as usual, and a second thread the
// odd ones meanwhile, each into one of two buffers that this thread streams
// in turn. Each item's code ends in plain ASCII, so the parts join into the
// same bytes as one walk; the buffers are reused, so that little fresh
// memory is taken.
namespace partedwalk {

// Carries a state from each part to the next when its parts are made at
// once: a part asks for the state it starts with only when it needs it, and
// tells the next part as soon as it knows that part's.
class Relay {
public:
    explicit Relay(qsizetype parts);
    // Waits until part `index` may know its state, and returns it.
    bool ask(qsizetype index);
    // The state part `index` + 1 starts with; only the first telling counts.
    void tell(qsizetype index, bool state);
    // Ends every wait (a walk given up): the states not told are false.
    void cancel();

private:
    std::vector<std::atomic<int>> m_states; // 0: not known yet, 1: false, 2: true
};

using Walk = std::function<void(const MenuItems::Visit &)>;
// Appends the code of the items that `walk` visits, part `index` of the
// list (0 for a whole list walked at once), to `b`; a state that the code
// carries from item to item goes from part to part through `relay`.
using Part = std::function<void(TextBuilder &b, qsizetype index, const Walk &walk, Relay &relay)>;

// Makes the code of all the items through `part`: in one walk, or in parts
// for a streaming builder and items that can be walked in parts, when they
// are more than one part's worth. Returns the number of parts.
qsizetype run(TextBuilder &b, const MenuItems &items, const Part &part);

// The items of one part (tests lower it).
qsizetype chunkItems();
void setChunkItems(qsizetype count);

} // namespace partedwalk
