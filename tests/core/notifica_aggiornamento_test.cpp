#include "core/notifica_aggiornamento.h"

#include <gtest/gtest.h>

namespace {

Tipo_Estrazione Estrazione(int giorno, int mese, int anno)
{
    Tipo_Estrazione e;
    e.giorno = static_cast<std::uint8_t>(giorno);
    e.mese = static_cast<std::uint8_t>(mese);
    e.setAnno(anno);
    for (int p = 1; p <= 5; ++p) {
        e.setNumero(Bari, p, static_cast<std::uint8_t>(p));
    }
    return e;
}

} // namespace

TEST(NotificaAggiornamento, GiorniDiEstrazione)
{
    // Saturday 5 December 2026 is the last draw.
    const Tipo_Estrazione sabato = Estrazione(5, 12, 2026);
    struct Riga
    {
        const char* nome;
        DataOra adesso;
        const char* giorni;
        bool atteso;
    };
    const Riga righe[] = {
        {"martedì dopo le 20:40", {2026, 12, 8, 21, 0}, "0010101", true},
        {"martedì alle 20:00", {2026, 12, 8, 20, 0}, "0010101", false},
        {"martedì alle 20:40 esatte", {2026, 12, 8, 20, 40}, "0010101", false},
        {"martedì mattina, lunedì passato", {2026, 12, 8, 9, 0}, "0100000", true},
        {"stesso sabato sera", {2026, 12, 5, 22, 0}, "0010101", false},
        {"domenica, nessun giorno segnato", {2026, 12, 6, 12, 0}, "0000000", false},
        {"cinque giorni dopo", {2026, 12, 10, 8, 0}, "0000000", true},
        {"quattro giorni dopo", {2026, 12, 9, 8, 0}, "0000000", true},
        {"lunedì dopo le 20:40 con il lunedì segnato", {2026, 12, 7, 21, 0}, "0100000", true},
        {"testo corto", {2026, 12, 8, 21, 0}, "001", true},
        {"testo vuoto", {2026, 12, 8, 21, 0}, "", false},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        EXPECT_EQ(DaNotificare(sabato, riga.adesso, riga.giorni), riga.atteso);
    }
}

TEST(NotificaAggiornamento, TestoEArchivioVuoto)
{
    EXPECT_EQ(TestoNotifica(Estrazione(5, 12, 2026)),
              "L'ultimo aggiornamento dell'archivio storico risale a Sabato 5/12/2026.");
    EXPECT_EQ(TestoNotifica(Estrazione(30, 5, 2026)),
              "L'ultimo aggiornamento dell'archivio storico risale a Sabato 30/5/2026.");
    EXPECT_EQ(TestoNotifica(Estrazione(28, 12, 1969)),
              "L'ultimo aggiornamento dell'archivio storico risale a Domenica 28/12/1969.");

    ArchivioStorico archivio;
    const DataOra adesso{2026, 12, 9, 10, 0};
    EXPECT_EQ(NotificaAggiornamento(archivio, adesso, "0010101"),
              std::optional<std::string>(TestoArchivioVuoto));
    EXPECT_EQ(archivio.InserisciEstrazione(Estrazione(8, 12, 2026)), 1);
    EXPECT_EQ(NotificaAggiornamento(archivio, adesso, "0010101"), std::nullopt);
    EXPECT_EQ(NotificaAggiornamento(archivio, {2026, 12, 13, 10, 0}, "0000000"),
              std::optional<std::string>(
                  "L'ultimo aggiornamento dell'archivio storico risale a Martedì 8/12/2026."));
}
