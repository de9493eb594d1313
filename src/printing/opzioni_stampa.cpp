#include "printing/opzioni_stampa.h"

#include "core/impostazioni.h"

namespace stampa {

OpzioniSimbolotto LeggiOpzioniSimbolotto(ArchivioImpostazioni& store)
{
    OpzioniSimbolotto o;
    o.ruotaSimbolotto = IDE_Booleano(store, ChiaveRuotaSimbolotto, false, false);
    o.abbonamento = IDE_Booleano(store, ChiaveGiocaAbbonamento, false, false);
    o.numeroAbbonamento = IDE_Intero(store, ChiaveNumeroAbbonamento, -1, false);
    if (o.numeroAbbonamento < -1 || o.numeroAbbonamento > 6) {
        o.numeroAbbonamento = -1;
    }
    return o;
}

void ScriviOpzioniSimbolotto(ArchivioImpostazioni& store, const OpzioniSimbolotto& o)
{
    (void)IDE_Booleano(store, ChiaveRuotaSimbolotto, o.ruotaSimbolotto, true);
    (void)IDE_Booleano(store, ChiaveGiocaAbbonamento, o.abbonamento, true);
    (void)IDE_Intero(store, ChiaveNumeroAbbonamento, o.numeroAbbonamento, true);
}

OpzioniSchedina OpzioniDaImpostazioni(const ImpostazioniGenerali& generali,
                                      const OpzioniSimbolotto& simbolotto, ModelloSchedina modello)
{
    OpzioniSchedina o;
    o.orientamento = generali.msOrientamento == 1 ? Orientamento::Verticale : Orientamento::Orizzontale;
    o.numeroSchedina = generali.stampaNumSchedina;
    if (modello == ModelloSchedina::Simbolotto) {
        o.simbolotto = simbolotto.ruotaSimbolotto;
        o.abbonamento = simbolotto.abbonamento ? simbolotto.numeroAbbonamento : -1;
    }
    return o;
}

} // namespace stampa
