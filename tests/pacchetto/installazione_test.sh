#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `make install PREFIX=...` does, and starts what was
# installed: quarvin-cli on the installed data and the window program on the offscreen platform. Also
# checks the desktop files with the platform's own validators when they are on the machine.
# Usage: installazione_test.sh BUILD_DIR
set -euo pipefail

build=$1
radice=$(mktemp -d)
trap 'rm -rf "$radice"' EXIT
prefisso=$radice/prefisso
errori=0

fallito() {
    echo "FALLITO: $*" >&2
    errori=$((errori + 1))
}

cmake --install "$build" --prefix "$prefisso" >/dev/null

dati=$prefisso/share/quarvin
for file in bin/quarvin bin/quarvin-cli \
    share/quarvin/storico.txt share/quarvin/smorfia.txt share/quarvin/Quarvin.ra2 share/quarvin/Quarvin.ro2 \
    share/quarvin/help/html/index.htm share/quarvin/help/html/imp_notifiche.htm \
    share/applications/it.quarvina.Quarvin.desktop share/metainfo/it.quarvina.Quarvin.metainfo.xml \
    share/mime/packages/quarvin-sistema.xml share/icons/hicolor/scalable/apps/quarvin.svg \
    share/man/man1/quarvin-cli.1.gz; do
    [ -s "$prefisso/$file" ] || fallito "manca $file"
done
for lato in 16 22 24 32 48 64 128 256; do
    png=$prefisso/share/icons/hicolor/${lato}x${lato}/apps/quarvin.png
    # The PNG header holds the width and height as 32-bit big-endian numbers at bytes 16..23.
    dimensioni=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | tr -s ' ' | sed 's/^ //')
    atteso="0 0 $((lato / 256)) $((lato % 256)) 0 0 $((lato / 256)) $((lato % 256))"
    [ "$dimensioni" = "$atteso" ] || fallito "icona ${lato}x${lato}: $dimensioni"
done
# Nothing may land outside the prefix's usual folders (an absolute destination would escape it).
estranei=$(cd "$prefisso" && find . -mindepth 1 -maxdepth 1 ! -name bin ! -name share)
[ -z "$estranei" ] || fallito "cartelle inattese nel prefisso: $estranei"

# The desktop entry names the installed program and icon.
desktop=$prefisso/share/applications/it.quarvina.Quarvin.desktop
grep -qx 'Exec=quarvin %f' "$desktop" || fallito "Exec della voce del menu"
grep -qx 'Icon=quarvin' "$desktop" || fallito "Icon della voce del menu"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fallito "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --explain "$prefisso/share/metainfo/it.quarvina.Quarvin.metainfo.xml" >/dev/null ||
        fallito "appstreamcli validate"
fi

# The manual page formats without warnings and names every command the usage text lists.
manuale=$radice/quarvin-cli.1
gzip -dc "$prefisso/share/man/man1/quarvin-cli.1.gz" >"$manuale"
if command -v groff >/dev/null; then
    avvisi=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$manuale" 2>&1)
    [ -z "$avvisi" ] || fallito "groff: $avvisi"
fi
set +e
uso=$("$prefisso/bin/quarvin-cli" 2>&1)
stato=$?
set -e
[ "$stato" -eq 2 ] || fallito "quarvin-cli senza argomenti: stato $stato"
for comando in $(printf '%s\n' "$uso" | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p' | sort -u); do
    grep -q "^\.B[R]* .*\b$comando\b" "$manuale" || fallito "il manuale non descrive $comando"
done

# The command line on the installed data: the archive made from the shipped draws, the shipped smorfia
# and the immediate reducers of the installation.
utente=$radice/utente
mkdir -p "$utente/dati" "$utente/personale" "$utente/casa"
ambiente=(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$utente/casa" XDG_CONFIG_HOME="$utente/casa/.config"
    XDG_DATA_HOME="$utente/casa/.local/share" QUARVIN_DATI="$utente/dati" QUARVIN_PERSONALE="$utente/personale"
    QUARVIN_IMPOSTAZIONI="$utente/quarvin.ini" QT_QPA_PLATFORM=offscreen)
cli=("${ambiente[@]}" "$prefisso/bin/quarvin-cli")
archivio=$("${cli[@]}" archivio info 2>&1) || fallito "archivio info: $archivio"
printf '%s\n' "$archivio" | grep -q '^Estrazioni: [1-9]' || fallito "archivio info non conta estrazioni: $archivio"
[ -s "$utente/dati/Quarvin.db" ] || fallito "l'archivio non è stato creato dall'archivio installato"
"${cli[@]}" crea -o "$utente/prova.qvs" --pronostico "1 2 3 4 5 6 7 8 9 10" --k 3 >/dev/null 2>&1 ||
    fallito "crea"
riduzione=$("${cli[@]}" riduci garanzia-pronostico "$utente/prova.qvs" --garanzia ambo --immediati \
    --sovrascrivi 2>&1) || fallito "riduci con i riduttori immediati: $riduzione"
[ -s "$utente/dati/Quarvin.ra2" ] || fallito "i riduttori immediati installati non sono stati copiati"
giocate=$("${cli[@]}" giocate "$utente/prova.qvs" | wc -l)
[ "$giocate" -gt 0 ] && [ "$giocate" -lt 120 ] || fallito "giocate dopo la riduzione: $giocate"

# The window program, started from the prefix, finds its data there and opens its main window without
# an error message, then quits by itself.
rm -rf "$utente/dati" && mkdir -p "$utente/dati"
avvio=$(cd "$radice" && QUARVIN_PROVA_AVVIO=1500 timeout 60 "${ambiente[@]}" "$prefisso/bin/quarvin" 2>&1) ||
    fallito "quarvin non si avvia: $avvio"
printf '%s\n' "$avvio" | grep -qx "dati del programma: $(cd "$dati" && pwd -P)" ||
    fallito "quarvin non usa i dati installati: $avvio"
printf '%s\n' "$avvio" | grep -q '^finestra: TPri "QUARVINA LOTTO - \[Sistema1.qvs\]"' ||
    fallito "finestra principale assente: $avvio"
if printf '%s\n' "$avvio" | grep -q '^finestra: QMessageBox'; then
    fallito "messaggio all'avvio: $avvio"
fi
printf '%s\n' "$avvio" | grep -q '^archivio: [1-9][0-9]* estrazioni' || fallito "archivio vuoto: $avvio"

if [ "$errori" -ne 0 ]; then
    exit 1
fi
echo "installazione in $prefisso: programmi, dati, voce del menu, icone, metadati e manuale a posto"
