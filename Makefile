# SPDX-License-Identifier: GPL-3.0-or-later
# Rekko: make run (build and start), make test (check the formatting, build with every warning an error, run every
# test), make bench (benchmarks), make crash (1 000 kills during save all, and 100 of the real program during its
# start-up and 100 during its save all), make fuzz (the fuzz targets, FUZZ_SECONDS each), make xlsx-check (the month
# workbook printed by LibreOffice to a picture), make format (apply .clang-format), make oldcal (compute the
# old-calendar table resource again), make fresh-check (the set-up on a new Debian 12).
# Each target installs the Debian packages it needs when they are missing.

# qt6-translations-l10n: Qt's own dialogs and buttons in the user's language; clang-format: the house style; ccache:
# rebuilds and other work trees of the same sources reuse objects; libical-dev: the iCalendar export; librsvg2-bin:
# the icon's PNGs are rendered from its drawing; libzip-dev and libpugixml-dev: the month workbook is read and written as
# a zip of XML parts; libxlsxwriter-dev: the workbook template is generated at build time; libcurl4-openssl-dev and
# libsecret-1-dev: the calendar server is spoken to over HTTP(S) and its password kept in the desktop's secret store.
BUILD_PACKAGES := build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
                  qt6-base-dev libgl-dev libxcb1-dev fonts-ipafont-gothic fonts-noto-cjk qt6-translations-l10n \
                  clang-format ccache libical-dev librsvg2-bin libzip-dev libpugixml-dev libxlsxwriter-dev \
                  libcurl4-openssl-dev libsecret-1-dev
# The screenshots, the hotkey test and the start-up benchmark run under Xvfb; the flow and tray tests add a window
# manager (openbox), xdotool and a tray host (trayer), and the timer's alert is checked with xprop.
# The package tests validate the desktop entry and the metainfo, build the package (dpkg-dev finds its library
# dependencies, file tells its programs), look its icon up in the hicolor theme and read the iCalendar export back
# with Debian's Python readers; the month workbook is read back with openpyxl, and its spreadsheet program is looked
# up with xdg-mime. The calendar sync runs against a local Radicale, with python3-caldav as the second client, and keeps
# its password in a gnome-keyring started on a private D-Bus session.
DEB_PACKAGES := $(BUILD_PACKAGES) dpkg-dev file
TEST_PACKAGES := $(DEB_PACKAGES) xvfb xauth openbox xdotool x11-utils trayer locales desktop-file-utils appstream \
                 python3-icalendar python3-recurring-ical-events hicolor-icon-theme python3-openpyxl \
                 xdg-utils radicale python3-caldav gnome-keyring dbus libsecret-tools
# The Japanese-font test and the start-up benchmark run Rekko as a Japanese user would, under this glibc locale.
TEST_LOCALES := ja_JP.UTF-8
# valgrind: bench/profile-startup.sh counts the instructions of the start with callgrind, bench/profile-memory.sh
# measures its heap with massif; time (GNU) gives its peak resident size.
BENCH_PACKAGES := $(TEST_PACKAGES) gcal valgrind time
# The fuzz targets are built with clang and its libFuzzer runtime.
FUZZ_PACKAGES := $(BUILD_PACKAGES) clang libclang-rt-dev
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= cp932 comma_text month_lines period_lines line_attribute settings rule_line old_calendar line_merge http_response page_time sntp_reply dav_multistatus ics_event
XVFB := tests/support/own-display
# Cached objects are keyed on paths relative to the source tree, so a clone elsewhere hits the same entries.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DREKKO_SANITIZE=ON -DREKKO_BENCH=OFF -DREKKO_WERROR=ON
else ifeq ($(SANITIZE),thread)
BUILD_DIR := build-tsan
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DREKKO_SANITIZE=thread -DREKKO_BENCH=OFF -DREKKO_WERROR=ON
else
BUILD_DIR := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREKKO_WERROR=ON
endif

# The C++ sources the house style covers.
SOURCES = $(shell find src tools tests bench -name '*.cpp' -o -name '*.h')

# Tests see a fixed zone and language, then once more a zone with daylight saving.
TEST_ENV := LANG=C.UTF-8 LC_ALL=C.UTF-8
CTEST := ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

.PHONY: install deb deb-deps run test crash fuzz xlsx-check bench profile-startup profile-memory oldcal build deps test-deps bench-deps \
        fuzz-deps fresh-check format format-check clean

# Rekko starts in its program folder, as it would from a desktop entry, so its data stays beside it and the shipped
# Hday.dat is read. Without a display the calendar cannot open; rekkocal shows this month instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    cd $(BUILD_DIR)/bin && ./Rekko; \
	else \
	    echo "No display (DISPLAY and WAYLAND_DISPLAY are not set), so Rekko cannot open its window."; \
	    echo "This month from rekkocal instead:"; \
	    ./$(BUILD_DIR)/bin/rekkocal month; \
	fi

PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

