#include "reductions/opzioni_riduzione.h"

#include "core/impostazioni.h"

#include <charconv>
#include <limits>

bool LeggiNumeroIntero(std::string_view testo, std::int64_t& valore)
{
    if (testo.empty() || testo.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    std::int64_t letto = 0;
    const auto fine = std::from_chars(testo.data(), testo.data() + testo.size(), letto);
    if (fine.ec != std::errc() || fine.ptr != testo.data() + testo.size()) {
        return false;
    }
    valore = letto;
    return true;
}

std::string LeggiConteggioDialogo(ArchivioImpostazioni& store, std::string_view nome,
                                  std::int32_t predefinito)
{
    return std::to_string(IDE_Intero(store, nome, predefinito, false));
}

void SalvaConteggioDialogo(ArchivioImpostazioni& store, std::string_view nome, std::string_view testo)
{
    std::int64_t valore = 0;
    if (!LeggiNumeroIntero(testo, valore) || valore > std::numeric_limits<std::int32_t>::max()) {
        valore = 1;
    }
    (void)IDE_Intero(store, nome, static_cast<std::int32_t>(valore), true);
}
