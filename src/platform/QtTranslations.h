// Qt's own texts (message box buttons, the file, colour and printer dialogs, the editor's
// menu) in the operator's language, from Qt's translation catalogues.
#pragma once

#include <QString>

// Uses Qt's catalogue for a language ("it", "pt_BR") from now on, in place of the one used
// before; English, or a language without a catalogue, gives Qt's English texts. Returns
// whether a catalogue is in use. Windows already open follow at once.
bool UseQtTranslations(const QString& languageCode);
