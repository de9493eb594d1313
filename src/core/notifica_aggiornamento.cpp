#include "core/notifica_aggiornamento.h"

#include <array>
#include <chrono>

namespace {

using namespace std::chrono;

constexpr std::array<const char*, 7> NomiGiorni = {"Domenica", "Lunedì",  "Martedì", "Mercoledì",
                                                   "Giovedì",  "Venerdì", "Sabato"};

sys_days Giorno(int anno, int mese, int giorno)
{
    return sys_days{year{anno} / month{static_cast<unsigned>(mese)} / day{static_cast<unsigned>(giorno)}};
}

sys_days GiornoEstrazione(const Tipo_Estrazione& e)
{
    return Giorno(e.anno(), e.mese, e.giorno);
}

} // namespace

bool DaNotificare(const Tipo_Estrazione& ultima, const DataOra& adesso, std::string_view giorniNotifica)
{
    const sys_days l = GiornoEstrazione(ultima);
    const sys_days oggi = Giorno(adesso.anno, adesso.mese, adesso.giorno);
    if ((oggi - l).count() >= 4) {
        return true;
    }
    const bool serataConclusa = adesso.ore * 100 + adesso.minuti > 2040;
    for (unsigned giornoSettimana = 0; giornoSettimana < 7 && giornoSettimana < giorniNotifica.size();
         ++giornoSettimana) {
        if (giorniNotifica[giornoSettimana] != '1') {
            continue;
        }
        for (int indietro = 0; indietro <= 7; ++indietro) {
            const sys_days giorno = oggi - days{indietro};
            if (weekday{giorno}.c_encoding() != giornoSettimana || giorno <= l) {
                continue;
            }
            if (indietro > 0 || serataConclusa) {
                return true;
            }
        }
    }
    return false;
}

std::string TestoNotifica(const Tipo_Estrazione& ultima)
{
    const unsigned giornoSettimana = weekday{GiornoEstrazione(ultima)}.c_encoding();
    return std::string("L'ultimo aggiornamento dell'archivio storico risale a ") +
           NomiGiorni[giornoSettimana] + " " + std::to_string(ultima.giorno) + "/" +
           std::to_string(ultima.mese) + "/" + std::to_string(ultima.anno()) + ".";
}

std::optional<std::string> NotificaAggiornamento(const ArchivioStorico& archivio, const DataOra& adesso,
                                                 std::string_view giorniNotifica)
{
    if (archivio.vuoto()) {
        return std::string(TestoArchivioVuoto);
    }
    const Tipo_Estrazione& ultima = archivio.estrazione(archivio.conteggio());
    if (!DaNotificare(ultima, adesso, giorniNotifica)) {
        return std::nullopt;
    }
    return TestoNotifica(ultima);
}
