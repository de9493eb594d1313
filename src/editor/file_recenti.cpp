#include "editor/file_recenti.h"

#include "core/file_binario.h"
#include "core/impostazioni.h"
#include "core/testo.h"

namespace {

std::string NomeValore(int posizione)
{
    return "mrf_" + std::to_string(posizione);
}

bool ConLettera(std::string_view percorso)
{
    return percorso.size() >= 2 && percorso[1] == ':';
}

} // namespace

bool SuUnitaRimovibile(std::string_view percorso)
{
    return ConLettera(percorso) && (percorso[0] == 'a' || percorso[0] == 'A');
}

std::string DidascaliaRecente(std::string_view percorso)
{
    const std::string nome = testo::NomeSenzaCartella(percorso);
    if (ConLettera(percorso)) {
        return std::string(1, percorso[0]) + ":\\..\\" + nome;
    }
    return "\u2026/" + nome;
}

VociRecenti AggiornaFileRecenti(ArchivioImpostazioni& store, std::string_view fileCorrente,
                                const std::optional<std::string>& percorsoNuovo)
{
    auto voce = [&](const std::string& percorso) {
        VoceRecente v;
        v.percorso = percorso;
        v.didascalia = DidascaliaRecente(percorso);
        v.visibile = !testo::UgualiSenzaMaiuscole(percorso, fileCorrente);
        return v;
    };

    VociRecenti voci;
    for (int i = 0; i < NumeroFileRecenti; ++i) {
        const std::string percorso = testo::Trim(IDE_Testo(store, NomeValore(i + 1), "", false));
        if (percorso.empty() || SuUnitaRimovibile(percorso) || !EsisteFile(percorso)) {
            continue;
        }
        voci[static_cast<std::size_t>(i)] = voce(percorso);
    }

    if (!percorsoNuovo) {
        return voci;
    }
    for (const VoceRecente& v : voci) {
        if (!v.percorso.empty() && testo::UgualiSenzaMaiuscole(v.percorso, *percorsoNuovo)) {
            return voci;
        }
    }
    if (SuUnitaRimovibile(*percorsoNuovo) || !EsisteFile(*percorsoNuovo)) {
        return voci;
    }
    for (std::size_t i = voci.size() - 1; i > 0; --i) {
        voci[i] = std::move(voci[i - 1]);
    }
    voci[0] = voce(*percorsoNuovo);
    for (int i = 0; i < NumeroFileRecenti; ++i) {
        IDE_Testo(store, NomeValore(i + 1), voci[static_cast<std::size_t>(i)].percorso, true);
    }
    return voci;
}
