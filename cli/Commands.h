#pragma once

#include "Command.h"

#include <memory>
#include <vector>

std::unique_ptr<Command> MakeCheckCommand();
std::unique_ptr<Command> MakeFormatCommand();
std::unique_ptr<Command> MakeBuildDbCommand();
std::unique_ptr<Command> MakeSplitCommand();
std::unique_ptr<Command> MakeListCommand();

// Every command, in the order the help lists them.
std::vector<std::unique_ptr<Command>> AllCommands();
