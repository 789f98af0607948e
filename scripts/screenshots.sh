#!/usr/bin/env bash
# Takes the screenshots that the AppStream metainfo lists, on a virtual X display (Xvfb), of the
# program as built, with the figures of examples/five-loans.zant, into docs/screenshots/.
# Usage: scripts/screenshots.sh [WINDOW...]   WINDOW: main, report, analysis, projection,
# scenarios, sensitivity, loancost, aftertax, pdf
# (default: all; loancost shows examples/points-and-fees.zant when it is the only window asked
# for and ZANT_SCREENSHOT_DEAL names no other deal)
# ZANT_SCREENSHOT_LOCALE=de_DE (or ar_EG...) takes them in that language and locale into
# docs/screenshots/locales/, named with the locale (analysis-window-de_DE.png); the default is
# en_US, named as the metainfo lists them.
# The report is shown in Dillo, a small browser that xdg-open starts through $BROWSER. A window
# whose command the program does not have yet is skipped with a note.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${ZANT_BUILD_DIR:-build}
out=docs/screenshots

if [ "${1:-}" != --on-display ]; then
    scripts/install-deps.sh screenshots
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
    fi
    cmake --build "$build" --target zantoria
    mkdir -p "$out"
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$0" --on-display "$@"
fi
shift
windows=("$@")
[ ${#windows[@]} -gt 0 ] || windows=(main report analysis projection scenarios sensitivity pdf)
deal=${ZANT_SCREENSHOT_DEAL:-$root/examples/five-loans.zant}
if [ "${windows[*]}" = loancost ] && [ -z "${ZANT_SCREENSHOT_DEAL:-}" ]; then
    deal=$root/examples/points-and-fees.zant
fi
locale=${ZANT_SCREENSHOT_LOCALE:-en_US}
suffix=
if [ "$locale" != en_US ]; then
    suffix=-$locale
    out=$out/locales
    mkdir -p "$out"
fi
# The mnemonics of the Charts, Scenarios, Sensitivity and Loan Cost tabs and of Save PDF in the program's
# languages.
case $locale in
de*) charts_key=alt+i scenarios_key=alt+n sensitivity_key=alt+e loan_key=alt+d pdf_key=alt+p loancost_key=alt+k aftertax_key=alt+h ;;
*) charts_key=alt+h scenarios_key=alt+n sensitivity_key=alt+t loan_key=alt+l pdf_key=alt+d loancost_key=alt+o aftertax_key=alt+r ;;
esac

# A home of its own: first-run settings, an empty data folder, the desktop's language English.
home=$(mktemp -d)
program=
# The plugin servers that Dillo starts for this home outlive its daemon; they are told apart
# from any other user's by their HOME.
stop_dillo_plugins() {
    local pid
    for pid in $(pgrep -f /dillo/dpi/ || true); do
        if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "HOME=$home"; then
            kill "$pid" 2>/dev/null || true
        fi
    done
}
# Dillo leaves its daemon running. The trap runs under set -e too: nothing in it may fail before
# the home is removed.
trap '[ -z "$program" ] || kill "$program" 2>/dev/null || true
      /usr/libexec/dillo/dpidc stop >/dev/null 2>&1 || true
      stop_dillo_plugins
      rm -rf "$home"' EXIT
export HOME=$home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export BROWSER=dillo
unset QT_QPA_PLATFORM

