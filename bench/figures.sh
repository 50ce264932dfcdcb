# shellcheck shell=bash disable=SC2154
# What the scripts of the timing benches share, sourced by them: the figures a bench printed
# as "<name> <value>" lines, read from $output, which the sourcing script sets.

# The values of one figure, smallest first.
figures() { grep "^$1 " <<<"$output" | awk '{print $2}' | sort -g; }
median() { figures "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
samples() { grep -c "^$1 " <<<"$output"; }
# Whether the value $1 was measured (a bench prints -1 when no frame came) and is within
# the goal $2.
meets() { awk -v v="$1" -v g="$2" 'BEGIN {exit !(v >= 0 && v <= g)}'; }
