#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Counts the instructions from process start to first paint of Rekko and of the two reference windows of
# startup_bench with callgrind (repeatable on a loaded machine, unlike wall time), and shows where Rekko's go.
#
#   bench/profile-startup.sh [BUILD_DIR [DATA_DIR]]     (make profile-startup; needs valgrind and Xvfb)
#
# Rekko starts in an empty program folder as in startup_bench, or in a copy of DATA_DIR (tests/data/sample, to count
# the rule and month files too).
# The callgrind files stay in BUILD_DIR/startup-profile/ for callgrind_annotate.
set -euo pipefail
build=$(readlink -f "${1:-build}")
out=$build/startup-profile
rm -rf "$out" && mkdir -p "$out/program/run" && chmod 700 "$out/program/run"
cp "$build/bin/Rekko" "$out/program/"
[ -n "${2:-}" ] && cp -r "$2"/. "$out/program/"
# As in startup_bench: a period file and a memo file keep the notices of new files from holding up the start.
printf '***** FromTo\x97\x5C\x92\xE8\r\n' >"$out/program/CaFromTo.myc"
: >"$out/program/CaMemo.myc"

export OUT=$out BUILD=$build
tests/support/own-display bash -c '
  set -e
  cd "$OUT/program"
  # As a Japanese user starts it, so that Qt'"'"'s Japanese catalogue is loaded.
  ja=(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=ja_JP.UTF-8 XDG_RUNTIME_DIR="$OUT/program/run"
      REKKO_REPORT_FIRST_PAINT=1)
  "${ja[@]}" ./Rekko >/dev/null # the first start writes the settings file
  # Each count stops where the program reports its first paint.
  "${ja[@]}" valgrind -q --tool=callgrind --callgrind-out-file="$OUT/Rekko.%p" \
      --dump-before="rekko::MainWindow::firstPainted*" ./Rekko >/dev/null
  for program in japanese_text_window bare_window; do
    "${ja[@]}" valgrind -q --tool=callgrind --callgrind-out-file="$OUT/$program.%p" \
        --dump-before="QCoreApplication::quit*" "$BUILD/bench/$program" >/dev/null
  done'

# The part up to the dump is file NAME.PID.1; a fork for the D-Bus launcher leaves further files, not counted.
count() { grep -h '^totals:' "$out/$1".*.1 | head -n 1 | cut -d' ' -f2; }
rekko=$(count Rekko) japanese=$(count japanese_text_window) bare=$(count bare_window)
printf 'Instructions to the first paint: Rekko %d M, JapaneseTextWindow %d M, BareQtWindow %d M\n' \
    $((rekko / 1000000)) $((japanese / 1000000)) $((bare / 1000000))
awk -v r="$rekko" -v j="$japanese" -v b="$bare" \
    'BEGIN { printf "Ratio Rekko / JapaneseTextWindow %.2f, Rekko / BareQtWindow %.2f\n\n", r / j, r / b }'

# Inclusive counts of the steps that matter; they nest, so they do not add up.
echo "Where Rekko's instructions go (inclusive, millions):"
callgrind_annotate --inclusive=yes --threshold=100 "$out"/Rekko.*.1 >"$out/Rekko-inclusive.txt"
while IFS='|' read -r label pattern; do
    awk -v label="$label" -v pattern="$pattern" '
        index($0, pattern) { gsub(",", "", $1); printf "  %-48s %8.2f\n", label, $1 / 1e6; found = 1; exit }
        END { if (!found) printf "  %-48s %8s\n", label, "-" }' "$out/Rekko-inclusive.txt"
done <<'EOF'
whole program to first paint|PROGRAM TOTALS
main (the rest: loading the libraries)|main.cpp:main
QApplication and the X connection|QApplication::QApplication(
Japanese fonts chosen|rekko::UseJapaneseFonts(
  font database (fontconfig set-up, font list)|QFontDatabasePrivate::ensureFontDatabase()
font matching (faces loaded for text)|QFontDatabasePrivate::findFont(
  fallback searches (family lists)|QFontconfigDatabase::fallbacksForFamily(
Qt translator load|rekko::UseQtTranslations(
main window construction|rekko::MainWindow::MainWindow(
  settings page (made when first opened)|rekko::SettingsPage::build(
  month page|rekko::MonthPage::MonthPage(
  month view and grid|rekko::MonthView::MonthView(
start sequence|rekko::MainWindow::start(
  month initialisation|rekko::MainController::initialiseMonths(
  rule files|rekko::ScheduleBook::readRuleFiles(
  month and period files|rekko::ScheduleStores::loadAfterSettings(
  old-calendar table (rokuyo)|rekko::oldMonthTable()
event loop to first paint|QApplication::exec()
  painting of all widgets|QWidgetRepaintManager::paintAndFlush()
  month grid drawing|rekko::MonthGridPainter::drawAll(
text shaping (all)|QTextEngine::shapeText(
glyph rendering (all)|QFontEngineFT::loadGlyph(QFontEngineFT::QGlyphSet
EOF
