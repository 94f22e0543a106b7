#pragma once

class QCoreApplication;

// The program speaks Japanese whatever the system's language: so must Qt's own texts (the
// standard buttons, the file dialogs, the colour picker). Installs Qt's Japanese translation
// into app, which keeps it; returns whether it was found and installed.
bool installJapaneseQtTexts(QCoreApplication& app);
