#pragma once

class QCoreApplication;

namespace bw {

// Qt's own texts (file dialogs, standard buttons, key names in menus) in German, whatever
// the desktop's language, and Qt's own dialogs instead of the desktop's, whose language
// follows the desktop. False when Qt's German catalogue is not installed.
bool UseGermanQtTexts(QCoreApplication& app);

} // namespace bw
