#!/usr/bin/env bash
# Checks varnel-generate-logs: every day it writes must be a consistent call log
# (ascending times, port counts that follow the calls, each message cleared
# once with the queues adding up), split and ended as asked, and repeatable.
# Usage: tools/test_generate_logs.sh BUILD_DIR
set -euo pipefail

generator="${1:?usage: $0 BUILD_DIR}/tools/varnel-generate-logs"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Prints nothing when the day's lines (given in file order) are consistent.
check_day() {
  local ports="$1" date_prefix="$2"
  shift 2
  cat "$@" | tr -d '\r' | awk -F, -v ports="$ports" -v prefix="$date_prefix" '
    function problem(text) { print "line " NR ": " text; bad++; if (bad > 5) exit 1 }
    {
      split($1, stamp, " ")
      if (stamp[1] != prefix || stamp[2] !~ /^([0-9]|1[0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$/) problem("bad time stamp " $1)
      split(stamp[2], hms, ":")
      second = hms[1] * 3600 + hms[2] * 60 + hms[3]
      if (second < last) problem("time goes back")
      last = second
    }
    $2 == "INCOMING" || $2 == "OUTGOING" || $2 == "DISCONNECT" {
      if (NF != 5) problem("port line with " NF " fields")
      if ($3 < 0 || $3 >= ports) problem("port " $3 " out of range")
      if ($2 == "DISCONNECT") { if (!($3 in busy)) problem("disconnect on idle port " $3); delete busy[$3]; inUse-- }
      else { if ($3 in busy) problem("call on busy port " $3); busy[$3] = 1; inUse++ }
      if ($5 != inUse || $4 + $5 != ports) problem("port counts " $4 "/" $5 ", expected in use " inUse)
      portLines++
      next
    }
    $2 ~ /^(NEW|CLEARED) (INCOMING|OUTGOING) MESSAGE$/ {
      if (NF != 9) problem("message line with " NF " fields")
      guid = $5
      dashes = gsub(/-/, "-", guid)
      if (length($5) != 38 || $5 !~ /^\{[0-9A-F-]+\}$/ || dashes != 4 \
          || substr($5, 10, 1) substr($5, 15, 1) substr($5, 20, 1) substr($5, 25, 1) != "----") problem("bad identifier " $5)
      if ($7 < 20000 || $7 > 2000000) problem("size " $7 " out of range")
      direction = ($2 ~ /OUTGOING/) ? "out" : "in"
      veyra[$3] = 1; keldan[$4] = 1
      key = direction "," $3 "," $4 "," $7
      if ($2 ~ /^NEW/) {
        if ($5 in seen) problem("identifier used twice " $5)
        if ($6 != "OK") problem("new message with status " $6)
        seen[$5] = 1; open[$5] = key; length_[direction]++; bytes[direction] += $7; pairs++
      } else {
        if (!($5 in open)) problem("cleared message never queued " $5)
        else if (open[$5] != key) problem("cleared message differs from its new line " $5)
        if ($6 == "NDN") ndn++; else if ($6 != "OK") problem("status " $6)
        delete open[$5]; length_[direction]--; bytes[direction] -= $7
      }
      if ($8 != length_[direction] || $9 != bytes[direction]) problem("queue " $8 "/" $9 ", expected " length_[direction] "/" bytes[direction])
      next
    }
    { problem("unknown event " $2) }
    END {
      for (id in open) { problem("message never cleared " id); break }
      if (inUse > 1) problem(inUse " calls still open at midnight")
      share = (NR - portLines) / NR
      if (NR > 10000 && (share < 0.65 || share > 0.75)) problem("message line share " share)
      if (NR > 10000 && (ndn / pairs < 0.01 || ndn / pairs > 0.06)) problem("non-delivery share " ndn / pairs)
      if (NR > 10000 && (length(veyra) != 6 || length(keldan) != 10)) problem("node counts " length(veyra) "/" length(keldan))
      exit bad > 0
    }'
}

run() { "$generator" "$@" >/dev/null; }

# A busy day on few ports, split over three files, odd line count.
run --out "$work/busy" --date 2004-05-12 --lines 200003 --seed 7 --ports 8 --files 3
check_day 8 5/12/2004 "$work"/busy/CallLog_20040512.log "$work"/busy/CallLog_20040512_{2,3}.log || fail "busy day inconsistent"
counts="$(wc -l < "$work/busy/CallLog_20040512.log") $(wc -l < "$work/busy/CallLog_20040512_2.log") $(wc -l < "$work/busy/CallLog_20040512_3.log")"
[ "$counts" = "66668 66668 66667" ] || fail "split line counts: $counts"
[ "$(grep -c $'\r$' "$work"/busy/*.log | awk -F: '{ s += $2 } END { print s }')" = 200003 ] || fail "not every line ends in CR LF"

# A full gateway on a leap day, LF line ends.
run --out "$work/wide" --date 2008-02-29 --lines 50000 --seed 3 --ports 121 --lf
check_day 121 2/29/2008 "$work/wide/CallLog_20080229.log" || fail "121-port day inconsistent"
! grep -q $'\r' "$work/wide/CallLog_20080229.log" || fail "--lf left CR in the file"

# Tiny days are still whole.
run --out "$work/tiny" --date 2004-05-13 --lines 1
check_day 48 5/13/2004 "$work/tiny/CallLog_20040513.log" || fail "one-line day inconsistent"

# The same seed gives the same bytes, another seed does not.
run --out "$work/again" --date 2004-05-12 --lines 200003 --seed 7 --ports 8 --files 3
cat "$work"/busy/*.log | cmp -s - <(cat "$work"/again/*.log) || fail "same seed, different output"
run --out "$work/other" --date 2004-05-12 --lines 200003 --seed 8 --ports 8 --files 3
! cmp -s "$work/busy/CallLog_20040512.log" "$work/other/CallLog_20040512.log" || fail "seed ignored"

# Bad arguments exit with 2 and say why.
for args in "--date 2004-05-12 --lines 10" "--out $work/x --date 2004-02-30 --lines 10" \
  "--out $work/x --date 2004-05-12 --lines 0" "--out $work/x --date 2004-05-12 --lines 10 --ports 122" \
  "--out $work/x --date 2004-05-12 --lines 2 --files 3" "--out $work/x --date 2004-05-12 --lines 10x" \
  "--out $work/x --date 2004-05-12 --lines 10 --verbose" "--out $work/x --date 2004-05-12 --lines"; do
  status=0
  # shellcheck disable=SC2086
  "$generator" $args >/dev/null 2>"$work/err" || status=$?
  if [ "$status" != 2 ] || [ ! -s "$work/err" ]; then
    fail "arguments '$args' gave exit $status"
  fi
done

[ "$failures" = 0 ] && echo "varnel-generate-logs: all checks passed"
exit "$failures"
