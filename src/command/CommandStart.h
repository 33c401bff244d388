#pragma once

// What one start of the program does with its command line: answer at once
// (help, version, a wrong line), ask the running program, open the window, or
// run the command once by itself. The front ends only carry the lines.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "command/CommandLine.h"
#include "command/CommandProtocol.h"

namespace textmend {

enum class StartStep : std::uint8_t {
    Ask,         // send RequestLine(command) to the running program, if one listens
    Exit,        // print what the plan holds and end with its status
    OpenWindow,  // start as the running program, with the window and the tray icon
    RunOnce,     // carry out the command once with the stored options, no window, no icon
};

struct StartPlan {
    StartStep step = StartStep::Exit;
    int exitStatus = 0;
    std::string output{};     // for standard output
    std::string errorLine{};  // for standard error, with its line end
};

// Before anyone is asked. versionLine: what --version prints, with its line end.
StartPlan PlanStart(const CommandLine& line, std::string_view versionLine);

// reply: the running program's answer line, as received; nothing when no
// program listens. canRunHere: whether this start has a desktop to carry out a
// command on by itself (a display).
StartPlan PlanAfterAsking(ProgramCommand command, const std::optional<std::string>& reply,
                          bool canRunHere = true);

// The end of a command, carried out here or by the running program.
StartPlan PlanExit(const CommandAnswer& answer);

// Why a run once ended without saying how it ended (it could not start).
inline constexpr std::string_view kRunEndedEarly = "could not run the command (see above)";

}  // namespace textmend