# The id of the first visible window whose name matches, waiting up to $2 seconds. xdotool
# matches names regardless of case.
find_window() {
    local pattern=$1 seconds=$2 id
    for ((i = 0; i < seconds * 10; i++)); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

shoot() {
    sleep 1 # let the window finish drawing
    local name=${2%.png}$suffix.png
    import -window "$1" "$out/$name"
    echo "saved $out/$name ($(identify -format '%wx%h' "$out/$name"))"
}

# Keys go to the focused window; there is no window manager to give it the focus.
press() {
    xdotool windowfocus --sync "$1"
    xdotool key --clearmodifiers "$2"
}

LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 "$root/$build/app/zantoria" "$deal" &
program=$!
main=$(find_window '^Zantoria$' 30) || { echo "zantoria did not show its window" >&2; exit 1; }

for window in "${windows[@]}"; do
    case $window in
    main)
        # The description field has the focus; show its text from the start.
        press "$main" Home
        shoot "$main" main-window.png ;;
    report)
        press "$main" F5
        browser=$(find_window '^Dillo: ' 30) \
            || { echo "no browser window showed the report" >&2; exit 1; }
        xdotool windowsize --sync "$browser" 1100 600
        shoot "$browser" report.png
        kill "$(xdotool getwindowpid "$browser")" 2>/dev/null || true ;;
    analysis)
        press "$main" ctrl+l
        if analysis=$(find_window 'Loan Analysis|Darlehensanalyse' 10); then
            shoot "$analysis" analysis-window.png
            press "$analysis" "$charts_key"
            shoot "$analysis" analysis-charts.png
            press "$analysis" Escape
        else
            echo "note: this build has no Loan Analysis window (Ctrl+L); analysis-window.png not taken" >&2
        fi ;;
    projection)
        # The Projection page by its mnemonic (Alt+J in both languages), a holding period of 7
        # years typed into its first field and taken with Enter.
        press "$main" ctrl+l
        analysis=$(find_window 'Loan Analysis|Darlehensanalyse' 10) \
            || { echo "no Loan Analysis window" >&2; exit 1; }
        press "$analysis" alt+j
        xdotool key --clearmodifiers ctrl+a 7 Return
        shoot "$analysis" analysis-projection.png
        # The page scrolled down (the wheel over its scroll bar) to the chosen loan's years and
        # the equity chart.
        xdotool mousemove --window "$analysis" 1020 400 click --repeat 12 --delay 30 5
        shoot "$analysis" analysis-projection-years.png
        press "$analysis" Escape ;;
    scenarios)
        # The Scenarios page by its mnemonic, and scrolled down to its chart.
        press "$main" ctrl+l
        analysis=$(find_window 'Loan Analysis|Darlehensanalyse' 10) \
            || { echo "no Loan Analysis window" >&2; exit 1; }
        press "$analysis" "$scenarios_key"
        shoot "$analysis" analysis-scenarios.png
        xdotool mousemove --window "$analysis" 1020 400 click --repeat 12 --delay 30 5
        shoot "$analysis" analysis-scenarios-chart.png
        press "$analysis" Escape ;;
    sensitivity)
        # The Sensitivity page of the second loan, chosen with the keys (the Loan chooser's mnemonic, then Down).
        press "$main" ctrl+l
        analysis=$(find_window 'Loan Analysis|Darlehensanalyse' 10) \
            || { echo "no Loan Analysis window" >&2; exit 1; }
        press "$analysis" "$sensitivity_key"
        press "$analysis" "$loan_key"
        xdotool key --clearmodifiers Down
        shoot "$analysis" analysis-sensitivity.png
        press "$analysis" Escape ;;
    loancost)
        # The Loan Cost page by its mnemonic: the chart, then scrolled down to its tables.
        press "$main" ctrl+l
        analysis=$(find_window 'Loan Analysis|Darlehensanalyse' 10) \
            || { echo "no Loan Analysis window" >&2; exit 1; }
        press "$analysis" "$loancost_key"
        shoot "$analysis" analysis-loan-cost.png
        xdotool mousemove --window "$analysis" 1020 400 click --repeat 12 --delay 30 5
        shoot "$analysis" analysis-loan-cost-tables.png
        press "$analysis" Escape ;;
    aftertax)
        # The After Tax page by its mnemonic.
        press "$main" ctrl+l
        analysis=$(find_window 'Loan Analysis|Darlehensanalyse' 10) \
            || { echo "no Loan Analysis window" >&2; exit 1; }
        press "$analysis" "$aftertax_key"
        shoot "$analysis" analysis-after-tax.png
        press "$analysis" Escape ;;
    pdf)
        # The first page of the PDF the analysis window saves, through its file dialog.
        pdf=$home/analysis.pdf
        press "$main" ctrl+l
        analysis=$(find_window 'Loan Analysis|Darlehensanalyse' 10) \
            || { echo "no Loan Analysis window" >&2; exit 1; }
        press "$analysis" "$pdf_key"
        dialog=$(find_window 'PDF' 10) || { echo "no file dialog for the PDF" >&2; exit 1; }
        xdotool windowfocus --sync "$dialog"
        xdotool type --delay 20 "$pdf"
        xdotool key --clearmodifiers Return
        for ((i = 0; i < 100; i++)); do [ -s "$pdf" ] && break; sleep 0.1; done
        [ -s "$pdf" ] || { echo "the PDF was not written" >&2; exit 1; }
        pdftoppm -r 80 -f 1 -l 1 -singlefile -png "$pdf" "$out/analysis-pdf$suffix"
        # ZANT_SCREENSHOT_PDF=FILE keeps the whole PDF for a look at every page.
        [ -z "${ZANT_SCREENSHOT_PDF:-}" ] || cp "$pdf" "$ZANT_SCREENSHOT_PDF"
        echo "saved $out/analysis-pdf$suffix.png"
        press "$analysis" Escape ;;
    *)
        echo "unknown window: $window (main, report, analysis, projection, scenarios, sensitivity, loancost, aftertax, pdf)" >&2
        exit 2 ;;
    esac
done
kill "$program"
wait "$program" 2>/dev/null || true
program=
