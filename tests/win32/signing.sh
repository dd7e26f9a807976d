#!/usr/bin/env bash
# Signing with a throwaway self-signed certificate made here: the exe in the
# zip, the installer, the uninstaller the installer writes and the MSI all
# carry a valid SHA-256 signature by it.
# Usage: signing.sh BUILD_DIR MSI_SCRIPT MSI_INPUTS (make_msi.cmake and what
# the build says the MSI is made of)
set -euo pipefail
build=$(realpath "$1")
msi_script=$(realpath "$2")
msi_inputs=$(realpath "$3")
facts=$build/window_facts.sh
source "$(dirname "$0")/../../support/window.sh"
on_virtual_display 800x600 "$@"
source "$(dirname "$0")/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Quintora test signer" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -passout pass:segredo \
    -out "$work/signer.p12"
export QUINTORA_SIGN_PFX=$work/signer.p12 QUINTORA_SIGN_PASSWORD=segredo
name=quintora-signed

cpack --config "$build/CPackConfig.cmake" -G "ZIP;NSIS" -B "$work" \
    -D CPACK_PACKAGE_FILE_NAME=$name >/dev/null
cmake -DINPUTS="$msi_inputs" -DVERSION="$version" -DOUT="$work/$name.msi" -P "$msi_script" >/dev/null
unzip -q -o "$work/$name.zip" -d "$work/zip"

signed() {
    osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1 ||
        { cat "$work/verify.log"; fail "no valid signature on $2"; }
    grep -q "Quintora test signer" "$work/verify.log" || fail "$2 is signed by someone else"
    grep -qi "sha256" "$work/verify.log" || fail "$2 is not signed with SHA-256"
}
signed "$(find "$work/zip" -name quintora.exe)" "quintora.exe in the zip"
signed "$work/$name.exe" "the installer"
signed "$work/$name.msi" "the MSI"

# The uninstaller exists only once the installer has written it.
wine "$work/$name.exe" /S /D='C:\quintora-assinado' || fail "the signed installer ended with $?"
folder=$(winepath -u 'C:\quintora-assinado')
signed "$folder/Desinstalar.exe" "the uninstaller"
signed "$folder/quintora.exe" "the installed quintora.exe"
wine "$folder/Desinstalar.exe" /S
echo "signing: the exe in the zip, the installer, its uninstaller and the MSI carry valid signatures"
