#include "command/CommandStart.h"

namespace textmend {
namespace {

StartPlan Failed(std::string_view reason) {
    return {.exitStatus = 1, .errorLine = "textmend: " + std::string(reason) + "\n"};
}

}  // namespace

StartPlan PlanStart(const CommandLine& line, std::string_view versionLine) {
    if (line.error) {
        return Failed(*line.error);
    }
    switch (line.command) {
        case ProgramCommand::Help:
            return {.output = HelpText()};
        case ProgramCommand::Version:
            return {.output = std::string(versionLine)};
        default:
            return {.step = StartStep::Ask};
    }
}

StartPlan PlanAfterAsking(ProgramCommand command, const std::optional<std::string>& reply,
                          bool canRunHere) {
    if (reply) {
        return PlanExit(ParseAnswer(*reply));
    }
    switch (command) {
        case ProgramCommand::Process:
        case ProgramCommand::CleanAndPaste:
            if (!canRunHere) {
                return Failed("no Textmend runs here, and there is no display to run on");
            }
            return {.step = StartStep::RunOnce};
        default:
            return {.step = StartStep::OpenWindow};
    }
}

StartPlan PlanExit(const CommandAnswer& answer) {
    return answer.done ? StartPlan{} : Failed(answer.reason);
}

}  // namespace textmend
