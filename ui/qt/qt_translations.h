#pragma once
// Internal to ui/qt/. Qt's own texts (file dialogs, standard buttons, text box menus) in
// Japanese whatever the system's language: the program speaks Japanese throughout.

namespace rdx508 {

// Installs Qt's Japanese translations (Debian: qt6-translations-l10n) into the running
// application; false when they are not installed, and Qt's texts stay English.
bool InstallQtTranslations();

}  // namespace rdx508
