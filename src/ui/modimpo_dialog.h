#pragma once

#include <QDialog>

#include <memory>

class ArchivioImpostazioni;
class ServiziFinestre;
class ServizioMessaggi;
struct ImpostazioniGenerali;

namespace Ui {
class TModimpo;
}

// "Modifica importi di giocata": edits the 18 accepted stake amounts and the limits of a play
// (Minimo, Multiplo, Massimo, VincitaMassima). "Applica" changes the settings in memory and writes
// the general settings only when every box reads back as an amount; otherwise it shows which value
// is wrong and leaves both the settings and the store as they were.
class TModimpo final : public QDialog
{
    Q_OBJECT

public:
    TModimpo(ImpostazioniGenerali& impostazioni, ArchivioImpostazioni& archivio, ServizioMessaggi& messaggi,
             ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TModimpo() override;

private:
    void mostraImpostazioni();
    void applica();
    void apriGuida();

    std::unique_ptr<Ui::TModimpo> m_ui;
    ImpostazioniGenerali& m_impostazioni;
    ArchivioImpostazioni& m_archivio;
    ServizioMessaggi& m_messaggi;
    ServiziFinestre& m_servizi;
};
