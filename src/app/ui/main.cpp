// SPDX-License-Identifier: GPL-3.0-or-later
// Rekko: the desktop calendar.
#include "Entry.h"

int main(int argc, char** argv) {
    return rekko::RunRekko(argc, argv);
}
