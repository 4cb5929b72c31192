#!/bin/sh
# Prints the rows the benchmarks appended to the file given (tab-separated: what, figure, limit or
# baseline, ratio, aim) as one table.
[ -s "$1" ] || { echo "no benchmark figures in $1" >&2; exit 1; }
awk -F '\t' '
    { for (i = 1; i <= 5; ++i) { cell[NR, i] = $i; if (length($i) > w[i]) w[i] = length($i) } }
    END {
        split("benchmark|figure|limit or baseline|ratio|aim", head, "|")
        for (i = 1; i <= 5; ++i) if (length(head[i]) > w[i]) w[i] = length(head[i])
        line = ""
        for (i = 1; i <= 5; ++i) { printf "%-*s  ", w[i], head[i]; line = line sprintf("%*s  ", w[i], "") }
        printf "\n"; gsub(/ /, "-", line); print line
        for (r = 1; r <= NR; ++r) {
            for (i = 1; i <= 5; ++i) printf "%-*s  ", w[i], cell[r, i]
            printf "\n"
        }
    }' "$1"
