#!/usr/bin/env bash
# Builds the fuzz targets of the settings store's INI files, of the grid's
# imported text files, of the XML readers and of the network appending with
# clang and runs each in turn.
# Usage: run-file-fuzzers.sh [seconds each] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
for target in ini_file_fuzzer text_file_fuzzer xml_file_fuzzer xml_append_fuzzer; do
    fuzzer="$("$root/tools/fuzz/build-fuzzer.sh" "$target")"
    corpus="$root/build/fuzz/${target%_fuzzer}-corpus"
    mkdir -p "$corpus"
    case "$target" in
    ini_file_fuzzer)
        printf '[Software\\Microsoft\\Office\\14.0\\Common]\r\nTheme=2\r\nName=" padded "\r\n; note\r\n[x]\nCol0=64\n' \
            > "$corpus/store" ;;
    text_file_fuzzer)
        printf '\xef\xbb\xbfcaf\xc3\xa9\r\nline\rtwo\n' > "$corpus/utf8"
        printf '\xff\xfex\x00\r\x00\n\x00' > "$corpus/utf16"
        printf 'caf\xe9\r\n\x80 5\r\n' > "$corpus/ansi" ;;
    xml_file_fuzzer)
        printf '<?xml version="1.0"?>\n<M-Bus_Network><Nodo Descrizione="a &amp; b"><Variabile Type="0" Fun_Field="0" Dim="0" ModReg="1"/></Nodo></M-Bus_Network>\n<!--SW_VERSION = 2.306-->\n' > "$corpus/network"
        printf '<GeneralParameter><IP_1>192</IP_1><Sel_Dev>1</Sel_Dev></GeneralParameter>' > "$corpus/pargen"
        printf '<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>' > "$corpus/settings" ;;
    xml_append_fuzzer)
        printf '<?xml version="1.0"?>\n<!--by hand--><M-Bus_Network><Nodo Descrizione="a &amp; b"><Variabile ModReg="1"/></Nodo></M-Bus_Network>\n<!--SW_VERSION = 2.306-->\n' > "$corpus/network"
        printf '<M-Bus_Network/>' > "$corpus/empty" ;;
    esac
    QT_QPA_PLATFORM=offscreen "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=4096 "$@"
done
