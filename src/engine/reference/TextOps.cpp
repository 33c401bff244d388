#include "engine/reference/TextOps.h"

#include "engine/internal/LineOps.h"
#include "engine/internal/LineRebuild.h"
#include "engine/internal/PipelineOps.h"

namespace textmend::reference {

namespace {

// A line operation's result in a string of its own.
std::string Rebuilt(const internal::LineRebuild& rebuild, const std::string& temp,
                    const ScratchFolders& folders) {
    std::string result;
    internal::StepBuffers buffers;
    internal::Rebuild(rebuild, temp, folders, result, buffers);
    return result;
}

}  // namespace

std::string remGT(const std::string& temp, const ScratchFolders& folders) {
    return Rebuilt(internal::WithoutQuoteMarkersRebuild, temp, folders);
}

std::string remBlanks(const std::string& temp, const ScratchFolders& folders) {
    return Rebuilt(internal::WithoutBlankLinesRebuild, temp, folders);
}

std::string remCRs(const std::string& temp, const ScratchFolders& folders) {
    return Rebuilt(internal::WithoutHardReturnsRebuild, temp, folders);
}

std::string trimCR(std::string& temp) {
    internal::TrimEndInPlace(temp);
    return temp;
}

std::string Sentence(std::string& temp) {
    internal::CapitaliseSentencesInPlace(temp);
    return temp;
}

std::string remDblspc(const std::string& temp) {
    std::string result = temp;
    internal::RemoveDoubleSpacesInPlace(result);
    return result;
}

}  // namespace textmend::reference