deb: deb-deps build
	cd $(BUILD_DIR) && cpack -G DEB -B package
	@ls $(BUILD_DIR)/package/*.deb

# Tests labelled "once" (the crash harness, the full code page table) do not depend on the zone.
test: test-deps format-check build
	TZ=Asia/Tokyo $(TEST_ENV) $(CTEST)
	TZ=Europe/Berlin $(TEST_ENV) $(CTEST) -LE once

crash: test-deps build
	TZ=Asia/Tokyo $(TEST_ENV) $(XVFB) --wm ./$(BUILD_DIR)/tests/crash/crash_harness \
	    --driver ./$(BUILD_DIR)/tests/crash/crash_driver --trials 1000 --rekko ./$(BUILD_DIR)/bin/Rekko --rekko-kills 100

# Each target runs FUZZ_SECONDS on its working corpus (build-fuzz/corpus, seeded from tests/data) and the checked-in
# one (tests/fuzz/corpus, where the inputs of fixed findings go); a finding stops the run and lands in
# build-fuzz/artifacts.
fuzz: fuzz-deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DREKKO_FUZZ=ON
	cmake --build build-fuzz --target fuzz_targets
	mkdir -p build-fuzz/artifacts
	for target in $(FUZZ_TARGETS); do \
	    ./build-fuzz/tests/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=build-fuzz/artifacts/$$target- build-fuzz/corpus/$$target tests/fuzz/corpus/$$target \
	        || exit 1; \
	done

bench: bench-deps build
	./$(BUILD_DIR)/bench/calendar_bench
	./$(BUILD_DIR)/bench/app_bench
	./$(BUILD_DIR)/bench/month_view_bench
	$(XVFB) ./$(BUILD_DIR)/bench/startup_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/grid_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/schedule_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/year_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/clock_bench
	./$(BUILD_DIR)/bench/clocksync_bench
	./$(BUILD_DIR)/bench/maintenance_bench
	@cat bench/references.txt
	@uptime

# Instructions from start to first paint of Rekko and the reference windows, and where Rekko's go (callgrind).
profile-startup: bench-deps build
	bench/profile-startup.sh $(BUILD_DIR)

# Peak memory of one start over the sample and the heavy user's data folder, and where the heap goes (massif).
profile-memory: bench-deps build
	bench/profile-memory.sh $(BUILD_DIR)

# Writes src/resources/JDOLDCAL.txt and JDSEKKI.txt from astronomy; the full report stays in
# $(BUILD_DIR)/oldcal-report.txt and its summary (table size, events near midnight, numbering conflicts) is shown.
oldcal: build
	./$(BUILD_DIR)/tools/oldcal/oldcal --output src/resources/JDOLDCAL.txt --terms src/resources/JDSEKKI.txt > $(BUILD_DIR)/oldcal-report.txt
	sed -n '1p;/^$$/,$$p' $(BUILD_DIR)/oldcal-report.txt

# The sample's December 2026 as rekkocal writes its workbook, opened by LibreOffice without a window and printed to
# PDF, then to PNG, to look at the page (build/xlsx-check/RekkoExcel-1.png).
XLSX_CHECK_DIR := $(BUILD_DIR)/xlsx-check
xlsx-check: build
	@./tools/install-packages.sh libreoffice-calc-nogui poppler-utils
	rm -rf $(XLSX_CHECK_DIR) && mkdir -p $(XLSX_CHECK_DIR)
	cp $(BUILD_DIR)/bin/rekkocal $(BUILD_DIR)/bin/Sorxl.xlsx src/resources/Hday.dat tests/data/sample/* $(XLSX_CHECK_DIR)
	cd $(XLSX_CHECK_DIR) && ./rekkocal xlsx 2026 12 RekkoExcel.xlsx
	cd $(XLSX_CHECK_DIR) && HOME=$(CURDIR)/$(XLSX_CHECK_DIR) soffice --headless --convert-to pdf RekkoExcel.xlsx
	pdftoppm -png -r 80 $(XLSX_CHECK_DIR)/RekkoExcel.pdf $(XLSX_CHECK_DIR)/RekkoExcel
	@ls $(XLSX_CHECK_DIR)/RekkoExcel*.png

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

deps:
	@./tools/install-packages.sh $(BUILD_PACKAGES)

deb-deps:
	@./tools/install-packages.sh $(DEB_PACKAGES)

test-deps:
	@./tools/install-packages.sh $(TEST_PACKAGES)
	@./tools/install-locales.sh $(TEST_LOCALES)

bench-deps:
	@./tools/install-packages.sh $(BENCH_PACKAGES)
	@./tools/install-locales.sh $(TEST_LOCALES)

# Bootstraps a minimal Debian 12 into a temporary folder and runs the README's set-up commands there, as root, on a
# clean copy of the committed tree; reports the time and the packages they installed. Needs root and the mirror.
fresh-check:
	@./tools/install-packages.sh debootstrap
	tools/fresh-check.sh

fuzz-deps:
	@./tools/install-packages.sh $(FUZZ_PACKAGES)

format: deps
	clang-format -i $(SOURCES)

# Fails on any line that make format would change.
format-check: deps
	clang-format --dry-run --Werror $(SOURCES)

clean:
	rm -rf build build-sanitize build-fuzz
