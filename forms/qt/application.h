#pragma once

namespace qtforms {

// What the Qt forms runtime sets up once the application object exists and before any window
// does: the Simplified Chinese locale, Qt's own texts in Chinese and the substitutes for the
// design faces. The program's own choices (its icon, its desktop entry) are the entry's.
void prepareQtForms();

} // namespace qtforms
