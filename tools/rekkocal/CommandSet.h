// The commands rekkocal dispatches to, each taking its arguments after the command name.
#pragma once

#include "Commands.h"

#include <string>
#include <vector>

namespace rekko::cli {

using Args = std::vector<std::string>;

int jdCommand(const Args& args, const Environment& environment, Terminal& terminal);
int dateCommand(const Args& args, const Environment& environment, Terminal& terminal);
int countCommand(const Args& args, const Environment& environment, Terminal& terminal);
int monthCommand(const Args& args, const Environment& environment, Terminal& terminal);
int dayCommand(const Args& args, const Environment& environment, Terminal& terminal);
int holidaysCommand(const Args& args, const Environment& environment, Terminal& terminal);

} // namespace rekko::cli
