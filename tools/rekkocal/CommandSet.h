// SPDX-License-Identifier: GPL-3.0-or-later
// The commands rekkocal dispatches to, each taking its arguments after the command name.
#pragma once

#include "Commands.h"

#include "book/ScheduleBook.h"

#include <string>
#include <vector>

namespace rekko::cli {

using Args = std::vector<std::string>;

// Sets up the book's rules as the program does: "Hday.dat" and "Sday.myc" of the current directory, the built-in
// holiday rules when there is no "Hday.dat"; the flag --builtin (taken from the arguments) keeps the built-in rules
// and no special days. Read errors are reported on err and the command goes on.
void LoadRules(ScheduleBook& book, Args& args, Terminal& terminal);

int jdCommand(const Args& args, const Environment& environment, Terminal& terminal);
int dateCommand(const Args& args, const Environment& environment, Terminal& terminal);
int countCommand(const Args& args, const Environment& environment, Terminal& terminal);
int monthCommand(const Args& args, const Environment& environment, Terminal& terminal);
int dayCommand(const Args& args, const Environment& environment, Terminal& terminal);
int sekkiCommand(const Args& args, const Environment& environment, Terminal& terminal);
int holidaysCommand(const Args& args, const Environment& environment, Terminal& terminal);
int yearCommand(const Args& args, const Environment& environment, Terminal& terminal);
int recordCommand(const Args& args, const Environment& environment, Terminal& terminal);
int exportCommand(const Args& args, const Environment& environment, Terminal& terminal);
int icsCommand(const Args& args, const Environment& environment, Terminal& terminal);
int xlsxCommand(const Args& args, const Environment& environment, Terminal& terminal);
int clockCommand(const Args& args, const Environment& environment, Terminal& terminal);
int syncCommand(const Args& args, const Environment& environment, Terminal& terminal);

} // namespace rekko::cli
