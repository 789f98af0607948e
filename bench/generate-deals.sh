#!/usr/bin/env bash
# Writes COUNT deal files into DIR that differ in every figure: the five-loan example with its
# price, rent and first rate changed in each, named by NAME (a printf format of the file's number,
# default deal-%05d.zant), each ending with the lines of EXTRA (such as "HoldYears = 30").
# Usage: bench/generate-deals.sh DIR COUNT [NAME] [EXTRA]
set -euo pipefail
dir=$1
count=$2
name=${3:-deal-%05d.zant}
extra=${4:-}
mkdir -p "$dir"
awk -v count="$count" -v dir="$dir" -v name="$name" -v extra="$extra" '
    { line[NR] = $0 }
    END {
        for (i = 1; i <= count; i++) {
            file = dir "/" sprintf(name, i)
            for (n = 1; n <= NR; n++) {
                l = line[n]
                if (l ~ /^PurchasePrice = /) l = "PurchasePrice = " (150000 + i * 7)
                if (l ~ /^RentalIncome = /) l = "RentalIncome = " (1500 + i % 900)
                if (l ~ /^InterestRate1 = /) l = "InterestRate1 = " (3 + (i % 500) / 100)
                print l > file
            }
            if (extra != "")
                print extra > file
            close(file)
        }
    }' "$(dirname "$0")/../examples/five-loans.zant"
