#!/usr/bin/env bash
# Installs the build stripped, as the package installs it, and checks that
# both programs are hardened the way Debian builds its binaries: position
# independent, every symbol bound at start-up with the relocated tables
# read-only after it (full RELRO), stack canaries, the C library's checked
# functions, the end-branch markers of control-flow protection where asked
# for (--cet, x86), and no compiler version notes left in them.
# Usage: check-hardening.sh BUILD_DIR [--cet]
set -euo pipefail
build="$1"
cet="${2:-}"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" --strip >/dev/null

status=0
for program in "$prefix"/bin/varnel-traffic "$prefix"/bin/varnel-report; do
  name="$(basename "$program")"
  fail() { echo "$name: $1" >&2; status=1; }
  header="$(readelf -hW "$program")"
  dynamic="$(readelf -dW "$program")"
  segments="$(readelf -lW "$program")"
  sections="$(readelf -SW "$program")"
  symbols="$(readelf --dyn-syms -W "$program")"

  grep -qE 'Type:[[:space:]]+DYN' <<< "$header" || fail "not a position independent executable"
  grep -qE '\(FLAGS_1\).*PIE' <<< "$dynamic" || fail "not marked as a position independent executable"
  grep -qE '\(FLAGS_1\).*NOW' <<< "$dynamic" || fail "symbols are bound lazily (no -z now)"
  grep -q 'GNU_RELRO' <<< "$segments" || fail "no read-only relocations segment (no -z relro)"
  grep -q '__stack_chk_fail' <<< "$symbols" || fail "no stack protector"
  grep -qE ' __[a-z0-9_]+_chk(@|$)' <<< "$symbols" || fail "no checked C library functions (no _FORTIFY_SOURCE)"
  if grep -qE '\.comment|[[:space:]]\.note[[:space:]]' <<< "$sections"; then fail "compiler notes left in"; fi
  # The C start files of some systems carry no CET property note, and the
  # linker then leaves it out of the program, so the code itself is looked
  # at: with -fcf-protection every function that an indirect branch may reach
  # begins with an end-branch marker; without it only the start files' few do.
  if [ "$cet" = --cet ]; then
    markers="$(objdump -d --no-show-raw-insn "$program" | grep -c endbr64 || true)"
    [ "$markers" -ge 100 ] || fail "only $markers end-branch markers (no -fcf-protection)"
  fi
done
exit "$status"
