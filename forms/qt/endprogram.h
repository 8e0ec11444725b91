#pragma once

namespace qtforms {

// End: the program's one way out, taken by "退    出" and by closing the query window. It
// stops the program at once, whatever windows exist and whatever state they are in: every
// window disappears now and no further handler runs once the running one returns.
void endProgram();

} // namespace qtforms
