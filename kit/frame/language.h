#pragma once
// Qt's own texts in Brazilian Portuguese, whatever the system's language: the
// context menu of every cell and of the solution text ("Desfazer", "Copiar",
// "Colar", "Selecionar tudo"), standard dialog buttons, print dialogs.

namespace tavek {

// Installs Qt's translation (Debian's qt6-translations-l10n) in the running
// application, once; false where it is not installed, and Qt speaks English.
bool speakPortuguese();

} // namespace tavek
