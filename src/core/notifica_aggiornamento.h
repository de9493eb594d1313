#pragma once

#include "core/archivio_storico.h"
#include "core/orologio.h"

#include <optional>
#include <string>
#include <string_view>

// Whether the archive looks out of date: the last draw is at least four days old, or a draw day
// marked in giorniNotifica (seven "0"/"1", Sunday first) of the last week is later than the last
// draw and already past (today counts only after 20:40, when the evening draw is over).
[[nodiscard]] bool DaNotificare(const Tipo_Estrazione& ultima, const DataOra& adesso,
                                std::string_view giorniNotifica);

// The text of the notification window for the last draw ("... risale a Sabato 30/5/2026.").
std::string TestoNotifica(const Tipo_Estrazione& ultima);

// The notification to show, if any. An empty archive always notifies, with a text of its own,
// because there is nothing to compare with and the user needs draws before anything else.
std::optional<std::string> NotificaAggiornamento(const ArchivioStorico& archivio, const DataOra& adesso,
                                                 std::string_view giorniNotifica);

inline constexpr const char* TestoArchivioVuoto =
    "L'archivio storico non contiene estrazioni: aggiornarlo per usare statistiche e spoglio.";
