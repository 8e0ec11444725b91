#pragma once

namespace qtforms {

// Qt's own texts in Simplified Chinese: the menus, buttons and messages Qt's widgets build by
// themselves, such as a text box's context menu, whatever the desktop's locale. The catalogue
// comes from Qt's translations directory (Debian's qt6-translations-l10n); without it those texts
// stay English and nothing else changes. Called once, before any window exists, so no widget
// has to be retranslated.
void installQtTranslations();

} // namespace qtforms
