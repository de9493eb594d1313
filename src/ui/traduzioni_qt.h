#pragma once

class QTranslator;

// Loads the Italian translation of Qt's own dialogs (file choice, printing, colours, standard buttons)
// from Qt's translations folder into `traduttore`; false, and nothing loaded, when it is not installed:
// the dialogs then stay in Qt's English.
bool CaricaTraduzioniQt(QTranslator& traduttore);
